// "Ignore.Dat" as the ignore window reads it: any bytes give names without a
// line break in them, and any names written out read back unchanged.

#include "ui/IgnoreFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const IgnoreFileContents read = ReadIgnoreFile(input);
    for (const QString& name : read.Names)
        if (name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n')))
            std::abort();

    const IgnoreFileContents again = ReadIgnoreFile(IgnoreFileBytes(read.Names));
    if (again.Problem.Number != 0 || again.Names != read.Names)
        std::abort();

    // The list's order: every name goes after the names not greater than it.
    QStringList sorted;
    for (const QString& name : read.Names)
        sorted.insert(IgnoreInsertIndex(sorted, name), name);
    if (!std::is_sorted(sorted.begin(), sorted.end(), IgnoreNameLess))
        std::abort();
    return 0;
}
