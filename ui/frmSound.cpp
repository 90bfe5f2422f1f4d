#include "ui/frmSound.h"

#include "foundation/Controls.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "foundation/Twips.h"
#include "foundation/frmDebug.h"
#include "platform/Services.h"
#include "platform/SongTags.h"
#include "ui/FixedWindow.h"
#include "ui/Focus.h"
#include "ui/PlayListFile.h"
#include "ui/frmBack.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QString kForm = QStringLiteral("frmSound");

const QString kAudioPatterns =
    QStringLiteral("*.aif;*.wma;*.rm;*.mp3;*.voc;*.vox;*.pat;*.au;*.ra;*.raw;*.wav;*.mod");

platform::MusicPlayer& MediaPlayer() { return platform::services().musicPlayer(); }

void RefusePaths(const QStringList& paths)
{
    // A folder full of such names still gives a box that fits the screen.
    constexpr qsizetype kListed = 10;
    QString text = QStringLiteral("The play list cannot hold a path with a double quote, a line break or a "
                                  "character outside the Western European character set:\n") +
                   paths.mid(0, kListed).join(QLatin1Char('\n'));
    if (paths.size() > kListed)
        text += QStringLiteral("\n(and %1 more)").arg(paths.size() - kListed);
    platform::MsgBox(text, platform::vbExclamation);
}

} // namespace

frmSound::frmSound()
{
    setWindowTitle(QStringLiteral("Sound Options"));
    // A fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    Frame1 = new QGroupBox(QStringLiteral("Play List"), this);
    PlayList = new QListWidget(Frame1);
    cmdAdd = new QPushButton(QStringLiteral("Add"), Frame1);
    cmdAddDir = new QPushButton(QStringLiteral("Add Dir"), Frame1);
    cmdRemove = new QPushButton(QStringLiteral("Remove"), Frame1);
    cmdPlay = new QPushButton(QStringLiteral("Play"), Frame1);
    cmdStop = new QPushButton(QStringLiteral("Stop"), Frame1);
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdAddDir, cmdRemove, cmdPlay, cmdStop})
        listButtons->addWidget(b);
    auto* listLayout = new QVBoxLayout(Frame1);
    listLayout->addWidget(PlayList, 1);
    listLayout->addLayout(listButtons);

    Frame2 = new QGroupBox(QStringLiteral("MP3 Tag Info"), this);
    lblTitle = new QLabel(Frame2);
    lblArtist = new QLabel(Frame2);
    auto* tags = new QGridLayout(Frame2);
    tags->addWidget(new QLabel(QStringLiteral("Title:"), Frame2), 0, 0);
    tags->addWidget(lblTitle, 0, 1);
    tags->addWidget(new QLabel(QStringLiteral("Artist:"), Frame2), 1, 0);
    tags->addWidget(lblArtist, 1, 1);
    tags->setColumnStretch(1, 1);

    Frame3 = new QGroupBox(QStringLiteral("Options"), this);
    chkPlay = new QCheckBox(QStringLiteral("Play Music"), Frame3);
    chkSound = new QCheckBox(QStringLiteral("Play Sounds"), Frame3);
    chkRandom = new QCheckBox(QStringLiteral("Random"), Frame3);
    auto* optionsLayout = new QVBoxLayout(Frame3);
    optionsLayout->addWidget(chkPlay);
    optionsLayout->addWidget(chkSound);
    optionsLayout->addWidget(chkRandom);

    cmdDone = new QPushButton(QStringLiteral("Done"), this);
    auto* lower = new QHBoxLayout;
    lower->addWidget(Frame2, 1);
    lower->addWidget(Frame3);
    auto* done = new QHBoxLayout;
    done->addStretch(1);
    done->addWidget(cmdDone);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Frame1, 1);
    main->addLayout(lower);
    main->addLayout(done);
    setFixedSize(toPixels(6600), toPixels(5400));

    // A check box's handler runs whenever its state changes, by the user or
    // by the program.
    connect(chkPlay, &QCheckBox::stateChanged, this, &frmSound::chkPlay_Click);
    connect(chkSound, &QCheckBox::stateChanged, this, &frmSound::chkSound_Click);
    connect(chkRandom, &QCheckBox::stateChanged, this, &frmSound::chkRandom_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmSound::cmdAdd_Click);
    connect(cmdAddDir, &QPushButton::clicked, this, &frmSound::cmdAddDir_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmSound::cmdRemove_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &frmSound::cmdPlay_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmSound::cmdStop_Click);
    OnListBoxClick(PlayList, [this] { PlayList_Click(); });
    connect(cmdDone, &QPushButton::clicked, this, &frmSound::cmdDone_Click);
}

void frmSound::Form_Load()
{
    CentreOnOwner(this);

    // The player's warnings reach whichever sound window is loaded.
    MediaPlayer().setWarningHandler([](qint32 type, qint32 param, const QString& description) {
        if (frmSound* form = Forms::find<frmSound>())
            form->MediaPlayer_Warning(type, param, description);
    });

    const Settings& s = settings();
    chkPlay->setChecked(s.MusicOn);
    chkSound->setChecked(s.SoundOn);
    chkRandom->setChecked(s.RandomSongs);

    ReadPlayList(QStringLiteral("Form_Load"));
    Filter = QStringLiteral("Audio Files (") + kAudioPatterns + QStringLiteral(")|") + kAudioPatterns;
}

void frmSound::Form_Unload(int& Cancel)
{
    // The close box only hides the window, so the song plays on.
    Cancel = 1;
    cmdDone_Click();
}

int frmSound::ListIndex() const
{
    const QList<QListWidgetItem*> selected = PlayList->selectedItems();
    return selected.isEmpty() ? -1 : PlayList->row(selected.first());
}

void frmSound::AddItem(const QString& path)
{
    // After every item that sorts before it or equal to it.
    int low = 0;
    int high = PlayList->count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (PlayList->item(middle)->text().compare(path, Qt::CaseInsensitive) > 0)
            high = middle;
        else
            low = middle + 1;
    }
    PlayList->insertItem(low, path);
}

void frmSound::chkPlay_Click()
{
    if (chkPlay->checkState() == Qt::Unchecked) {
        settings().MusicOn = false;
        MediaPlayer().stop();
    } else {
        // Nothing starts playing until Play.
        settings().MusicOn = true;
    }
}

void frmSound::chkSound_Click() { settings().SoundOn = chkSound->checkState() != Qt::Unchecked; }

void frmSound::chkRandom_Click() { settings().RandomSongs = chkRandom->checkState() != Qt::Unchecked; }

void frmSound::cmdAdd_Click()
{
    const QString path = platform::services().openFileDialog(QString(), QString(), Filter);
    if (path.isEmpty())
        return;
    if (!StorableInPlayList(path)) {
        RefusePaths({path});
        return;
    }
    AddItem(path);
}

void frmSound::cmdAddDir_Click()
{
    const QString folder = platform::services().openFolderDialog(QStringLiteral("Add Dir"), QString());
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    QStringList refused;
    // Name filters match in any letter case.
    for (const QString& name : dir.entryList(kAudioPatterns.split(QLatin1Char(';')), QDir::Files, QDir::Name)) {
        const QString path = QDir::toNativeSeparators(dir.absoluteFilePath(name));
        if (StorableInPlayList(path))
            AddItem(path);
        else
            refused << path;
    }
    if (!refused.isEmpty())
        RefusePaths(refused);
}

void frmSound::cmdRemove_Click()
{
    const int index = ListIndex();
    if (index < 0)
        return;
    // The list would select the song that moves up into the gap; after a
    // removal nothing is selected, and no click reaches the handler.
    const QSignalBlocker quiet(PlayList);
    delete PlayList->takeItem(index);
    PlayList->setCurrentRow(-1);
    PlayList->clearSelection();
}

void frmSound::cmdPlay_Click()
{
    const int index = ListIndex();
    if (index < 0 || !settings().MusicOn)
        return;
    platform::MusicPlayer& player = MediaPlayer();
    player.stop();
    player.setFileName(PlayList->item(index)->text());
    if (!player.fileName().isEmpty())
        player.play();
}

void frmSound::cmdStop_Click() { MediaPlayer().stop(); }

void frmSound::PlayList_Click()
{
    const int index = ListIndex();
    if (index < 0)
        return;
    const QString path = PlayList->item(index)->text();
    if (path.right(3).compare(QLatin1String("mp3"), Qt::CaseInsensitive) != 0)
        return;
    const platform::SongTags tags = platform::ReadSongTags(path);
    lblTitle->setText(tags.title);
    lblArtist->setText(tags.artist);
}

bool frmSound::ReadPlayList(const QString& procedure)
{
    try {
        const QStringList listed = Paths();
        for (const QString& path : ReadPlayListFile(PlayListFileName()))
            if (!listed.contains(path))
                AddItem(path);
        unread_ = false;
    } catch (const RuntimeError& e) {
        unread_ = true;
        AddToLog(kForm, procedure,
                 ErrObject{e.err().Number, QStringLiteral("Cannot read ") + PlayListFileName() +
                                               QStringLiteral(", so the list is not written over it")});
    }
    return !unread_;
}

QStringList frmSound::Paths() const
{
    QStringList paths;
    for (int i = 0; i < PlayList->count(); ++i)
        paths << PlayList->item(i)->text();
    return paths;
}

void frmSound::cmdDone_Click()
{
    const QString procedure = QStringLiteral("cmdDone_Click");
    // The songs of a file that could not be read join the list before it is
    // written; while they cannot be read the file is left alone.
    if (!unread_ || ReadPlayList(procedure)) {
        try {
            WritePlayListFile(PlayListFileName(), Paths());
        } catch (const RuntimeError& e) {
            AddToLog(kForm, procedure, e.err());
        }
    }
    Hide();
    SetFocusIfAble(Forms::get<frmBack>().txtSend);
}

void frmSound::MediaPlayer_Warning(qint32 WarningType, qint32 Param, const QString& Description)
{
    platform::MsgBox(QStringLiteral("Type: ") + QString::number(WarningType) + QStringLiteral(", Param: ") +
                     QString::number(Param) + QStringLiteral(", Desc:") + Description);
}
