#include "ui/PlayListFile.h"

#include "foundation/Ansi.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr char kQuote = '"';

// The path one line of the file holds (without its line break).
QByteArray fieldOf(const QByteArray& line)
{
    qsizetype start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    if (start == line.size() || line[start] != kQuote)
        return line;
    const qsizetype close = line.indexOf(kQuote, start + 1);
    return close < 0 ? line.mid(start + 1) : line.mid(start + 1, close - start - 1);
}
} // namespace

QStringList ParsePlayList(const QByteArray& bytes)
{
    QStringList paths;
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(from, end - from);
        from = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray field = fieldOf(line);
        if (!field.isEmpty())
            paths.append(FromAnsi(field));
    }
    return paths;
}

QByteArray FormatPlayList(const QStringList& paths)
{
    QByteArray bytes;
    for (const QString& path : paths)
        bytes += kQuote + ToAnsi(path) + kQuote + "\r\n";
    return bytes;
}

bool StorableInPlayList(const QString& path)
{
    if (path.isEmpty())
        return false;
    for (const QChar c : path)
        if (c == QLatin1Char(kQuote) || c == QLatin1Char('\r') || c == QLatin1Char('\n') || AnsiCode(c) < 0)
            return false;
    return true;
}

QString PlayListFileName() { return settings().DatPath + QStringLiteral("PlayList.lst"); }

QStringList ReadPlayListFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        Raise(errPermissionDenied);
    return ParsePlayList(file.readAll());
}

void WritePlayListFile(const QString& fileName, const QStringList& paths)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        Raise(errPathNotFound, QStringLiteral("Path not found: ") + folder);
    if (QString error; !platform::WriteWholeFile(fileName, FormatPlayList(paths), &error))
        Raise(errPermissionDenied, error + QStringLiteral(": ") + fileName);
}
