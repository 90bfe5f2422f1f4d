// Any bytes as an INI file and as chat text: the reader and writer never
// crash, a written key reads back, and the language filter keeps the length,
// ends and leaves no hit behind.
#include "foundation/Ansi.h"
#include "foundation/IniFile.h"
#include "foundation/LanguageFilter.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString text = FromAnsi(bytes);
    const QString filtered = FilterLanguage(text);
    if (filtered.size() != text.size() || FilterLanguage(filtered) != filtered)
        std::abort();

    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/DesignData.Dat");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    ReadINI(path, QStringLiteral("INIT"), QStringLiteral("NumberButtons"));
    if (!WriteINI(path, QStringLiteral("INIT"), QStringLiteral("NumberButtons"), QStringLiteral("17")))
        std::abort();
    if (ReadINI(path, QStringLiteral("init"), QStringLiteral("numberbuttons")) != QLatin1String("17"))
        std::abort();
    return 0;
}
