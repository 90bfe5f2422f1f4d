#include "ui/IgnoreFile.h"

#include "foundation/Ansi.h"

#include <algorithm>

namespace {
constexpr qint32 kInputPastEndOfFile = 62;

// The lines of the text; a line break is CR LF, or a lone CR or LF. The break
// at the end of the last line does not start another one.
QStringList Lines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// The count of the first line: blanks around it, an optional sign, digits.
bool ReadCount(const QString& line, qint64& count)
{
    const QString t = line.trimmed();
    bool ok = false;
    count = t.toLongLong(&ok);
    return ok;
}
} // namespace

QByteArray IgnoreFileBytes(const QStringList& names)
{
    QString text = QLatin1Char(' ') + QString::number(names.size()) + QStringLiteral(" \r\n");
    for (const QString& name : names)
        text += name + QStringLiteral("\r\n");
    return ToAnsi(text);
}

IgnoreFileContents ReadIgnoreFile(const QByteArray& bytes)
{
    IgnoreFileContents result;
    const QStringList lines = Lines(FromAnsi(bytes));
    qint64 count = 0;
    if (lines.isEmpty() || !ReadCount(lines.first(), count) || count < 0) {
        // Without a count the names are whatever the file holds.
        for (const QString& line : lines)
            if (!line.trimmed().isEmpty())
                result.Names.append(line);
        result.Problem = ErrObject{errTypeMismatch, QStringLiteral("Ignore.Dat does not start with the count of its names")};
        return result;
    }
    const qint64 present = lines.size() - 1;
    result.Names = lines.mid(1, static_cast<qsizetype>(std::min(count, present)));
    if (count > present)
        result.Problem = ErrObject{kInputPastEndOfFile, QStringLiteral("Ignore.Dat holds %1 of the %2 names it counts")
                                                            .arg(present)
                                                            .arg(count)};
    return result;
}

bool IgnoreNameLess(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

qsizetype IgnoreInsertIndex(const QStringList& sorted, const QString& name)
{
    return std::upper_bound(sorted.begin(), sorted.end(), name, IgnoreNameLess) - sorted.begin();
}
