#include "foundation/IniFile.h"

#include "foundation/Ansi.h"
#include "platform/WholeFile.h"

#include <QFile>
#include <QStringList>
#include <optional>

namespace {

// The longest value the reader hands back (its buffer holds 5000 characters
// with the terminating NUL).
constexpr qsizetype kMaxValue = 4999;

QStringList linesOf(const QByteArray& contents)
{
    QStringList lines = FromAnsi(contents).split(QLatin1Char('\n'));
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

// The file's bytes; false when it cannot be read (a missing file reads as
// empty).
bool readFile(const QString& fileName, QByteArray* contents)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *contents = f.readAll();
    return true;
}

} // namespace

QString ReadINIText(const QByteArray& contents, const QString& section, const QString& key)
{
    const QStringList lines = linesOf(contents);
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

QByteArray WriteINIText(const QByteArray& contents, const QString& section, const QString& key, const QString& value)
{
    QStringList lines = linesOf(contents);
    const QString entry = key + QLatin1Char('=') + value;
    const Location at = locate(lines, section, key);
    if (at.key >= 0)
        lines[at.key] = entry;
    else if (at.section >= 0)
        lines.insert(at.lastEntry + 1, entry);
    else
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += ToAnsi(line) + "\r\n";
    return bytes;
}

QString ReadINI(const QString& fileName, const QString& section, const QString& key)
{
    QByteArray contents;
    readFile(fileName, &contents);
    return ReadINIText(contents, section, key);
}

bool WriteINI(const QString& fileName, const QString& section, const QString& key, const QString& value)
{
    QByteArray contents;
    if (!readFile(fileName, &contents) && QFile::exists(fileName))
        return false;  // there, but not readable: leave it alone
    return platform::WriteWholeFile(fileName, WriteINIText(contents, section, key, value));
}
