#pragma once

#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <cstdint>
#include <memory>

#include "kit/audio/music_player.h"
#include "kit/joystick/joystick.h"
#include "kit/random/random_source.h"
#include "kit/settings/settings.h"
#include "orchard/rules/orchard_game.h"
#include "orchard/rules/orchard_view.h"
#include "orchard/ui_main_window.h"

namespace kit {
class TOrchardBestWindow;
}

namespace orchard {

class TTOrchardOptionWindow;
class TOrchardAboutWindow;

// Orchard's main window. It owns the game and is its view: every request of the
// game is drawn at once into the window's picture of the well and shown with an
// immediate repaint, so a cascade can be followed while its step runs. It turns
// the fall timer, the keys and the menu commands into calls on the game, keeps
// the options that the settings file holds, and drives the music, the sound
// effects, the high-score table, the options, help and about windows.
class TTOrchardMainWindow : public QMainWindow, private OrchardView {
    Q_OBJECT

  public:
    // With `random` null the game deals from a source seeded by the clock;
    // otherwise `random` must outlive the window.
    explicit TTOrchardMainWindow(kit::RandomSource* random = nullptr, QWidget* parent = nullptr);
    // Writes the settings.
    ~TTOrchardMainWindow() override;

    // The other windows of the program, in the order the program creates them.
    struct Windows {
        kit::TOrchardBestWindow* best = nullptr;
        TTOrchardOptionWindow* options = nullptr;
        TOrchardAboutWindow* about = nullptr;
    };
    // Keeps them; they must live as long as this window can receive commands.
    // Connects the options window's OptionsChanged to ApplyOptions.
    void SetWindows(const Windows& windows);

    const OrchardGame& Game() const { return *game_; }
    OrchardGame& Game() { return *game_; }
    const QTimer& FallTimer() const { return fallTimer_; }
    const kit::OrchardSettings& Settings() const { return settings_; }
    kit::OrchardSettings& Settings() { return settings_; }
    const Ui::TOrchardMainWindow& Form() const { return ui_; }
    kit::MusicPlayer& MediaPlayer() { return MediaPlayer1; }
    kit::TJoystick& Joystick() { return Joystick1; }

    // How long each one-row step of a settling cascade stays on screen.
    void SetSettlePause(int milliseconds) { settlePauseMs_ = milliseconds; }

  public slots:
    void New1Click();
    void Pause1Click();
    // Shows the high-score window with `score` as candidate, unless the game
    // runs from a CD-ROM, where the warning replaces it.
    void Best1Click(std::uint16_t score = 0);
    void OptionsClick();
    void Exit2Click();
    void Index1Click();
    void About1Click();
    // The end of a play of the music track: the track loops while a game runs.
    void RepeatPlaying();
    // Another program took the focus or the window was minimised: a running game
    // pauses as with Pause, unless the settings turn this off.
    void PlayerLookedAway();
    // The options as they now stand reach the rules, the music, the joystick and
    // the picture.
    void ApplyOptions();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // OrchardView: each request is drawn at once.
    void DrawCell(int column, int row, Cell code) override;
    void DrawColumn(const Column& column, int prevX, int prevY, int columnX, int columnY) override;
    void DrawNextBlock(const Column& next) override;
    void DrawCounter(Counter counter, unsigned value) override;
    void PlayEffect(Effect effect) override;
    void StartFallTimer(int intervalMs) override;
    void StopFallTimer() override;
    void AnimationPause() override;

    void FallTimerTick();
    void EndOfGame();
    void AskToAbort();
    // Between a game and no game: the New item's caption and the locked menus.
    void SetGameMenus(bool playing);
    void JoyStickMove(QObject* sender, std::int32_t& x, std::int32_t& y);
    void ReloadMusic();
    void LoadSettings();
    void SaveSettings() const;

    // Redraws the whole picture from the game state: the well with its top
    // strip, the falling column, the counters and the next block.
    void RepaintAll();
    const QPixmap& Tiles() const;
    void PaintTile(QPainter& painter, const QRect& target, Cell code) const;
    void ShowNow(const QRect& area);

    Ui::TOrchardMainWindow ui_;
    std::unique_ptr<OrchardGame> game_;
    // The options, loaded at creation and written at destruction; the options
    // window edits them and the game gets its share through ApplyOptions.
    kit::OrchardSettings settings_;
    QPixmap orchardTiles_;
    QPixmap defaultTiles_;
    QPixmap numbers_;
    QIcon mainIcon_;
    // What the client area shows inside the well, the counters and the next
    // box; the frames, labels and pictures are painted over it by their widgets.
    QImage picture_;

    QTimer fallTimer_;
    kit::MusicPlayer MediaPlayer1;
    kit::TJoystick Joystick1;
    // The menus show a game from New until its end or abort, which includes
    // the moment between the overflow and the tick that ends the game.
    bool gameShown_ = false;
    int settlePauseMs_ = 6;

    Windows windows_;
};

}  // namespace orchard
