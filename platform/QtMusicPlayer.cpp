#include "platform/QtMusicPlayer.h"

#include <QAudioOutput>
#include <QCoreApplication>
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
    player().setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
}

QString QtMusicPlayer::fileName() const { return fileName_; }

void QtMusicPlayer::play()
{
    if (!fileName_.isEmpty())
        player().play();
}

void QtMusicPlayer::stop()
{
    if (player_)
        player_->stop();
}

} // namespace platform
