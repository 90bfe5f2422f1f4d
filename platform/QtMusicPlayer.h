#pragma once
// The music player on the desktop's audio output (Qt Multimedia).

#include "platform/MusicPlayer.h"

#include <QPointer>

class QMediaPlayer;

namespace platform {

class QtMusicPlayer : public MusicPlayer {
public:
    QtMusicPlayer();
    ~QtMusicPlayer() override;

    void setFileName(const QString& path) override;
    QString fileName() const override;
    void play() override;
    void stop() override;

private:
    // The media back end starts with the first song, not with the program.
    QMediaPlayer& player();

    QPointer<QMediaPlayer> player_;
    QString fileName_;
    bool playable_ = true;  // false for a song that is no regular file
};

} // namespace platform
