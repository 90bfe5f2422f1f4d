// Song files that are no regular file.

#include "platform/QtMusicPlayer.h"
#include "platform/SongTags.h"

#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

TEST(SongFilesTest, AFifoIsOpenedNeitherForTagsNorForPlayingAndIsRefusedAsAMissingSong)
{
    QTemporaryDir dir;
    const QString fifo = dir.path() + QStringLiteral("/x.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // On a thread of its own, so that a read that never returns fails the
    // test rather than hangs it. Gives the tags, then the player's warnings.
    std::packaged_task<QStringList()> task([fifo] {
        const platform::SongTags tags = platform::ReadSongTags(fifo);
        QStringList seen{tags.title + tags.artist};
        platform::QtMusicPlayer player;
        player.setWarningHandler([&seen](qint32 type, qint32 param, const QString& description) {
            seen << QStringLiteral("%1 %2 %3").arg(type).arg(param).arg(description);
        });
        player.setFileName(fifo + QStringLiteral(".missing"));
        player.setFileName(fifo);
        player.play();
        return seen;
    });
    std::future<QStringList> seen = task.get_future();
    std::thread(std::move(task)).detach();
    ASSERT_EQ(seen.wait_for(std::chrono::seconds(20)), std::future_status::ready) << "the FIFO was opened";
    const QString refused =
        QStringLiteral("%1 %2 Resource not found.").arg(QMediaPlayer::ResourceError).arg(QMediaPlayer::InvalidMedia);
    EXPECT_EQ(seen.get(), (QStringList{QString(), refused, refused}));
}
