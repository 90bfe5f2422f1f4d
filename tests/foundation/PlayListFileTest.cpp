#include "foundation/PlayListFile.h"
#include "foundation/RuntimeError.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PlayListFileTest, PathsWithCommasBlanksAndAccentsRoundTripInQuotedLines)
{
    const QStringList paths = {QStringLiteral("/music/Band, The - Song One.mp3"),
                               QStringLiteral(" leading and trailing blanks .wav "),
                               QStringLiteral("/m\u00fcsik/caf\u00e9 \u20ac.MP3")};
    const QByteArray bytes = FormatPlayList(paths);
    EXPECT_EQ(bytes, QByteArray("\"/music/Band, The - Song One.mp3\"\r\n"
                                "\" leading and trailing blanks .wav \"\r\n"
                                "\"/m\xfcsik/caf\xe9 \x80.MP3\"\r\n"));
    EXPECT_EQ(ParsePlayList(bytes), paths);
    EXPECT_EQ(FormatPlayList({}), QByteArray());
    EXPECT_EQ(ParsePlayList({}), QStringList());
}

TEST(PlayListFileTest, LinesThatAreNoQuotedFieldAreTakenAsTheyStand)
{
    EXPECT_EQ(ParsePlayList("plain/path.mp3\n"
                            "\r\n"
                            "  \"quoted after blanks.wav\"  \n"
                            "\"no closing quote.mod\r\n"
                            "\"a.mp3\",\"ignored after the field\"\n"
                            "\"\"\n"
                            "last line without break.au"),
              (QStringList{QStringLiteral("plain/path.mp3"), QStringLiteral("quoted after blanks.wav"),
                           QStringLiteral("no closing quote.mod"), QStringLiteral("a.mp3"),
                           QStringLiteral("last line without break.au")}));
}

TEST(PlayListFileTest, OnlyPathsThatReadBackWholeAreStorable)
{
    EXPECT_TRUE(StorableInPlayList(QStringLiteral("/a, b/\u00e9 \u20ac.mp3")));
    EXPECT_FALSE(StorableInPlayList(QString()));
    EXPECT_FALSE(StorableInPlayList(QStringLiteral("/a \"quoted\" name.mp3")));
    EXPECT_FALSE(StorableInPlayList(QStringLiteral("/two\nlines.mp3")));
    EXPECT_FALSE(StorableInPlayList(QStringLiteral("/\u65e5\u672c.mp3")));
}

TEST(PlayListFileTest, WritingCreatesTheFolderReplacesTheFileAndRaisesOnFailure)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/Dat/PlayList.lst");
    EXPECT_EQ(ReadPlayListFile(file), QStringList());

    WritePlayListFile(file, {QStringLiteral("/b.mp3"), QStringLiteral("/a.wav")});
    EXPECT_EQ(ReadPlayListFile(file), (QStringList{QStringLiteral("/b.mp3"), QStringLiteral("/a.wav")}));
    WritePlayListFile(file, {});
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray());

    // A file where the folder should be.
    EXPECT_THROW(WritePlayListFile(file + QStringLiteral("/PlayList.lst"), {QStringLiteral("/a.mp3")}), RuntimeError);
    EXPECT_EQ(ReadPlayListFile(file), QStringList());
}
