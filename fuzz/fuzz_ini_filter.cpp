// Any bytes as an INI file and as chat text: the reader and writer never
// crash, a written key reads back, and the language filter keeps the length,
// ends and leaves no hit behind.
#include "foundation/Ansi.h"
#include "foundation/IniFile.h"
#include "foundation/LanguageFilter.h"
#include "fuzz/ScratchFolder.h"

#include <QFile>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString text = FromAnsi(bytes);
    const QString filtered = FilterLanguage(text);
    if (filtered.size() != text.size() || FilterLanguage(filtered) != filtered)
        std::abort();

    const QString section = QStringLiteral("INIT");
    const QString key = QStringLiteral("NumberButtons");
    const QString before = ReadINIText(bytes, section, key);
    const QByteArray written = WriteINIText(bytes, section, key, QStringLiteral("17"));
    if (ReadINIText(written, QStringLiteral("init"), QStringLiteral("numberbuttons")) != QLatin1String("17"))
        std::abort();

    // The file procedures only add reading and saving the same bytes: every
    // 64th input goes through them too and must come out the same.
    static unsigned inputs = 0;
    if (inputs++ % 64 != 0)
        return 0;
    static const QString path = ScratchFolder().path() + QStringLiteral("/DesignData.Dat");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    if (ReadINI(path, section, key) != before || !WriteINI(path, section, key, QStringLiteral("17")))
        std::abort();
    QFile saved(path);
    if (!saved.open(QIODevice::ReadOnly) || saved.readAll() != written)
        std::abort();
    return 0;
}
