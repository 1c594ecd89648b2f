#pragma once

#include "kit/audio/music_track.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <filesystem>

struct _Mix_Music;

namespace kit {

// The hidden music player of a main window: one track open or none, played from
// its start with an end notification. Every command is skipped without a message
// when no track is open (missing file, a music value above 3, no MIDI device), and
// each one taking `musicType` is a no-op while it is kMusicOff.
//
// `ended` is the end-of-play event (connect it to the window's RepeatPlaying). It
// always arrives on the GUI thread, queued like a window message: when the track
// reaches the end of its last bar (read from the file, so a loop has no gap) and
// after stopMusic. An end that is overtaken by a new start is not reported.
class MusicPlayer : public QObject {
    Q_OBJECT

  public:
    explicit MusicPlayer(MusicTitle title, QObject* parent = nullptr);
    ~MusicPlayer() override;

    // OpenTrack: closes the open track and opens the track file of `musicType` from
    // the program's folder; a failure leaves no track open.
    void openTrack(int musicType);
    // Opens any music file; false (and no track open) when it cannot be played.
    bool openFile(const std::filesystem::path& file);
    // Stops and closes the track.
    void close();

    // StartMusic: rewinds the track and plays it with end notification.
    void startMusic(int musicType);
    // StopMusic: stops playing; the end event follows.
    void stopMusic(int musicType);
    // RepeatPlaying's rule: replays the track from its start when music is on, a game
    // is running and it is not paused.
    void replayIfRunning(int musicType, bool gameRunning, bool paused);

    bool isOpen() const { return music_ != nullptr; }
    // A play was started and its end has not been reported yet.
    bool isPlaying() const { return playing_; }
    // The open track's length in milliseconds, 0 when it could not be read.
    std::int64_t trackLengthMs() const { return lengthMs_; }

  signals:
    void ended();

  private:
    friend struct MusicPlayerAccess;
    void play();
    void reachedEnd();
    void finishedInMixer();

    MusicTitle title_;
    _Mix_Music* music_ = nullptr;
    std::int64_t lengthMs_ = 0;
    bool playing_ = false;
    QTimer endTimer_;
};

}  // namespace kit
