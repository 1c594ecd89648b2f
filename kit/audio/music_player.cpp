#include "kit/audio/music_player.h"

#include "kit/audio/audio_device.h"
#include "kit/audio/midi_length.h"
#include "kit/desktop/program_folder.h"
#include "kit/sdl/sdl_library.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace kit {
namespace {

// The player whose track the mixer plays; GUI thread only.
MusicPlayer* sounding = nullptr;

std::filesystem::path& trackFolder() {
    static std::filesystem::path folder;
    return folder;
}

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
    sdl().Mix_HookMusicFinished(&MusicPlayerAccess::finished);
}

}  // namespace audio_device

MusicPlayer::MusicPlayer(Program program, QObject* parent) : QObject(parent), program_(program) {
    endTimer_.setSingleShot(true);
    endTimer_.setTimerType(Qt::PreciseTimer);
    connect(&endTimer_, &QTimer::timeout, this, &MusicPlayer::reachedEnd);
    audio_device::addPlayer(this);
}

MusicPlayer::~MusicPlayer() {
    close();
    audio_device::removePlayer(this);
}

void MusicPlayer::setTrackFolder(std::filesystem::path folder) {
    trackFolder() = std::move(folder);
}

void MusicPlayer::openTrack(int musicType) {
    if (musicType == kMusicOff)
        return;
    const std::filesystem::path& folder = trackFolder().empty() ? programFolder() : trackFolder();
    openFile(folder / musicTrackName(program_, musicType));
}

bool MusicPlayer::openFile(const std::filesystem::path& file) {
    close();
    if (!audio_device::hasMidi()) {
        audio_device::tellIfNoSoundFont();
        return false;
    }
    // The synthesizer itself would take any bytes and end at once, every time: only a
    // complete MIDI file with playing time is a track.
    const auto length = midiFileLengthMs(file);
    if (!length || *length <= 0)
        return false;
    file_ = file;
    lengthMs_ = *length;
    return true;
}

void MusicPlayer::close() {
    endTimer_.stop();
    playing_ = false;
    file_.clear();
    lengthMs_ = 0;
    if (sounding == this) {
        setSounding(nullptr);
        sdl().Mix_HaltMusic();
    }
    // Only a track that has played is loaded, so the mixer is there.
    if (music_ != nullptr)
        sdl().Mix_FreeMusic(music_);
    music_ = nullptr;
}

// Loads the open track into the mixer, once for as long as the device keeps its
// sample format.
bool MusicPlayer::load() {
    const audio_device::Format format = audio_device::currentFormat();
    if (music_ != nullptr && loadedFor_ == format)
        return true;
    if (sounding == this)
        setSounding(nullptr);
    if (music_ != nullptr)
        sdl().Mix_FreeMusic(music_);
    music_ = audio_device::hasMidi() ? sdl().Mix_LoadMUS(file_.c_str()) : nullptr;
    loadedFor_ = format;
    return music_ != nullptr;
}

void MusicPlayer::startMusic(int musicType) {
    if (musicType != kMusicOff)
        play();
}

void MusicPlayer::stopMusic(int musicType) {
    if (musicType == kMusicOff || file_.empty())
        return;
    endTimer_.stop();
    // The hook queues the end event, unless the play had already been reported.
    if (sounding == this)
        sdl().Mix_HaltMusic();
}

void MusicPlayer::replayIfRunning(int musicType, bool gameRunning, bool paused) {
    if (musicType != kMusicOff && gameRunning && !paused)
        play();
}

void MusicPlayer::play() {
    // A device that cannot be opened closes every track, this one too.
    if (file_.empty() || !audio_device::acquire())
        return;
    endTimer_.stop();
    if (!load()) {
        close();
        return;
    }
    setSounding(this);
    // Playing from the start is the rewind: the mixer begins every play at 0.
    if (sdl().Mix_PlayMusic(music_, 0) != 0) {
        close();
        return;
    }
    playing_ = true;
    endTimer_.setInterval(
        static_cast<int>(std::min<std::int64_t>(lengthMs_, std::numeric_limits<int>::max())));
    endTimer_.start();
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
    if (!playing_ || (sounding == this && sdl().Mix_PlayingMusic() != 0))
        return;
    if (sounding == this && endTimer_.isActive()) {
        // Neither stopped nor at its end: the synthesizer gave up on the file. That is
        // a failed open, so nothing replays it and it is not tried again.
        close();
        return;
    }
    endTimer_.stop();
    playing_ = false;
    emit ended();
}

}  // namespace kit
