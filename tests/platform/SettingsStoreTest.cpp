// The settings store: the user's own file only, on a full disk and after a
// run that ended while writing it.

#include "platform/SettingsStore.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Puts the store back in the test run's folder, however the test ends.
struct StoreBack {
    ~StoreBack()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, qEnvironmentVariable("XDG_CONFIG_HOME"));
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, system);
    }
    const QString system =
        QFileInfo(QSettings(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("x")).fileName()).path();
};
} // namespace

TEST(SettingsStoreTest, AWriteThatDoesNotFitOnTheDiskLeavesTheLastGoodFile)
{
    using namespace platform;
    const SmallDisk disk;
    if (!disk.ok())
        GTEST_SKIP() << SmallDisk::kCannotMount;
    const StoreBack back;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, disk.path());
    const QString app = QStringLiteral("Quelvar");
    ASSERT_TRUE(SaveSetting(app, QStringLiteral("LASTUSER"), QStringLiteral("Username"), QStringLiteral("alice")));
    ASSERT_TRUE(SaveSetting(app, QStringLiteral("Client Data"), QStringLiteral("Buttons"), QStringLiteral("17")));
    const QByteArray good = SmallDisk::contents(settingsFilePath(app));

    ASSERT_TRUE(disk.fill(4096));  // a page for the store's lock file, none for the new file
    EXPECT_FALSE(SaveSetting(app, QStringLiteral("Settings"), QStringLiteral("FontType"), QStringLiteral("Arial")));
    EXPECT_EQ(SmallDisk::contents(settingsFilePath(app)), good);
    EXPECT_EQ(GetSetting(app, QStringLiteral("LASTUSER"), QStringLiteral("Username")), QStringLiteral("alice"));
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files), (QStringList{"filler", "Quelvar.ini"}));
}

TEST(SettingsStoreTest, ASystemWideFileIsNeitherReadNorStandsInTheWayOfASave)
{
    using namespace platform;
    const QTemporaryDir user;
    const QTemporaryDir system;
    const StoreBack back;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, user.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, system.path());
    QFile site(system.filePath(QStringLiteral("Quelvar.ini")));
    ASSERT_TRUE(site.open(QIODevice::WriteOnly));
    site.write("[Site]\nMotd=Welcome\n[Settings]\nFontSize=10\n");
    site.close();

    const QString app = QStringLiteral("Quelvar");
    EXPECT_TRUE(SaveSetting(app, QStringLiteral("Settings"), QStringLiteral("FontSize"), QStringLiteral("12")));
    EXPECT_EQ(GetSetting(app, QStringLiteral("Settings"), QStringLiteral("FontSize")), QStringLiteral("12"));
    EXPECT_EQ(GetSetting(app, QStringLiteral("Site"), QStringLiteral("Motd")), QString());
    EXPECT_EQ(SmallDisk::contents(user.filePath(QStringLiteral("Quelvar.ini"))),
              QByteArray("[Settings]\nFontSize=12\n"));
}

TEST(SettingsStoreTest, AKeptCopyLeftByAnInterruptedWriteGoesBackOverACutFileOnly)
{
    using namespace platform;
    const QTemporaryDir user;
    const StoreBack back;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, user.path());
    const QString app = QStringLiteral("Quelvar");
    const QString file = settingsFilePath(app);
    const QString kept = file + QStringLiteral(".kept");
    const QString section = QStringLiteral("LASTUSER");
    for (const char* key : {"Username", "Password", "Server"})
        ASSERT_TRUE(SaveSetting(app, section, QLatin1String(key), QStringLiteral("value of ") + QLatin1String(key)));
    const QByteArray good = SmallDisk::contents(file);

    // The run ended after a cut file took the place of the one it kept.
    ASSERT_TRUE(QFile::copy(file, kept));
    ASSERT_TRUE(QFile::resize(file, good.indexOf("Server") + 3));
    EXPECT_EQ(GetSetting(app, section, QStringLiteral("Server")), QStringLiteral("value of Server"));
    EXPECT_EQ(SmallDisk::contents(file), good);
    EXPECT_FALSE(QFileInfo::exists(kept));

    // It ended after a whole file was in place: that one holds.
    ASSERT_TRUE(SaveSetting(app, section, QStringLiteral("Username"), QStringLiteral("bob")));
    QFile before(kept);
    ASSERT_TRUE(before.open(QIODevice::WriteOnly) && before.write(good) == good.size());
    before.close();
    EXPECT_EQ(GetSetting(app, section, QStringLiteral("Username")), QStringLiteral("bob"));
    EXPECT_FALSE(QFileInfo::exists(kept));
}
