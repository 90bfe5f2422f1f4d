#include "ui/PlayListFile.h"
#include "foundation/RuntimeError.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PlayListFileTest, PathsWithCommasBlanksAndAccentsRoundTripAndOthersAreNotStorable)
{
    const QStringList paths = {QStringLiteral("/music/Band, The - Song One.mp3"),
                               QStringLiteral(" blanks around .wav "), QStringLiteral("/m\u00fcsik/caf\u00e9 \u20ac.MP3")};
    const QByteArray bytes = FormatPlayList(paths);
    EXPECT_EQ(bytes, QByteArray("\"/music/Band, The - Song One.mp3\"\r\n\" blanks around .wav \"\r\n"
                                "\"/m\xfcsik/caf\xe9 \x80.MP3\"\r\n"));
    EXPECT_EQ(ParsePlayList(bytes), paths);
    for (const QString& path : paths)
        EXPECT_TRUE(StorableInPlayList(path));
    for (const QString& path : {QString(), QStringLiteral("/\"hi\".mp3"), QStringLiteral("/a\nb.mp3"),
                                QStringLiteral("/\u65e5\u672c.mp3")})
        EXPECT_FALSE(StorableInPlayList(path));
}

TEST(PlayListFileTest, LinesThatAreNoQuotedFieldAreTakenAsTheyStand)
{
    EXPECT_EQ(ParsePlayList("plain/path.mp3\n\r\n  \"after blanks.wav\"  \n\"unclosed.mod\r\n"
                            "\"a.mp3\",\"more\"\n\"\"\nno line break.au"),
              (QStringList{QStringLiteral("plain/path.mp3"), QStringLiteral("after blanks.wav"),
                           QStringLiteral("unclosed.mod"), QStringLiteral("a.mp3"), QStringLiteral("no line break.au")}));
}

TEST(PlayListFileTest, WritingReplacesTheFileAndAFailureRaises)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/Dat/PlayList.lst");
    EXPECT_EQ(ReadPlayListFile(file), QStringList());
    WritePlayListFile(file, {QStringLiteral("/b.mp3"), QStringLiteral("/a.wav")});
    EXPECT_EQ(ReadPlayListFile(file), (QStringList{QStringLiteral("/b.mp3"), QStringLiteral("/a.wav")}));
    // A file where the folder should be.
    EXPECT_THROW(WritePlayListFile(file + QStringLiteral("/PlayList.lst"), {}), RuntimeError);
    EXPECT_EQ(ReadPlayListFile(file).size(), 2);
}
