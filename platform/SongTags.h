#pragma once
// The title and artist stored in a song file's tags.

#include <QString>

namespace platform {

struct SongTags {
    QString title;
    QString artist;
};

// The tags of the file; empty texts when it has none, cannot be read or is
// no regular file.
SongTags ReadSongTags(const QString& path);

} // namespace platform
