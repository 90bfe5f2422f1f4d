#pragma once
// The platform services on the real desktop, through Qt.

#include "platform/QtMusicPlayer.h"
#include "platform/Services.h"

#include <QHash>
#include <memory>

class QLockFile;
class QSoundEffect;

namespace platform {

// The desktop's modal message box: over the window that raised it and over
// any window that stays on top, which gets the keyboard back when it closes,
// and wide enough for its title. Input boxes and file choosers stand and give
// the keyboard back the same way.
int DesktopMessageBox(const QString& text, int style, const QString& title);

class QtServices : public Services {
public:
    QtServices();
    ~QtServices() override;

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
    void playWave(const QString& path);

    std::unique_ptr<QLockFile> instanceLock_;
    QHash<QString, QSoundEffect*> effects_;
    QtMusicPlayer music_;
};

} // namespace platform
