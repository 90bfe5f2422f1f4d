#include "foundation/ChatLog.h"

#include "foundation/Ansi.h"
#include "foundation/RuntimeError.h"
#include "platform/Endpoints.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>

QString CurrentDateText()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString CurrentTimeText()
{
    // The long time format without the time zone, as a clock on the desktop shows it.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.remove(zone);
    format = format.trimmed();
    if (format.isEmpty())
        format = QStringLiteral("HH:mm:ss");
    return QLocale::system().toString(QTime::currentTime(), format);
}

void WriteLog(const QString& text, qint32 kind)
{
    const QString name = kind == 0   ? QStringLiteral("AllLogs.log")
                         : kind == 1 ? QStringLiteral("ChatterLog.log")
                                     : QStringLiteral("Others.log");
    QFile file(platform::programFolder() + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        Raise(errPermissionDenied);
    const QString line = CurrentDateText() + QLatin1Char(' ') + CurrentTimeText() + QStringLiteral(":\t") + text +
                         QStringLiteral("\r\n");
    const QByteArray bytes = ToAnsi(line);
    if (file.write(bytes) != bytes.size())
        Raise(errPermissionDenied);
}
