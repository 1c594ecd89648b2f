#pragma once

#include "kit/audio/audio_device.h"
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
// A track that cannot be played is a failed open, whatever the reason: a missing,
// empty, cut short or foreign file, one without playing time, or one the
// synthesizer gives up on when it is first played. Nothing of it stays open, so
// nothing replays it. Opening reads the file only; the sound device opens and the
// synthesizer loads its soundfont when the track is first played.
//
// `ended` is the end-of-play event (connect it to the window's RepeatPlaying). It
// always arrives on the GUI thread, queued like a window message: when the track
// reaches the end of its last bar (read from the file, so a loop has no gap) and
// after stopMusic. An end that is overtaken by a new start is not reported.
class MusicPlayer : public QObject {
    Q_OBJECT

  public:
    explicit MusicPlayer(Program program, QObject* parent = nullptr);
    ~MusicPlayer() override;

    // OpenTrack: closes the open track and opens the track file of `musicType` from
    // the track folder; a failure leaves no track open.
    void openTrack(int musicType);
    // Where openTrack looks for the track files: the program's folder, unless a test
    // gives a folder of its own (an empty path brings the program's folder back).
    static void setTrackFolder(std::filesystem::path folder);
    // Opens any MIDI file; false (and no track open) when it cannot be played.
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

    bool isOpen() const { return !file_.empty(); }
    // A play was started and its end has not been reported yet.
    bool isPlaying() const { return playing_; }
    // The open track's length in milliseconds, 0 when it could not be read.
    std::int64_t trackLengthMs() const { return lengthMs_; }

  signals:
    void ended();

  private:
    friend struct MusicPlayerAccess;
    void play();
    bool load();
    void reachedEnd();
    void finishedInMixer();

    Program program_;
    std::filesystem::path file_;
    _Mix_Music* music_ = nullptr;
    audio_device::Format loadedFor_;
    std::int64_t lengthMs_ = 0;
    bool playing_ = false;
    QTimer endTimer_;
};

}  // namespace kit
