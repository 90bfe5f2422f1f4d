#include "platform/SongTags.h"

#include <QFile>
#include <QFileInfo>
#include <taglib/fileref.h>
#include <taglib/tag.h>

namespace platform {

namespace {
QString toQString(const TagLib::String& s) { return QString::fromStdWString(s.toWString()); }
} // namespace

SongTags ReadSongTags(const QString& path)
{
    // Opening a FIFO or a device would wait here for good: anything but a
    // regular file has no tags, as a missing one has none.
    if (!QFileInfo(path).isFile())
        return {};
    const QByteArray name = QFile::encodeName(path);
    // Only the tags are wanted, not the length or bit rate.
    const TagLib::FileRef file(name.constData(), false);
    if (file.isNull() || !file.tag())
        return {};
    return {toQString(file.tag()->title()), toQString(file.tag()->artist())};
}

} // namespace platform
