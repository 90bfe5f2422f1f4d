#pragma once
// The music player: one song at a time, started and stopped by request. The
// real one plays through the desktop's audio output; the headless one only
// keeps the file name, and tests record the requests.

#include <QString>
#include <functional>

namespace platform {

class MusicPlayer {
public:
    // A fault of the player while it opens or plays a song: its kind, a
    // number that goes with it and a description.
    using WarningHandler = std::function<void(qint32 type, qint32 param, const QString& description)>;

    virtual ~MusicPlayer();

    // The song to play next (a local path); the empty text clears it.
    virtual void setFileName(const QString& path) = 0;
    // The song set last, or the empty text.
    virtual QString fileName() const = 0;
    // Starts the song from where it stands; does nothing without one.
    virtual void play() = 0;
    // Stops the song and rewinds it.
    virtual void stop() = 0;

    // One handler at a time receives the warnings; an empty one drops them.
    void setWarningHandler(WarningHandler handler) { warningHandler_ = std::move(handler); }

protected:
    void warn(qint32 type, qint32 param, const QString& description) const
    {
        if (warningHandler_)
            warningHandler_(type, param, description);
    }

private:
    WarningHandler warningHandler_;
};

// A player without sound: it keeps the file name and plays nothing.
class SilentMusicPlayer : public MusicPlayer {
public:
    void setFileName(const QString& path) override { fileName_ = path; }
    QString fileName() const override { return fileName_; }
    void play() override {}
    void stop() override {}

private:
    QString fileName_;
};

} // namespace platform
