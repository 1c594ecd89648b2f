#include "kit/audio/music_player.h"

#include "kit/audio/audio_device.h"
#include "kit/audio/midi_length.h"
#include "kit/desktop/program_folder.h"

#include <QCoreApplication>

#include <SDL2/SDL_mixer.h>

namespace kit {
namespace {

// The player whose track the mixer plays; GUI thread only.
MusicPlayer* sounding = nullptr;

void setSounding(MusicPlayer* player) {
    sounding = player;
}

}  // namespace

// Runs inside the mixer, on SDL's audio thread or inside Mix_HaltMusic: it only
// queues the news for the GUI thread, which the application object lives on, and
// never calls the mixer. The player is looked up there, so one that went away in
// between is never touched.
struct MusicPlayerAccess {
    static void finished() {
        QCoreApplication* app = QCoreApplication::instance();
        if (app == nullptr)
            return;
        QMetaObject::invokeMethod(
            app,
            [] {
                if (sounding != nullptr)
                    sounding->finishedInMixer();
            },
            Qt::QueuedConnection);
    }
};

namespace audio_device {

void installMusicHook() {
    Mix_HookMusicFinished(&MusicPlayerAccess::finished);
}

}  // namespace audio_device

MusicPlayer::MusicPlayer(MusicTitle title, QObject* parent) : QObject(parent), title_(title) {
    endTimer_.setSingleShot(true);
    endTimer_.setTimerType(Qt::PreciseTimer);
    connect(&endTimer_, &QTimer::timeout, this, &MusicPlayer::reachedEnd);
    audio_device::addPlayer(this);
}

MusicPlayer::~MusicPlayer() {
    close();
    audio_device::removePlayer(this);
}

void MusicPlayer::openTrack(int musicType) {
    if (musicType == kMusicOff)
        return;
    openFile(programFolder() / musicTrackName(title_, musicType));
}

bool MusicPlayer::openFile(const std::filesystem::path& file) {
    close();
    if (!audio_device::hasMidi())
        return false;
    music_ = Mix_LoadMUS(file.c_str());
    if (music_ == nullptr)
        return false;
    lengthMs_ = midiFileLengthMs(file).value_or(0);
    return true;
}

void MusicPlayer::close() {
    endTimer_.stop();
    playing_ = false;
    if (music_ == nullptr)
        return;
    if (sounding == this) {
        setSounding(nullptr);
        Mix_HaltMusic();
    }
    Mix_FreeMusic(music_);
    music_ = nullptr;
    lengthMs_ = 0;
}

void MusicPlayer::startMusic(int musicType) {
    if (musicType != kMusicOff)
        play();
}

void MusicPlayer::stopMusic(int musicType) {
    if (musicType == kMusicOff || music_ == nullptr)
        return;
    endTimer_.stop();
    // The hook queues the end event, unless the play had already been reported.
    if (sounding == this)
        Mix_HaltMusic();
}

void MusicPlayer::replayIfRunning(int musicType, bool gameRunning, bool paused) {
    if (musicType != kMusicOff && gameRunning && !paused)
        play();
}

void MusicPlayer::play() {
    if (music_ == nullptr)
        return;
    endTimer_.stop();
    setSounding(this);
    // Playing from the start is the rewind: the mixer begins every play at 0.
    if (Mix_PlayMusic(music_, 0) != 0) {
        playing_ = false;
        return;
    }
    playing_ = true;
    if (lengthMs_ > 0) {
        endTimer_.setInterval(static_cast<int>(lengthMs_));
        endTimer_.start();
    }
}

void MusicPlayer::reachedEnd() {
    // The synthesizer lets the last notes ring for seconds after the track's end;
    // a replay cuts that tail, and without one it rings out unreported.
    if (!playing_)
        return;
    playing_ = false;
    emit ended();
}

void MusicPlayer::finishedInMixer() {
    // A play started since the mixer finished: that news is stale.
    if (!playing_ || (sounding == this && Mix_PlayingMusic() != 0))
        return;
    endTimer_.stop();
    playing_ = false;
    emit ended();
}

}  // namespace kit
