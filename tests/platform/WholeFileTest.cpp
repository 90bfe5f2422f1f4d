// Whole-file writes on a full disk.

#include "platform/WholeFile.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <gtest/gtest.h>

using platform::WriteWholeFile;

namespace {
const QByteArray kOld = " 3 \r\nann\r\nbob\r\ncy\r\n";
}

TEST(WholeFileTest, AWriteThatDoesNotFitFailsAndLeavesTheOldFileAlone)
{
    const SmallDisk disk;
    if (!disk.ok())
        GTEST_SKIP() << SmallDisk::kCannotMount;
    const QString file = disk.path() + QStringLiteral("/Ignore.Dat");
    ASSERT_TRUE(WriteWholeFile(file, kOld) && disk.fill());
    QString error;
    EXPECT_FALSE(WriteWholeFile(file, " 1 \r\nann\r\n", &error));
    EXPECT_EQ(error, QStringLiteral("No space left on device"));
    EXPECT_EQ(SmallDisk::contents(file), kOld);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files), (QStringList{"filler", "Ignore.Dat"}));
}

TEST(WholeFileTest, InPlaceTheNewContentsGoInOnlyWhenTheDiskHasRoomForThem)
{
    const SmallDisk disk(3);  // the top folder, the file and the filler: no new file
    if (!disk.ok())
        GTEST_SKIP() << SmallDisk::kCannotMount;
    const QString file = disk.path() + QStringLiteral("/Ignore.Dat");
    const QByteArray old = kOld + QByteArray(5000, 'x');
    ASSERT_TRUE(WriteWholeFile(file, old) && disk.fill());
    EXPECT_FALSE(WriteWholeFile(file, old + old));
    EXPECT_EQ(SmallDisk::contents(file), old);
    EXPECT_TRUE(WriteWholeFile(file, kOld));
    EXPECT_EQ(SmallDisk::contents(file), kOld);
}
