// Any bytes as a music play list file: the reader never crashes, gives no
// empty path, and every path it gives that the writer can keep reads back
// unchanged from what the writer makes of it.
#include "ui/PlayListFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList paths = ParsePlayList(bytes);
    QStringList storable;
    for (const QString& path : paths) {
        if (path.isEmpty())
            std::abort();
        if (StorableInPlayList(path))
            storable << path;
    }
    if (ParsePlayList(FormatPlayList(storable)) != storable)
        std::abort();
    return 0;
}
