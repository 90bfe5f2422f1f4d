#include "platform/QtMusicPlayer.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace platform {

QtMusicPlayer::QtMusicPlayer() = default;

QtMusicPlayer::~QtMusicPlayer()
{
    // The application may have gone first and taken the player with it.
    delete player_.data();
}

QMediaPlayer& QtMusicPlayer::player()
{
    if (!player_) {
        // Owned by the application as well, so that it never outlives it.
        player_ = new QMediaPlayer(QCoreApplication::instance());
        player_->setAudioOutput(new QAudioOutput(player_));
        QObject::connect(player_, &QMediaPlayer::errorOccurred, player_,
                         [this](QMediaPlayer::Error error, const QString& description) {
                             warn(static_cast<qint32>(error), static_cast<qint32>(player_->mediaStatus()),
                                  description);
                         });
    }
    return *player_;
}

void QtMusicPlayer::setFileName(const QString& path)
{
    fileName_ = path;
    playable_ = path.isEmpty() || QFileInfo(path).isFile();
    if (playable_) {
        player().setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
        return;
    }
    // The media back end would open a FIFO or a device in this thread and
    // wait there for good. Anything but a regular file is refused as the back
    // end refuses a missing one.
    if (player_)
        player_->setSource(QUrl());
    warn(static_cast<qint32>(QMediaPlayer::ResourceError), static_cast<qint32>(QMediaPlayer::InvalidMedia),
         QStringLiteral("Resource not found."));
}

QString QtMusicPlayer::fileName() const { return fileName_; }

void QtMusicPlayer::play()
{
    if (!fileName_.isEmpty() && playable_)
        player().play();
}

void QtMusicPlayer::stop()
{
    if (player_)
        player_->stop();
}

} // namespace platform
