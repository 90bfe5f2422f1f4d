#pragma once
// Platform services for tests: every request is recorded, dialogs answer at
// once with scripted answers, the clock is set by the test.

#include "platform/Services.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class QMessageBox;

// Records what the music player is asked, in order: "file <path>", "play",
// "stop". Its file name is the one set last; raiseWarning acts as the
// player's own fault report.
class RecordingMusicPlayer : public platform::MusicPlayer {
public:
    void setFileName(const QString& path) override;
    QString fileName() const override { return fileName_; }
    void play() override { requests.append(QStringLiteral("play")); }
    void stop() override { requests.append(QStringLiteral("stop")); }
    void raiseWarning(qint32 type, qint32 param, const QString& description) const { warn(type, param, description); }

    QStringList requests;

private:
    QString fileName_;
};

struct RecordedMessageBox {
    QString text;
    int style = 0;
    QString title;
};

class RecordingServices : public platform::Services {
public:
    int messageBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileDialog(const QString& title, const QString& directory, const QString& filter) override;
    QString openFolderDialog(const QString& title, const QString& directory) override;
    bool isPrevInstance() override { return prevInstance; }
    int waveOutDeviceCount() override { return waveOutDevices; }
    void playSoundFile(const QString& path) override { soundFiles.append(path); }
    void playSoundAlias(const QString& alias) override { soundAliases.append(alias); }
    platform::MusicPlayer& musicPlayer() override { return music; }
    void openUrl(const QString& url) override { urls.append(url); }
    void shellExecute(const QString& operation, const QString& file, const QString& parameters,
                      const QString& directory, int showCommand) override;
    void requestDisplayMode(int width, int height) override { displayModes.emplace_back(width, height); }
    quint32 tickCount() override { return tick; }

    // What was asked.
    std::vector<RecordedMessageBox> messageBoxes;
    QStringList inputPrompts;
    QStringList fileDialogFilters;
    QStringList soundFiles;
    QStringList soundAliases;
    QStringList urls;
    QStringList shellFiles;
    std::vector<std::pair<int, int>> displayModes;
    RecordingMusicPlayer music;

    // How to answer.
    std::deque<int> messageBoxAnswers;     // default: OK / Yes
    std::deque<QString> inputAnswers;      // default: the default text
    std::deque<QString> fileDialogAnswers; // default: nothing chosen
    std::deque<QString> folderDialogAnswers; // default: nothing chosen
    bool prevInstance = false;
    int waveOutDevices = 1;
    quint32 tick = 0;
    // Called while a message box is "shown" (to act while it would be open).
    std::function<void(const RecordedMessageBox&)> onMessageBox;
    // When set, message boxes are the desktop's real ones: this is called
    // once the box is on screen, then the box's first button is clicked.
    std::function<void(QMessageBox&)> onDesktopBox;
};
