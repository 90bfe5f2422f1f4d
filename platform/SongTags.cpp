#include "platform/SongTags.h"

#include <QFile>
#include <taglib/fileref.h>
#include <taglib/tag.h>

namespace platform {

namespace {
QString toQString(const TagLib::String& s) { return QString::fromStdWString(s.toWString()); }
} // namespace

SongTags ReadSongTags(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    // Only the tags are wanted, not the length or bit rate.
    const TagLib::FileRef file(name.constData(), false);
    if (file.isNull() || !file.tag())
        return {};
    return {toQString(file.tag()->title()), toQString(file.tag()->artist())};
}

} // namespace platform
