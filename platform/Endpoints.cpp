#include "platform/Endpoints.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <optional>

namespace platform {

namespace {
QString& folderOverride()
{
    static QString f;
    return f;
}
std::optional<Endpoints>& cached()
{
    static std::optional<Endpoints> e;
    return e;
}

Endpoints readEndpoints()
{
    Endpoints e;
    QSettings ini(programFolder() + QStringLiteral("/Endpoints.ini"), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Endpoints"));
    e.webHost = ini.value(QStringLiteral("WebHost"), QStringLiteral("http://127.0.0.1")).toString();
    e.slaveServer = ini.value(QStringLiteral("SlaveServer"), QStringLiteral("127.0.0.1")).toString();
    e.homePage = ini.value(QStringLiteral("HomePage"), QStringLiteral("http://127.0.0.1/")).toString();
    e.forumBase = ini.value(QStringLiteral("ForumBase"), QStringLiteral("http://127.0.0.1/forum/")).toString();
    e.advertising = ini.value(QStringLiteral("Advertising"), QStringLiteral("http://127.0.0.1/")).toString();
    while (e.webHost.endsWith(QLatin1Char('/')))
        e.webHost.chop(1);
    // A bare host name ("game.example.org", "10.0.0.2:8080") means a web
    // site: without its scheme no request could be made at all.
    if (!e.webHost.isEmpty() && !e.webHost.contains(QLatin1String("://")))
        e.webHost.prepend(QLatin1String("http://"));
    return e;
}
} // namespace

QString programFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QStringLiteral(".");
}

QString programName()
{
    return QStringLiteral("Quelvar");
}

void setProgramFolder(const QString& folder)
{
    QString f = folder;
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    folderOverride() = f;
    cached().reset();
}

const Endpoints& endpoints()
{
    if (!cached())
        cached() = readEndpoints();
    return *cached();
}

void setEndpointsForTests(const Endpoints& e) { cached() = e; }

void reloadEndpoints() { cached().reset(); }

} // namespace platform
