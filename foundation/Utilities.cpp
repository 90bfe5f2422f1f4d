#include "foundation/Utilities.h"

#include "foundation/Ansi.h"

#include <vector>

QString StripBadChars(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int code = AnsiCode(c);
        if ((code >= 0 && code <= 25) || (code >= 138 && code <= 255))
            continue;
        out.append(c);
    }
    return out;
}

bool StrEqual(const QString& a, const QString& b, qint32 mode)
{
    if (a.size() != b.size())
        return false;
    if (mode == 0 || mode == -1)
        return a == b;
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString CollapseRepeats(const QString& text, const QString& pattern, bool ignoreCase)
{
    if (text.isEmpty())
        return QString();
    if (pattern.isEmpty())
        return text;
    const unsigned mask = ignoreCase ? 223u : 255u;
    std::vector<unsigned> pat;
    pat.reserve(pattern.size());
    for (QChar c : pattern)
        pat.push_back((c.unicode() & 0xFFu) & mask);

    QString out;
    out.reserve(text.size());
    if (pat.size() == 1) {
        int run = 0;
        for (QChar c : text) {
            const unsigned low = c.unicode() & 0xFFu;
            run = ((low & mask) == pat[0]) ? run + 1 : 0;
            if (run < 2)
                out.append(QChar(static_cast<char16_t>(low)));
        }
        return out;
    }
    std::size_t j = 0;
    int count = 0;
    for (QChar c : text) {
        const unsigned low = c.unicode() & 0xFFu;
        if ((low & mask) == pat[j]) {
            if (++j == pat.size()) {
                ++count;
                j = 0;
            }
        } else {
            count = 0;
            j = 0;
        }
        out.append(QChar(static_cast<char16_t>(low)));
        if (count == 2) {
            out.chop(static_cast<qsizetype>(pat.size()));
            count = 1;
        }
    }
    return out;
}

QStringList SplitStr(const QString& text, const QString& delimiter)
{
    if (delimiter.isEmpty())
        return QStringList{text};
    return text.split(delimiter, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

qint16 PassFirstArg(qint16 value, qint16) { return value; }

QString LinesWithCrLf(const QString& boxText)
{
    QString text = boxText;
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString LinesForBox(const QString& text)
{
    QString lines = text;
    return lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
