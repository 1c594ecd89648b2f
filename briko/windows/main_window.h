#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <QRegion>
#include <QTimer>

#include <memory>

#include "briko/rules/briko_game.h"
#include "briko/rules/briko_view.h"
#include "briko/ui_main_window.h"
#include "briko/windows/demo_stats_file.h"
#include "kit/audio/music_player.h"
#include "kit/joystick/joystick.h"
#include "kit/random/random_source.h"
#include "kit/settings/settings.h"

namespace kit {
class TBRIKOBestWindow;
}

namespace briko {

class TBRIKOOptionsWindow;
class TBRIKOAboutBoxWindow;
class TBRIKOControls;

// BRIKO's main window. It owns the game for the whole run and is its view: it
// draws the well, the falling piece, the next-piece box and the counters from
// the tile sheet, turns keys, the joystick, menu commands and the ticks of its
// fall timer into calls on the game, and opens the other windows. Drawing goes
// to a surface that stands for the window's client area and reaches the screen
// at once, so that the demonstration's animation inside one tick is seen.
class TBrikoMainWindow : public QMainWindow, private BrikoView {
    Q_OBJECT

  public:
    // The other windows of the program, in the order the program creates them.
    struct Windows {
        TBRIKOOptionsWindow* options = nullptr;
        kit::TBRIKOBestWindow* best = nullptr;
        TBRIKOAboutBoxWindow* about = nullptr;
        TBRIKOControls* controls = nullptr;
    };

    // With `random` null the window deals from its own clock-seeded source;
    // otherwise `random` must outlive the window.
    explicit TBrikoMainWindow(kit::RandomSource* random = nullptr, QWidget* parent = nullptr);
    // Writes the settings.
    ~TBrikoMainWindow() override;

    // Keeps the windows, which must outlive this one's commands, and applies
    // the options each time the options window has changed them.
    void SetWindows(const Windows& windows);

    const BrikoGame& Game() const { return game_; }
    BrikoGame& Game() { return game_; }
    const QTimer& FallTimer() const { return timer_; }
    const kit::BrikoSettings& Settings() const { return settings_; }
    kit::BrikoSettings& Settings() { return settings_; }
    const Ui::BRIKOMainWindow& Form() const { return ui_; }
    kit::TJoystick& Joystick() { return Joystick1; }
    kit::MusicPlayer& MediaPlayer() { return MediaPlayer1; }

    // The length of one demonstration pause per step of the DemoSpeed option.
    static constexpr int kPauseUnitMs = 4;
    // The timer never runs faster than this, like the platform's window timers.
    static constexpr int kShortestTimerPeriodMs = 10;

  public slots:
    void New1Click();
    void Pause1Click();
    void Go1Click();
    void Best();
    void OptionsClick();
    void Stats1Click();
    void Exit2Click();
    void Controls1Click();
    void About1Click();
    void RepeatPlaying();
    // Another program took the focus or the window was minimised: a player's game
    // pauses as with Pause, unless the settings turn this off; a demonstration runs on.
    void PlayerLookedAway();
    // Hands the options to the game, starts or stops the joystick, reopens the
    // music track and repaints in the block design chosen.
    void ApplyOptions();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The view of the game.
    void DrawPiece(int x, int y, ShapeMask mask, int piece) override;
    void ErasePiece(int x, int y, ShapeMask mask) override;
    void DrawCounter(Counter counter, int value) override;
    void DrawNextPiece(int piece, ShapeMask mask) override;
    void RepaintAll() override;
    void AnimationPause() override;
    void PlayEffect(Effect effect) override;
    void StartMusic() override;
    void StopMusic() override;
    void StartFallTimer(int intervalMs) override;
    void StopFallTimer() override;
    void ModeChanged(GameMode mode) override;
    void ShowGameOver() override;
    bool ConfirmAbort() override;
    void ShowBest(int score) override;
    void ShowStatistics(const DemoStatsRecord& record) override;
    void ShowNoStatistics() override;
    int ReadBaseInterval() override;

    // Reads the settings, brought into the ranges the options window offers.
    void LoadSettings();
    void SaveSettings() const;
    void ApplyJoystick();
    void OpenTrack();
    void ShowBestWith(int score);

    QRect CellRect(int column, int row) const;
    void DrawTile(const QRect& target, int tileColumn, int tileRow);
    void PaintTile(QPainter& painter, const QRect& target, int tileColumn, int tileRow);
    void DrawIdleNextBox();
    void Touch(const QRect& rect);
    void Flush();

    Ui::BRIKOMainWindow ui_;
    Windows windows_;
    std::unique_ptr<kit::RandomSource> ownRandom_;
    kit::RandomSource& random_;
    DemoStatsFile stats_;
    BrikoGame game_;
    kit::TJoystick Joystick1;
    kit::MusicPlayer MediaPlayer1;
    QTimer timer_;

    // The tiles in one layout, 16 join codes across and nine colours of each design
    // down: the aggregated design's from tiles_, the plain designs' (which never
    // join) from plainTiles_, read when one of them is first drawn.
    QPixmap tiles_;
    QPixmap plainTiles_;
    QPixmap numbers_;
    QIcon icon_;
    QPixmap surface_;
    QRegion dirty_;

    kit::BrikoSettings settings_;
};

}  // namespace briko
