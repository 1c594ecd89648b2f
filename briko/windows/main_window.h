#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QPixmap>
#include <QRegion>
#include <QTimer>

#include <memory>

#include "briko/rules/briko_game.h"
#include "briko/rules/briko_view.h"
#include "briko/windows/demo_stats_file.h"
#include "kit/audio/music_player.h"
#include "kit/joystick/joystick.h"
#include "kit/random/random_source.h"

namespace Ui {
class BRIKOMainWindow;
}

namespace kit {
class TBRIKOBestWindow;
}

class TBRIKOOptionsWindow;
class TBRIKOAboutBoxWindow;
class TBRIKOControls;

// BRIKO's main window. It owns the game for the whole run and is its view: it
// draws the well, the falling piece, the next-piece box and the counters from
// the tile sheet, turns keys, the joystick, menu commands and the ticks of its
// fall timer into calls on the game, and opens the other windows. Drawing goes
// to a surface that stands for the window's client area and reaches the screen
// at once, so that the demonstration's animation inside one tick is seen.
class TBrikoMainWindow : public QMainWindow, private briko::BrikoView {
    Q_OBJECT

  public:
    // The other windows of the program, created after this one.
    struct Windows {
        TBRIKOOptionsWindow* options = nullptr;
        kit::TBRIKOBestWindow* best = nullptr;
        TBRIKOAboutBoxWindow* about = nullptr;
        TBRIKOControls* controls = nullptr;
    };

    // `random` is the source of every draw (the program's clock-seeded one when
    // null); tests hand in their own.
    explicit TBrikoMainWindow(kit::RandomSource* random = nullptr, QWidget* parent = nullptr);
    ~TBrikoMainWindow() override;

    void SetWindows(const Windows& windows) { windows_ = windows; }

    const briko::BrikoGame& Game() const { return game_; }
    briko::BrikoGame& Game() { return game_; }
    kit::TJoystick& Joystick() { return Joystick1; }
    const QTimer& FallTimer() const { return timer_; }
    int BlockDesign() const { return blockDesign_; }
    int MusicType() const { return musicType_; }
    bool JoystickOn() const { return joystickOn_; }

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

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The view of the game.
    void DrawPiece(int x, int y, briko::ShapeMask mask, int piece) override;
    void ErasePiece(int x, int y, briko::ShapeMask mask) override;
    void DrawCounter(briko::Counter counter, int value) override;
    void DrawNextPiece(int piece, briko::ShapeMask mask) override;
    void RepaintAll() override;
    void AnimationPause() override;
    void PlayEffect(briko::Effect effect) override;
    void StartMusic() override;
    void StopMusic() override;
    void StartFallTimer(int intervalMs) override;
    void StopFallTimer() override;
    void ModeChanged(briko::GameMode mode) override;
    void ShowGameOver() override;
    bool ConfirmAbort() override;
    void ShowBest(int score) override;
    void ShowStatistics(const std::string& text) override;
    void ShowNoStatistics() override;
    int ReadBaseInterval() override;

    void LoadSettings();
    void SaveSettings() const;
    void ApplyJoystick();
    void OpenTrack();
    void ShowBestWith(int score);
    void OptionsApplied();

    QRect CellRect(int column, int row) const;
    void DrawTile(const QRect& target, int tileColumn, int tileRow);
    void DrawIdleNextBox();
    void Touch(const QRect& rect);
    void Flush();

    std::unique_ptr<Ui::BRIKOMainWindow> ui_;
    Windows windows_;
    std::unique_ptr<kit::RandomSource> ownRandom_;
    kit::RandomSource& random_;
    DemoStatsFile stats_;
    briko::BrikoGame game_;
    kit::TJoystick Joystick1;
    kit::MusicPlayer MediaPlayer1;
    QTimer timer_;

    QPixmap tiles_;
    QPixmap numbers_;
    QIcon icon_;
    QPixmap surface_;
    QRegion dirty_;

    int blockDesign_ = 0;
    int musicType_ = 3;
    bool joystickOn_ = false;
};
