// The settings store: the files earlier versions wrote, the user's own file
// only, a full disk, and what a run that ended while writing left behind.

#include "platform/SettingsStore.h"
#include "support/OrdinaryUser.h"
#include "support/SettingsFolder.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {
const QString kApp = QStringLiteral("Quelvar");

void writeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
} // namespace

TEST(SettingsStoreTest, AFileTheEarlierSettingsLibraryWroteLoadsAndIsWrittenBackAsItWas)
{
    const QTemporaryDir user;
    const SettingsFolder folder(user.path());
    // As that library wrote it: sections and keys sorted, "General" and
    // blanks escaped in names, values quoted, escaped and in UTF-8.
    const QByteArray file = "[Button0]\nCommand=\"GET FLAG; x, y = z\"\nName=@@at\nTip=\" lead and trail \"\n\n"
                            "[Button1]\nCommand=tab\\there \\\"q\\\" back\\\\slash\\nnl\\x1\\x31x\n"
                            "Tip=caf\xc3\xa9 \xe2\x82\xac\n\n"
                            "[Client%20Data]\nTime=1\n\n"
                            "[%General]\nStartup=False\n";
    writeFile(settingsFilePath(kApp), file);

    EXPECT_EQ(GetSetting(kApp, QStringLiteral("General"), QStringLiteral("Startup")), QStringLiteral("False"));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Button0"), QStringLiteral("Command")),
              QStringLiteral("GET FLAG; x, y = z"));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Button0"), QStringLiteral("Name")), QStringLiteral("@at"));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Button0"), QStringLiteral("Tip")), QStringLiteral(" lead and trail "));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Button1"), QStringLiteral("Command")),
              QStringLiteral("tab\there \"q\" back\\slash\nnl\x01" "1x"));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Button1"), QStringLiteral("Tip")),
              QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac"));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Client Data"), QStringLiteral("Time")), QStringLiteral("1"));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Client Data"), QStringLiteral("Season"), QStringLiteral("d")),
              QStringLiteral("d"));

    // A save rewrites the file in the same layout, the new key in its place.
    ASSERT_TRUE(SaveSetting(kApp, QStringLiteral("Button0"), QStringLiteral("Command"), QStringLiteral("GET FLAG")));
    QByteArray expected = file;
    expected.replace("Command=\"GET FLAG; x, y = z\"", "Command=GET FLAG");
    EXPECT_EQ(SmallDisk::contents(settingsFilePath(kApp)), expected);
}

TEST(SettingsStoreTest, ASystemWideFileIsNeitherReadNorStandsInTheWayOfASave)
{
    const QTemporaryDir user;
    const QTemporaryDir system;
    const SettingsFolder folder(user.path());
    const SettingsFolder systemFolders(system.path(), "XDG_CONFIG_DIRS");
    writeFile(system.filePath(QStringLiteral("Quelvar.ini")), "[Site]\nMotd=Welcome\n[Settings]\nFontSize=10\n");
    // One that is a folder stops nothing either.
    ASSERT_TRUE(QDir(system.path()).mkdir(QStringLiteral("ZADO.ini")));

    EXPECT_TRUE(SaveSetting(kApp, QStringLiteral("Settings"), QStringLiteral("FontSize"), QStringLiteral("12")));
    EXPECT_TRUE(SaveSetting(QStringLiteral("ZADO"), QStringLiteral("General"), QStringLiteral("Startup"),
                            QStringLiteral("False")));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Settings"), QStringLiteral("FontSize")), QStringLiteral("12"));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Site"), QStringLiteral("Motd")), QString());
    EXPECT_EQ(SmallDisk::contents(user.filePath(QStringLiteral("Quelvar.ini"))),
              QByteArray("[Settings]\nFontSize=12\n"));
}

TEST(SettingsStoreTest, ALineWrittenByHandIsSkippedAndStopsNoSave)
{
    const QTemporaryDir user;
    const SettingsFolder folder(user.path());
    const QString file = settingsFilePath(kApp);
    writeFile(file, "# my settings\n[LASTUSER]\nUsername=alice\nnot a key\n; a comment\n[Options]\nSound=True\n");

    EXPECT_EQ(GetSetting(kApp, QStringLiteral("LASTUSER"), QStringLiteral("Username")), QStringLiteral("alice"));
    EXPECT_TRUE(SaveSetting(kApp, QStringLiteral("Options"), QStringLiteral("Music"), QStringLiteral("False")));
    EXPECT_EQ(SmallDisk::contents(file),
              QByteArray("[LASTUSER]\nUsername=alice\n\n[Options]\nMusic=False\nSound=True\n"));
}

TEST(SettingsStoreTest, ASaveThatDoesNotFitLeavesTheFileWholeOnceTheDiskHasRoomAgain)
{
    const SmallDisk disk;
    if (!disk.ok())
        GTEST_SKIP() << SmallDisk::kCannotMount;
    const SettingsFolder folder(disk.path());
    const QString file = settingsFilePath(kApp);
    SettingsSave first(kApp);
    first.put(QStringLiteral("LASTUSER"), QStringLiteral("Username"), QStringLiteral("alice"));
    first.put(QStringLiteral("Client Data"), QStringLiteral("Buttons"), QStringLiteral("17"));
    EXPECT_FALSE(QFileInfo::exists(file));  // nothing is written before the save is
    ASSERT_TRUE(first.write());
    const QByteArray good = SmallDisk::contents(file);

    ASSERT_TRUE(disk.fill());
    SettingsSave full(kApp);
    full.put(QStringLiteral("Settings"), QStringLiteral("FontType"), QStringLiteral("Arial"));
    full.put(QStringLiteral("LASTUSER"), QStringLiteral("Username"), QStringLiteral("bob"));
    EXPECT_FALSE(full.write());
    EXPECT_EQ(full.problem(), QStringLiteral("Cannot write ") + file + QStringLiteral(": the disk is full"));
    EXPECT_EQ(SmallDisk::contents(file), good);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files), (QStringList{"filler", "Quelvar.ini"}));

    // Room again: what the failed save held is not written after all.
    ASSERT_TRUE(QFile::remove(disk.path() + QStringLiteral("/filler")));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("LASTUSER"), QStringLiteral("Username")), QStringLiteral("alice"));
    EXPECT_EQ(SmallDisk::contents(file), good);
    ASSERT_TRUE(SaveSetting(kApp, QStringLiteral("Settings"), QStringLiteral("Italic"), QStringLiteral("False")));
    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Client Data"), QStringLiteral("Buttons")), QStringLiteral("17"));
}

TEST(SettingsStoreTest, NothingARunLeftBehindStallsASaveOrStaysBehindIt)
{
    const QTemporaryDir user;
    const SettingsFolder folder(user.path());
    const QString file = settingsFilePath(kApp);
    ASSERT_TRUE(SaveSetting(kApp, QStringLiteral("LASTUSER"), QStringLiteral("Username"), QStringLiteral("alice")));
    // The settings library's lock, empty, and half a temporary file.
    writeFile(file + QStringLiteral(".lock"), QByteArray());
    writeFile(file + QStringLiteral(".saving"), "[LASTUSER]\nUsern");

    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(SaveSetting(kApp, QStringLiteral("LASTUSER"), QStringLiteral("Password"), QStringLiteral("x")));
    EXPECT_LT(timer.elapsed(), 10000);  // the library waited 30 s on such a lock
    EXPECT_EQ(QDir(user.path()).entryList(QDir::Files), QStringList{"Quelvar.ini"});
    EXPECT_EQ(SmallDisk::contents(file), QByteArray("[LASTUSER]\nPassword=x\nUsername=alice\n"));
}

TEST(SettingsStoreTest, AKeptCopyLeftByAnInterruptedWriteGoesBackOverACutFileOnly)
{
    const QTemporaryDir user;
    const SettingsFolder folder(user.path());
    const QString file = settingsFilePath(kApp);
    const QString kept = file + QStringLiteral(".kept");
    const QString section = QStringLiteral("LASTUSER");
    for (const char* key : {"Username", "Password", "Server"})
        ASSERT_TRUE(SaveSetting(kApp, section, QLatin1String(key), QStringLiteral("value of ") + QLatin1String(key)));
    const QByteArray good = SmallDisk::contents(file);

    // The run ended after a cut file took the place of the one it kept.
    ASSERT_TRUE(QFile::copy(file, kept));
    ASSERT_TRUE(QFile::resize(file, good.indexOf("Server") + 3));
    EXPECT_EQ(GetSetting(kApp, section, QStringLiteral("Server")), QStringLiteral("value of Server"));
    EXPECT_EQ(SmallDisk::contents(file), good);
    EXPECT_FALSE(QFileInfo::exists(kept));

    // It ended after a whole file was in place, one with a comment line
    // added by hand since: that one holds.
    ASSERT_TRUE(SaveSetting(kApp, section, QStringLiteral("Username"), QStringLiteral("bob")));
    writeFile(file, "; mine\n" + SmallDisk::contents(file));
    writeFile(kept, good);
    EXPECT_EQ(GetSetting(kApp, section, QStringLiteral("Username")), QStringLiteral("bob"));
    EXPECT_FALSE(QFileInfo::exists(kept));
}

TEST(SettingsStoreTest, AByteOrderMarkAtTheHeadOfAFileIsSkippedAndNotWrittenBack)
{
    const QTemporaryDir user;
    const SettingsFolder folder(user.path());
    const QString file = settingsFilePath(kApp);
    writeFile(file, "\xEF\xBB\xBF[Button0]\nName=Fire\n\n[LASTUSER]\nUsername=alice\n");
    writeFile(settingsFilePath(QStringLiteral("ZADO")), "\xEF\xBB\xBF[%General]\nStartup=False\n");

    EXPECT_EQ(GetSetting(kApp, QStringLiteral("Button0"), QStringLiteral("Name")), QStringLiteral("Fire"));
    EXPECT_EQ(GetSetting(QStringLiteral("ZADO"), QStringLiteral("General"), QStringLiteral("Startup")),
              QStringLiteral("False"));
    ASSERT_TRUE(SaveSetting(kApp, QStringLiteral("Button0"), QStringLiteral("Tip"), QStringLiteral("shoot")));
    EXPECT_EQ(SmallDisk::contents(file), QByteArray("[Button0]\nName=Fire\nTip=shoot\n\n[LASTUSER]\nUsername=alice\n"));
}

TEST(SettingsStoreTest, EveryValueReadsBackAsItWasWrittenAByteOrderMarkCharacterIncluded)
{
    const QTemporaryDir user;
    const SettingsFolder folder(user.path());
    const QString bom(QChar(0xFEFF));
    // At the start, after an escape, a quote and a comma, and alone.
    const QStringList values{bom + 'a', '\t' + bom, '\\' + bom, '"' + bom, "a," + bom, bom};
    SettingsSave save(kApp);
    for (qsizetype i = 0; i < values.size(); ++i)
        save.put(QStringLiteral("Button0"), QString::number(i), values[i]);
    ASSERT_TRUE(save.write());
    for (qsizetype i = 0; i < values.size(); ++i)
        EXPECT_EQ(GetSetting(kApp, QStringLiteral("Button0"), QString::number(i)), values[i]) << i;
    writeFile(settingsFilePath(kApp), "k=\\xfeff\n");
    EXPECT_EQ(GetSetting(kApp, QString(), QStringLiteral("k")), bom);

    // Every character, half surrogate pairs included.
    QString all;
    for (char16_t c = 0xFFFF; c > 0; --c)
        all += QChar(c);
    const SettingsSections sections{{QStringLiteral("S"), {{QStringLiteral("k"), all}}}};
    EXPECT_EQ(ReadSettingsText(SettingsText(sections)), sections);
}

TEST(SettingsStoreTest, AFileThatMayNotBeWrittenIsKeptAsItIs)
{
    const QTemporaryDir user;
    const SettingsFolder folder(user.path());
    const QString file = settingsFilePath(kApp);
    const QByteArray mine = "[Options]\nSound=False\n";
    writeFile(file, mine);
    OrdinaryUser::setMode(user.path(), 0777);

    OrdinaryUser::setMode(file, 0444);  // the superuser is refused too
    QString problem;
    EXPECT_FALSE(SaveSetting(kApp, QStringLiteral("Options"), QStringLiteral("Sound"), "True", &problem));
    EXPECT_EQ(problem, QStringLiteral("Cannot write ") + file + QStringLiteral(": the file is read-only"));
    EXPECT_EQ(SmallDisk::contents(file), mine);

    OrdinaryUser::setMode(file, 0644);
    const OrdinaryUser player;  // another user's file in a folder that takes new files
    if (!player.ok())
        GTEST_SKIP() << "cannot act as an ordinary user here";
    EXPECT_FALSE(SaveSetting(kApp, QStringLiteral("Options"), QStringLiteral("Sound"), "True"));
    EXPECT_EQ(SmallDisk::contents(file), mine);
}
