#include "foundation/IniFile.h"

#include "foundation/Ansi.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <optional>

namespace {

// The longest value the reader hands back (its buffer holds 5000 characters
// with the terminating NUL).
constexpr qsizetype kMaxValue = 4999;

QStringList readLines(const QString& fileName, bool* exists)
{
    QFile f(fileName);
    *exists = f.open(QIODevice::ReadOnly);
    if (!*exists)
        return {};
    QStringList lines = FromAnsi(f.readAll()).split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    // The text after the last line break is no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The section name when the line opens a section.
std::optional<QString> sectionOf(const QString& line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Splits a "key=value" line; false for blank lines, comments and lines
// without "=".
bool splitEntry(const QString& line, QString* key, QString* value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *key = t.left(eq).trimmed();
    *value = t.mid(eq + 1).trimmed();
    return true;
}

struct Location {
    qsizetype section = -1;  // line of the section header
    qsizetype key = -1;      // line of the key inside it
    qsizetype lastEntry = -1; // last non-blank line of the section
};

Location locate(const QStringList& lines, const QString& section, const QString& key)
{
    Location at;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionOf(lines[i]);
        if (at.section < 0) {
            if (name && sameName(*name, section)) {
                at.section = i;
                at.lastEntry = i;
            }
            continue;
        }
        if (name)
            break;  // the next section begins
        if (!lines[i].trimmed().isEmpty())
            at.lastEntry = i;
        QString k, v;
        if (splitEntry(lines[i], &k, &v) && sameName(k, key)) {
            at.key = i;
            break;
        }
    }
    return at;
}

} // namespace

QString ReadINI(const QString& fileName, const QString& section, const QString& key)
{
    bool exists = false;
    const QStringList lines = readLines(fileName, &exists);
    const Location at = locate(lines, section, key);
    if (at.key < 0)
        return QString();
    QString k, value;
    splitEntry(lines[at.key], &k, &value);
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(kMaxValue);
}

bool WriteINI(const QString& fileName, const QString& section, const QString& key, const QString& value)
{
    bool exists = false;
    QStringList lines = readLines(fileName, &exists);
    if (!exists && QFile::exists(fileName))
        return false;  // there, but not readable: leave it alone
    const QString entry = key + QLatin1Char('=') + value;
    const Location at = locate(lines, section, key);
    if (at.key >= 0)
        lines[at.key] = entry;
    else if (at.section >= 0)
        lines.insert(at.lastEntry + 1, entry);
    else
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;

    // Written to a temporary file and renamed, so that a failed write never
    // leaves half a file behind.
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ToAnsi(line) + "\r\n";
    out.write(bytes);
    return out.commit();
}
