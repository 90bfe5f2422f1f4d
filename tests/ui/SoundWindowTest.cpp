// The sound and music window: the three switches, the play list and its
// file, playing one song and the song's tags.

#include "UiTest.h"

#include "foundation/SettingsState.h"
#include "ui/frmMain.h"
#include "ui/frmSound.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>

namespace {
const QString kFilter = QStringLiteral(
    "Audio Files (*.aif;*.wma;*.rm;*.mp3;*.voc;*.vox;*.pat;*.au;*.ra;*.raw;*.wav;*.mod)|"
    "*.aif;*.wma;*.rm;*.mp3;*.voc;*.vox;*.pat;*.au;*.ra;*.raw;*.wav;*.mod");

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
        frmSound& sound = Forms::get<frmSound>();
        EXPECT_TRUE(sound.isVisible());
        return sound;
    }
    QStringList items(const frmSound& sound) const
    {
        QStringList texts;
        for (int i = 0; i < sound.PlayList->count(); ++i)
            texts << sound.PlayList->item(i)->text();
        return texts;
    }
    static void clickItem(frmSound& sound, const QString& text)
    {
        const QList<QListWidgetItem*> found = sound.PlayList->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        QTest::mouseClick(sound.PlayList->viewport(), Qt::LeftButton, {},
                          sound.PlayList->visualItemRect(found[0]).center());
    }
    void add(frmSound& sound, const QString& path)
    {
        services().fileDialogAnswers.push_back(path);
        QTest::mouseClick(sound.cmdAdd, Qt::LeftButton);
    }
    QStringList& music() { return services().music.requests; }
    // A short MPEG stream with the title and artist in its tags.
    QString writeTaggedSong(const QString& name, const char* title, const char* artist)
    {
        QByteArray frame(417, '\0');
        frame[0] = '\xFF';
        frame[1] = '\xFB';
        frame[2] = '\x90';
        writeFile(name, frame.repeated(8));
        const QString path = programFolder() + QLatin1Char('/') + name;
        TagLib::MPEG::File song(QFile::encodeName(path).constData());
        EXPECT_TRUE(song.isValid());
        song.tag()->setTitle(title);
        song.tag()->setArtist(artist);
        EXPECT_TRUE(song.save());
        return path;
    }
};
} // namespace

TEST_F(SoundWindowTest, ThePlayListLoadsSortedTakesAddsAndRemovesAndTheCloseBoxWritesItAndOnlyHides)
{
    settings().MusicOn = true;
    settings().SoundOn = false;
    settings().RandomSongs = true;
    writeFile(QStringLiteral("Dat/PlayList.lst"), "\"/z/last.mp3\"\r\n\"/A/first, with blanks.wav\"\r\n");
    frmSound& sound = open();
    EXPECT_TRUE(sound.chkPlay->isChecked());
    EXPECT_FALSE(sound.chkSound->isChecked());
    EXPECT_TRUE(sound.chkRandom->isChecked());
    EXPECT_EQ(items(sound), (QStringList{QStringLiteral("/A/first, with blanks.wav"), QStringLiteral("/z/last.mp3")}));

    add(sound, QStringLiteral("/m/Middle, Song 1.mp3"));
    add(sound, QString());
    add(sound, QStringLiteral("/m/say \"hi\".mp3"));
    EXPECT_EQ(services().fileDialogFilters, QStringList(3, kFilter));
    EXPECT_EQ(messageTexts().size(), 1);
    EXPECT_TRUE(messageTexts().value(0).endsWith(QStringLiteral("\n/m/say \"hi\".mp3")));
    QTest::mouseClick(sound.cmdRemove, Qt::LeftButton);
    clickItem(sound, QStringLiteral("/z/last.mp3"));
    QTest::mouseClick(sound.cmdRemove, Qt::LeftButton);
    EXPECT_EQ(items(sound),
              (QStringList{QStringLiteral("/A/first, with blanks.wav"), QStringLiteral("/m/Middle, Song 1.mp3")}));
    EXPECT_EQ(readFile(QStringLiteral("Dat/PlayList.lst")),
              QByteArray("\"/z/last.mp3\"\r\n\"/A/first, with blanks.wav\"\r\n"));

    QTest::mouseClick(sound.chkSound, Qt::LeftButton);
    QTest::mouseClick(sound.chkRandom, Qt::LeftButton);
    EXPECT_TRUE(settings().SoundOn);
    EXPECT_FALSE(settings().RandomSongs);

    sound.close();
    EXPECT_TRUE(Forms::isLoaded<frmSound>());
    EXPECT_FALSE(sound.isVisible());
    EXPECT_EQ(readFile(QStringLiteral("Dat/PlayList.lst")),
              QByteArray("\"/A/first, with blanks.wav\"\r\n\"/m/Middle, Song 1.mp3\"\r\n"));
    EXPECT_TRUE(music().isEmpty());

    // At the next start the list reads back whole.
    resetClientState();
    settings().DatPath = programFolder() + QStringLiteral("/Dat/");
    EXPECT_EQ(items(Forms::get<frmSound>()),
              (QStringList{QStringLiteral("/A/first, with blanks.wav"), QStringLiteral("/m/Middle, Song 1.mp3")}));
}

TEST_F(SoundWindowTest, PlayStartsTheSelectedSongOnlyWhileMusicIsOnAndUncheckingMusicStopsIt)
{
    writeFile(QStringLiteral("Dat/PlayList.lst"), "\"/songs/one.mp3\"\r\n\"/songs/two.wav\"\r\n");
    frmSound& sound = open();
    EXPECT_FALSE(sound.chkPlay->isChecked());
    QTest::mouseClick(sound.cmdPlay, Qt::LeftButton);
    clickItem(sound, QStringLiteral("/songs/two.wav"));
    QTest::mouseClick(sound.cmdPlay, Qt::LeftButton);
    EXPECT_TRUE(music().isEmpty());

    QTest::mouseClick(sound.chkPlay, Qt::LeftButton);
    EXPECT_TRUE(settings().MusicOn);
    EXPECT_TRUE(music().isEmpty());
    QTest::mouseClick(sound.cmdPlay, Qt::LeftButton);
    EXPECT_EQ(music(), (QStringList{QStringLiteral("stop"), QStringLiteral("file /songs/two.wav"),
                                    QStringLiteral("play")}));

    music().clear();
    QTest::mouseClick(sound.cmdDone, Qt::LeftButton);
    EXPECT_FALSE(sound.isVisible());
    EXPECT_TRUE(music().isEmpty());
    sound.Show();
    QTest::mouseClick(sound.chkPlay, Qt::LeftButton);
    EXPECT_FALSE(settings().MusicOn);
    EXPECT_EQ(music(), QStringList{QStringLiteral("stop")});
    QTest::mouseClick(sound.cmdStop, Qt::LeftButton);
    EXPECT_EQ(music().size(), 2);

    services().music.raiseWarning(3, 7, QStringLiteral("Could not open the file"));
    ASSERT_EQ(services().messageBoxes.size(), 1u);
    EXPECT_EQ(services().messageBoxes[0].text, QStringLiteral("Type: 3, Param: 7, Desc:Could not open the file"));
    EXPECT_EQ(services().messageBoxes[0].style, 0);
}

TEST_F(SoundWindowTest, AnMp3InAnyLetterCaseShowsItsTagsAndOtherFilesLeaveThem)
{
    const QString song = writeTaggedSong(QStringLiteral("Paint Rain.MP3"), "Paint Rain", "The Splatters");
    writeFile(QStringLiteral("Splash.wav"), "RIFF");
    frmSound& sound = open();
    add(sound, song);
    add(sound, programFolder() + QStringLiteral("/Splash.wav"));
    clickItem(sound, song);
    EXPECT_EQ(sound.lblTitle->text(), QStringLiteral("Paint Rain"));
    EXPECT_EQ(sound.lblArtist->text(), QStringLiteral("The Splatters"));
    clickItem(sound, programFolder() + QStringLiteral("/Splash.wav"));
    EXPECT_EQ(sound.lblTitle->text(), QStringLiteral("Paint Rain"));
    EXPECT_EQ(sound.lblArtist->text(), QStringLiteral("The Splatters"));
}

TEST_F(SoundWindowTest, AddDirTakesTheAudioFilesOfAFolderAndDoneCreatesAMissingDatFolder)
{
    for (const char* name : {"b.WAV", "a.Mp3", "notes.txt", "say \"hi\".mod", "sub/c.mp3"})
        writeFile(QStringLiteral("songs/") + QString::fromLatin1(name), "x");
    frmSound& sound = open();
    EXPECT_TRUE(items(sound).isEmpty());
    services().folderDialogAnswers.push_back(programFolder() + QStringLiteral("/songs"));
    QTest::mouseClick(sound.cmdAddDir, Qt::LeftButton);
    const QString folder = programFolder() + QStringLiteral("/songs/");
    EXPECT_EQ(items(sound), (QStringList{folder + QStringLiteral("a.Mp3"), folder + QStringLiteral("b.WAV")}));
    EXPECT_EQ(messageTexts().size(), 1);
    QTest::mouseClick(sound.cmdAddDir, Qt::LeftButton);
    EXPECT_EQ(items(sound).size(), 2);

    ASSERT_FALSE(QDir(programFolder() + QStringLiteral("/Dat")).exists());
    QTest::mouseClick(sound.cmdDone, Qt::LeftButton);
    EXPECT_EQ(readFile(QStringLiteral("Dat/PlayList.lst")),
              "\"" + (folder + QStringLiteral("a.Mp3")).toUtf8() + "\"\r\n\"" +
                  (folder + QStringLiteral("b.WAV")).toUtf8() + "\"\r\n");
}
