#pragma once

#include "kit/random/random_source.h"
#include "kit/settings/settings.h"
#include "pillora/rules/bottle.h"
#include "pillora/rules/pillora_view.h"
#include "pillora/ui_main_window.h"
#include "pillora/windows/bottle_screen.h"

#include <QIcon>
#include <QMainWindow>
#include <QRegion>
#include <QTimer>

#include <cstdint>
#include <optional>

namespace kit {
class TPilloraBestWindow;
}

namespace pillora {

class TPilloraOptionWindow;

// Pillora's main window: the bottle, four counters and the next capsule, the
// menu, the keys and the one fall timer. It owns the game (the Bottle) for the
// whole run and is the Bottle's view, so every cell the rules draw lands on
// its screen at once. It holds Pillora's settings from start to exit, hands
// them to the options window to edit in place, and writes them back when it is
// destroyed. The program creates the options and high-score windows after it
// and hands them over with SetWindows.
class TTPilloraWindow : public QMainWindow, private BottleView {
    Q_OBJECT

  public:
    // The other windows of the program, in the order the program creates them.
    struct Windows {
        TPilloraOptionWindow* options = nullptr;
        kit::TPilloraBestWindow* best = nullptr;
    };

    // With `random` null the window deals from its own clock-seeded source;
    // otherwise `random` must outlive the window.
    explicit TTPilloraWindow(kit::RandomSource* random = nullptr, QWidget* parent = nullptr);
    ~TTPilloraWindow() override;

    // Keeps them; they must live as long as this window can receive commands.
    // Connects the options window's OptionsChanged to ApplyOptions.
    void SetWindows(const Windows& windows);

    // What the window holds, for tests.
    const Bottle& Game() const { return bottle_; }
    Bottle& Game() { return bottle_; }
    const kit::PilloraSettings& Settings() const { return settings_; }
    kit::PilloraSettings& Settings() { return settings_; }
    const BottleScreen& Screen() const { return *screen_; }
    bool Paused() const { return paused_; }
    // A game has been started and has not yet been aborted or ended (the menu
    // then reads "&Abort"); this includes the moment between a lost step and
    // the tick that ends the game.
    bool GameInProgress() const { return gameInProgress_; }
    const QTimer& FallTimer() const { return fallTimer_; }
    // The interval the rules last asked for, before the timer's own limit.
    int RequestedInterval() const { return requestedInterval_; }
    const Ui::TPilloraWindow& Form() const { return ui_; }

  public slots:
    // The menu commands, named after their items.
    void Debut();  // New, or during a game the abort query
    void Pause();
    void Best1Click();
    void Options1Click();
    void Index1Click();
    void About1Click();
    void Exit();
    // Another program took the focus or the window was minimised: a running game
    // pauses as with Pause, unless the settings turn this off.
    void PlayerLookedAway();
    // The options as they now stand reach the rules: the run length at the
    // next resolve and the singles slide; the rest is read where it is used.
    void ApplyOptions();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The close query: shows the about box, then lets the window close.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // BottleView
    void DrawCell(int column, int row, Cell code) override;
    void DrawCapsule(std::span<const Tile> tiles) override;
    void AnimationPause() override;
    void PlayEffect(Effect effect) override;
    void StopFallTimer() override;
    void StartFallTimer(int intervalMs) override;
    void ShowScore(std::uint16_t score) override;
    void ShowPlayed(std::uint16_t playedCapsules) override;
    void ShowLevel(int level) override;
    void ShowViruses(int viruses) override;
    void DrawNextCapsule(Pair next) override;
    void RepaintAll() override;

    void WMTimer();
    void AbortQuery();
    void EndLostGame();
    void Best(std::uint16_t score);
    void SetGameMenus(bool playing);
    void LoadSettings();
    void SaveSettings() const;
    void Redraw(const QRect& rect);
    void FlushDrawing();
    void ShowAboutBox();

    Ui::TPilloraWindow ui_;
    kit::ClockRandomSource clockRandom_;  // deals when no source is handed in
    Bottle bottle_;
    std::optional<BottleScreen> screen_;
    QIcon icon_;
    QTimer fallTimer_;
    QRegion pending_;
    kit::PilloraSettings settings_;
    int requestedInterval_ = 0;
    bool paused_ = false;
    bool gameInProgress_ = false;
    Windows windows_;
};

}  // namespace pillora
