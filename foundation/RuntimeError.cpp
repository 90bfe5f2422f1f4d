#include "foundation/RuntimeError.h"

#include <QCoreApplication>

namespace {
bool g_programEnded = false;
}

QString ErrorDescription(qint32 number)
{
    switch (number) {
    case errInvalidProcedureCall: return QStringLiteral("Invalid procedure call or argument");
    case errOverflow: return QStringLiteral("Overflow");
    case errSubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case errTypeMismatch: return QStringLiteral("Type mismatch");
    case errFileNotFound: return QStringLiteral("File not found");
    case errBadFileMode: return QStringLiteral("Bad file mode");
    case errPermissionDenied: return QStringLiteral("Permission denied");
    case errPathFileAccess: return QStringLiteral("Path/File access error");
    case errPathNotFound: return QStringLiteral("Path not found");
    case errObjectRequired: return QStringLiteral("Object required");
    case errElementNotFound: return QStringLiteral("Element not found");
    case errKeyNotUnique: return QStringLiteral("Key is not unique in collection");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError::RuntimeError(qint32 number, const QString& description)
    : err_{number, description.isEmpty() ? ErrorDescription(number) : description}
    , what_(QStringLiteral("Error #%1 %2").arg(number).arg(err_.Description).toStdString())
{
}

RuntimeError::RuntimeError(qint32 number)
    : RuntimeError(number, QString())
{
}

void Raise(qint32 number, const QString& description)
{
    throw RuntimeError(number, description);
}

void End()
{
    g_programEnded = true;
    throw ProgramEnd{};
}

bool ProgramHasEnded() { return g_programEnded; }

void ResetProgramEnded() { g_programEnded = false; }

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}
