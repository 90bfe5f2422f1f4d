// The settings store on a full disk.

#include "platform/SettingsStore.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

namespace {
// Puts the store back in the test run's folder, however the test ends.
struct StoreBack {
    ~StoreBack()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, qEnvironmentVariable("XDG_CONFIG_HOME"));
    }
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
