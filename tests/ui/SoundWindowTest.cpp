// The sound and music window: the three switches, the play list and its
// file, playing one song and the song's tags.

#include "UiTest.h"

#include "foundation/SettingsState.h"
#include "foundation/frmDebug.h"
#include "support/ListClicks.h"
#include "support/OrdinaryUser.h"
#include "ui/frmMain.h"
#include "ui/frmSound.h"

#include <QFile>
#include <QTest>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>

namespace {
class SoundWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        settings().DatPath = programFolder() + QStringLiteral("/Dat/");
    }
    frmSound& open()
    {
        game().mnuOptionsSound->trigger();
        return Forms::get<frmSound>();
    }
    static QStringList items(const frmSound& sound)
    {
        QStringList texts;
        for (int i = 0; i < sound.PlayList->count(); ++i)
            texts << sound.PlayList->item(i)->text();
        return texts;
    }
    void add(frmSound& sound, const QString& path)
    {
        services().fileDialogAnswers.push_back(path);
        QTest::mouseClick(sound.cmdAdd, Qt::LeftButton);
    }
};
} // namespace

TEST_F(SoundWindowTest, ThePlayListLoadsSortedChangesOnlyInTheListAndTheCloseBoxWritesItAndOnlyHides)
{
    settings().MusicOn = true;
    settings().RandomSongs = true;
    writeFile(QStringLiteral("Dat/PlayList.lst"), "\"/Z/last.mp3\"\r\n\"/A/first, with blanks.wav\"\r\n");
    frmSound& sound = open();
    EXPECT_TRUE(sound.chkPlay->isChecked());
    EXPECT_TRUE(sound.chkRandom->isChecked());
    EXPECT_EQ(items(sound), (QStringList{QStringLiteral("/A/first, with blanks.wav"), QStringLiteral("/Z/last.mp3")}));

    add(sound, QStringLiteral("/m/Middle, Song 1.mp3"));
    add(sound, QStringLiteral("/m/say \"hi\".mp3"));
    EXPECT_EQ(items(sound).value(1), QStringLiteral("/m/Middle, Song 1.mp3"));
    EXPECT_EQ(services().fileDialogFilters.value(0),
              QStringLiteral("Audio Files (*.aif;*.wma;*.rm;*.mp3;*.voc;*.vox;*.pat;*.au;*.ra;*.raw;*.wav;*.mod)|"
                             "*.aif;*.wma;*.rm;*.mp3;*.voc;*.vox;*.pat;*.au;*.ra;*.raw;*.wav;*.mod"));
    EXPECT_TRUE(messageTexts().value(0).endsWith(QStringLiteral("\n/m/say \"hi\".mp3")));
    ClickListItem(sound.PlayList, QStringLiteral("/Z/last.mp3"));
    QTest::mouseClick(sound.cmdRemove, Qt::LeftButton);
    QTest::mouseClick(sound.chkSound, Qt::LeftButton);
    EXPECT_TRUE(settings().SoundOn);
    EXPECT_EQ(readFile(QStringLiteral("Dat/PlayList.lst")),
              QByteArray("\"/Z/last.mp3\"\r\n\"/A/first, with blanks.wav\"\r\n"));

    sound.close();
    EXPECT_TRUE(Forms::isLoaded<frmSound>());
    EXPECT_FALSE(sound.isVisible());
    EXPECT_EQ(readFile(QStringLiteral("Dat/PlayList.lst")),
              QByteArray("\"/A/first, with blanks.wav\"\r\n\"/m/Middle, Song 1.mp3\"\r\n"));
    EXPECT_TRUE(services().music.requests.isEmpty());
}

TEST_F(SoundWindowTest, AnUnreadablePlayListIsNotWrittenOverAndItsSongsJoinTheListOnceItCanBeRead)
{
    writeFile(QStringLiteral("Dat/PlayList.lst"), "\"/s/b.mp3\"\r\n");
    const QString path = programFolder() + QStringLiteral("/Dat/PlayList.lst");
    OrdinaryUser::setMode(programFolder(), 0755);
    OrdinaryUser::setMode(path, 0222);
    {
        const OrdinaryUser player;
        if (!player.ok())
            GTEST_SKIP() << "cannot act as an ordinary user here";
        frmSound& sound = open();
        EXPECT_TRUE(items(sound).isEmpty());
        add(sound, QStringLiteral("/s/a.mp3"));
        QTest::mouseClick(sound.cmdDone, Qt::LeftButton);
    }
    EXPECT_EQ(readFile(QStringLiteral("Dat/PlayList.lst")), QByteArray("\"/s/b.mp3\"\r\n"));
    EXPECT_TRUE(Forms::get<frmDebug>().txtLog->Text().contains(
        QStringLiteral("Cannot read ") + path + QStringLiteral(", so the list is not written over it")));

    OrdinaryUser::setMode(path, 0666);
    QTest::mouseClick(open().cmdDone, Qt::LeftButton);
    EXPECT_EQ(readFile(QStringLiteral("Dat/PlayList.lst")), QByteArray("\"/s/a.mp3\"\r\n\"/s/b.mp3\"\r\n"));
}

TEST_F(SoundWindowTest, PlayStartsTheSelectedSongOnlyWhileMusicIsOnAndUncheckingMusicStopsIt)
{
    writeFile(QStringLiteral("Dat/PlayList.lst"), "\"/songs/one.mp3\"\r\n\"/songs/two.wav\"\r\n");
    frmSound& sound = open();
    QStringList& requests = services().music.requests;
    QTest::mouseClick(sound.cmdPlay, Qt::LeftButton);
    ClickListItem(sound.PlayList, QStringLiteral("/songs/two.wav"));
    QTest::mouseClick(sound.cmdPlay, Qt::LeftButton);
    QTest::mouseClick(sound.chkPlay, Qt::LeftButton);
    EXPECT_TRUE(settings().MusicOn);
    EXPECT_TRUE(requests.isEmpty());
    QTest::mouseClick(sound.cmdPlay, Qt::LeftButton);
    EXPECT_EQ(requests, (QStringList{"stop", "file /songs/two.wav", "play"}));

    // Done only hides the window: the song plays on until Music is unchecked.
    QTest::mouseClick(sound.cmdDone, Qt::LeftButton);
    sound.Show();
    QTest::mouseClick(sound.chkPlay, Qt::LeftButton);
    EXPECT_FALSE(settings().MusicOn);
    EXPECT_EQ(requests, (QStringList{"stop", "file /songs/two.wav", "play", "stop"}));

    services().music.raiseWarning(3, 7, QStringLiteral("Could not open the file"));
    EXPECT_EQ(messageTexts(), QStringList{QStringLiteral("Type: 3, Param: 7, Desc:Could not open the file")});
}

TEST_F(SoundWindowTest, RemoveLeavesNothingSelectedSoNoOtherSongIsRemovedOrPlayed)
{
    settings().MusicOn = true;
    writeFile(QStringLiteral("Dat/PlayList.lst"), "\"/s/a.wav\"\r\n\"/s/b.wav\"\r\n\"/s/c.wav\"\r\n");
    frmSound& sound = open();
    ClickListItem(sound.PlayList, QStringLiteral("/s/b.wav"));
    QTest::mouseClick(sound.cmdRemove, Qt::LeftButton);
    EXPECT_TRUE(sound.PlayList->selectedItems().isEmpty());
    QTest::mouseClick(sound.cmdRemove, Qt::LeftButton);
    QTest::mouseClick(sound.cmdPlay, Qt::LeftButton);
    EXPECT_EQ(items(sound), (QStringList{"/s/a.wav", "/s/c.wav"}));
    EXPECT_TRUE(services().music.requests.isEmpty());
}

TEST_F(SoundWindowTest, AnMp3InAnyLetterCaseShowsItsTagsAndOtherFilesLeaveThem)
{
    // A short MPEG stream, tagged with TagLib.
    QByteArray frame(417, '\0');
    frame.replace(0, 3, "\xFF\xFB\x90");
    writeFile(QStringLiteral("Paint Rain.MP3"), frame.repeated(8));
    const QString song = programFolder() + QStringLiteral("/Paint Rain.MP3");
    TagLib::MPEG::File tagged(QFile::encodeName(song).constData());
    tagged.tag()->setTitle("Paint Rain");
    tagged.tag()->setArtist("The Splatters");
    ASSERT_TRUE(tagged.save());
    writeFile(QStringLiteral("Splash.wav"), "RIFF");

    frmSound& sound = open();
    add(sound, song);
    add(sound, programFolder() + QStringLiteral("/Splash.wav"));
    ClickListItem(sound.PlayList, song);
    ClickListItem(sound.PlayList, programFolder() + QStringLiteral("/Splash.wav"));
    EXPECT_EQ(sound.lblTitle->text(), QStringLiteral("Paint Rain"));
    EXPECT_EQ(sound.lblArtist->text(), QStringLiteral("The Splatters"));
}

TEST_F(SoundWindowTest, AddDirTakesTheAudioFilesOfAFolderAndDoneCreatesAMissingDatFolder)
{
    for (const char* name : {"b.WAV", "a.Mp3", "notes.txt", "say \"hi\".mod", "sub/c.mp3"})
        writeFile(QStringLiteral("songs/") + QString::fromLatin1(name), "x");
    frmSound& sound = open();
    services().folderDialogAnswers.push_back(programFolder() + QStringLiteral("/songs"));
    QTest::mouseClick(sound.cmdAddDir, Qt::LeftButton);
    const QString folder = programFolder() + QStringLiteral("/songs/");
    EXPECT_EQ(items(sound), (QStringList{folder + QStringLiteral("a.Mp3"), folder + QStringLiteral("b.WAV")}));
    EXPECT_EQ(messageTexts().size(), 1);

    QTest::mouseClick(sound.cmdDone, Qt::LeftButton);
    EXPECT_EQ(readFile(QStringLiteral("Dat/PlayList.lst")), "\"" + folder.toUtf8() + "a.Mp3\"\r\n\"" +
                                                                folder.toUtf8() + "b.WAV\"\r\n");
}
