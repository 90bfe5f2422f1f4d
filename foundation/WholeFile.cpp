#include "foundation/WholeFile.h"

#include <QSaveFile>

bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString* error)
{
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
