#pragma once
// The sound and music window: switches sound effects and music on and off
// and keeps a play list of songs, one of which it can play. Once loaded it
// only hides, so a song goes on playing behind it.

#include "foundation/Forms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

class frmSound : public Form<QWidget> {
    Q_OBJECT
public:
    frmSound();

    QGroupBox* Frame1;  // "Play List"
    // Full paths of songs, kept in alphabetical order (letter case aside).
    QListWidget* PlayList;
    QPushButton* cmdAdd;     // "Add"
    QPushButton* cmdAddDir;  // "Add Dir"
    QPushButton* cmdRemove;  // "Remove"
    QPushButton* cmdPlay;    // "Play"
    QPushButton* cmdStop;    // "Stop"
    QGroupBox* Frame2;       // "MP3 Tag Info"
    QLabel* lblTitle;
    QLabel* lblArtist;
    QGroupBox* Frame3;     // "Options"
    QCheckBox* chkPlay;    // "Play Music"
    QCheckBox* chkSound;   // "Play Sounds"
    QCheckBox* chkRandom;  // "Random"
    QPushButton* cmdDone;  // "Done"

    // The file chooser's filter: a description and the patterns of the
    // audio files, joined by "|".
    QString Filter;

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    void chkPlay_Click();
    void chkSound_Click();
    void chkRandom_Click();
    void cmdAdd_Click();
    void cmdAddDir_Click();
    void cmdRemove_Click();
    void cmdPlay_Click();
    void cmdStop_Click();
    void PlayList_Click();
    void cmdDone_Click();
    // The player's report of a fault.
    void MediaPlayer_Warning(qint32 WarningType, qint32 Param, const QString& Description);

    // The index of the selected song, or -1.
    int ListIndex() const;
    // Adds a song in its alphabetical place.
    void AddItem(const QString& path);

private:
    // Adds the songs of the play list file that the list lacks; false, with
    // a line in the error log under the procedure, when the file is there but
    // cannot be read.
    bool ReadPlayList(const QString& procedure);
    // The paths of the list, first to last.
    QStringList Paths() const;

    // Set while the file is there but could not be read: the list lacks its
    // songs, so it is not written over the file until a read succeeds.
    bool unread_ = false;
};
