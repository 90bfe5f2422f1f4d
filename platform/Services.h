#pragma once
// What the program asks of the operating system and the desktop, in one
// replaceable object: dialogs, sound, the browser, the display, the clock and
// the single-instance test. The real implementation talks to Qt (QtServices);
// tests install a recorder so that nothing blocks and every request is seen.

#include "platform/MusicPlayer.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

// Message box styles and answers, with the values the program's code uses.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

constexpr int kButtonMask = 0x0F;
constexpr int kIconMask = 0xF0;

class Services {
public:
    virtual ~Services();

    // A modal message box; returns the answer (vbOK, vbYes, ...).
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // A modal input box; returns the entered text, or the empty text on cancel.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // A file chooser; returns the chosen path or the empty text. The filter
    // is pairs of a description and its patterns, all joined by "|", each
    // pair's patterns joined by ";" ("Text (*.txt)|*.txt|All|*.*").
    virtual QString openFileDialog(const QString& title, const QString& directory, const QString& filter) = 0;
    // A folder chooser; returns the chosen folder or the empty text.
    virtual QString openFolderDialog(const QString& title, const QString& directory) = 0;

    // True when another copy of this executable is already running.
    virtual bool isPrevInstance() = 0;
    // The number of sound output devices (the wave-out device count).
    virtual int waveOutDeviceCount() = 0;
    // Plays a sound file without waiting; a path that is no playable sound
    // plays the desktop's default sound.
    virtual void playSoundFile(const QString& path) = 0;
    // Plays one of the named system sounds ("SystemStart", ...).
    virtual void playSoundAlias(const QString& alias) = 0;
    // The music player; it lives as long as these services.
    virtual MusicPlayer& musicPlayer() = 0;
    // Opens a web address in the desktop's browser.
    virtual void openUrl(const QString& url) = 0;
    // Asks the desktop to perform an operation ("Open") on a file or address.
    virtual void shellExecute(const QString& operation, const QString& file, const QString& parameters,
                              const QString& directory, int showCommand) = 0;
    // Asks for a display mode; desktops that cannot switch modes ignore it.
    virtual void requestDisplayMode(int width, int height) = 0;
    // Milliseconds since the system started, wrapping at 32 bits.
    virtual quint32 tickCount() = 0;
};

// The services in use. A headless default is in place until another is
// installed, so core code may call it from anywhere.
Services& services();
// Installs new services and returns the previous ones.
std::unique_ptr<Services> install(std::unique_ptr<Services> services);

// The headless default: message and input boxes answer at once (OK, the
// default text), choosers choose nothing, nothing plays, the clock is the
// monotonic clock.
class HeadlessServices : public Services {
public:
    int messageBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileDialog(const QString& title, const QString& directory, const QString& filter) override;
    QString openFolderDialog(const QString& title, const QString& directory) override;
    bool isPrevInstance() override;
    int waveOutDeviceCount() override;
    void playSoundFile(const QString& path) override;
    void playSoundAlias(const QString& alias) override;
    MusicPlayer& musicPlayer() override { return music_; }
    void openUrl(const QString& url) override;
    void shellExecute(const QString& operation, const QString& file, const QString& parameters,
                      const QString& directory, int showCommand) override;
    void requestDisplayMode(int width, int height) override;
    quint32 tickCount() override;

private:
    SilentMusicPlayer music_;
};

// The monotonic clock in milliseconds, truncated to 32 bits.
quint32 systemTickCount();

// Convenience wrapper with the program's defaults: OK button, the program's
// title when none is given.
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());

// The title message boxes get when none is given.
QString applicationTitle();

} // namespace platform
