#include "briko/windows/main_window.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <SDL2/SDL.h>

#include <gtest/gtest.h>

#include "briko/rules/demo_stats.h"
#include "briko/rules/tests/scripted_deals.h"
#include "briko/windows/demo_stats_file.h"
#include "briko/windows/tests/window_harness.h"
#include "kit/desktop/form_style.h"
#include "kit/highscores/best_window.h"
#include "kit/highscores/briko_best_window.h"
#include "kit/sdl/sdl_subsystem.h"
#include "kit/settings/cdrom.h"
#include "kit/testing/form_style_testing.h"
#include "kit/testing/virtual_pad.h"
#include "kit/testing/zoom_testing.h"

namespace briko {
namespace {

using kit::testing::LookAwayAndBack;
using kit::testing::ScriptedRandom;
using kit::testing::VirtualPad;
using testing::BrikoWindows;
using testing::PieceDraw;
using testing::ReadSetting;
using testing::ScriptStartingRows;
using testing::SendKey;
using testing::WhenModal;
using testing::WriteSetting;

// Enough ticks to bring a new piece from its spawn row to where Space acts.
void TickIntoView(TBrikoMainWindow& window, int ticks = 2) {
    for (int i = 0; i < ticks; ++i)
        window.Game().Tick();
}

QImage Grab(TBrikoMainWindow& window) {
    return window.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Tile (column, row) of the window's layout: the aggregated design's nine rows, then
// the plain designs' single column.
QImage Tile(int column, int row) {
    const bool plain = row >= 9;
    return QImage(plain ? QStringLiteral(":/briko/tiles_plain.png")
                        : QStringLiteral(":/briko/tiles.png"))
        .convertToFormat(QImage::Format_RGB32)
        .copy(plain ? 0 : 16 * column, 16 * (plain ? row - 9 : row), 16, 16);
}

// Where well cell (column, row) stands in the client area.
QImage CellOf(const QImage& client, int column, int row) {
    return client.copy(8 + 16 * (column - 5), 9 + 16 * row, 16, 16);
}

TEST(BrikoMainWindow, MenusFollowTheStateOfTheGame) {
    BrikoWindows program;
    program.Show();
    const Ui::BRIKOMainWindow& form = program.main.Form();
    auto state = [&] {
        return std::vector<bool>{form.New1->isEnabled(), form.Pause1->isEnabled(),
                                 form.Demo1->isEnabled(), form.Game1->menuAction()->isEnabled(),
                                 form.Help1->menuAction()->isEnabled()};
    };
    EXPECT_EQ(program.main.windowTitle(), "- BRIKO for Windows 95 -");
    EXPECT_EQ(program.main.centralWidget()->size(), QSize(342, 416));
    EXPECT_EQ(state(), (std::vector<bool>{true, true, true, true, true}));
    EXPECT_EQ(form.New1->text(), "&New");

    QTest::keyClick(&program.main, Qt::Key_F2);
    EXPECT_TRUE(program.main.Game().PlayerGameOn());
    EXPECT_EQ(form.New1->text(), "&Abort");
    EXPECT_EQ(state(), (std::vector<bool>{true, true, false, false, false}));
    // Items of a disabled menu keep their shortcuts to themselves.
    EXPECT_FALSE(form.Options->isEnabled());

    program.messages.AnswerQuestions(kit::MessageAnswer::Yes);
    QTest::keyClick(&program.main, Qt::Key_F2);
    ASSERT_EQ(program.messages.Requests().size(), 1u);
    EXPECT_EQ(program.messages.Requests()[0].text, "Really ?");
    EXPECT_EQ(program.messages.Requests()[0].caption, "Abort Game ?");
    EXPECT_EQ(program.messages.Requests()[0].buttons, kit::MessageButtons::YesNo);
    EXPECT_TRUE(program.main.Game().NoGame());
    EXPECT_EQ(form.New1->text(), "&New");

    WriteSetting("BRIKO_DemoSpeed", "0");
    QTest::keyClick(&program.main, Qt::Key_F10);
    EXPECT_TRUE(program.main.Game().DemoRunning());
    EXPECT_EQ(form.Demo1->text(), "&Stop");
    EXPECT_EQ(state(), (std::vector<bool>{false, false, true, false, false}));

    QTest::keyClick(&program.main, Qt::Key_F10);
    EXPECT_FALSE(program.main.Game().DemoRunning());
    EXPECT_EQ(form.Demo1->text(), "&Demo");
    EXPECT_EQ(state(), (std::vector<bool>{true, true, true, true, true}));
}

TEST(BrikoMainWindow, EveryWindowIsSilverInTheFormFontWithItsExactCaption) {
    BrikoWindows program;
    program.Show();
    const std::pair<const QWidget*, QString> forms[] = {{&program.main, "- BRIKO for Windows 95 -"},
                                                        {&program.options, "BRIKO Options"},
                                                        {&program.about, "About Brikoline"},
                                                        {&program.controls, "BRIKO Controls"}};
    for (const auto& [form, caption] : forms) {
        kit::testing::ExpectFormStyle(*form);
        EXPECT_EQ(form->windowTitle(), caption);
    }
    EXPECT_EQ(program.main.menuBar()->font(), kit::formFont());
}

TEST(BrikoMainWindow, DisabledMenuTitlesAreGreyYetReadableInAGameAndADemonstration) {
    BrikoWindows program;
    program.Show();
    QMenuBar& bar = *program.main.menuBar();
    const Ui::BRIKOMainWindow& form = program.main.Form();
    QTest::keyClick(&program.main, Qt::Key_F2);
    for (QAction* locked : {form.Game1->menuAction(), form.Demo1, form.Help1->menuAction()})
        kit::testing::ExpectGreyedButReadable(bar, locked, form.New1);

    program.messages.AnswerQuestions(kit::MessageAnswer::Yes);
    QTest::keyClick(&program.main, Qt::Key_F2);
    WriteSetting("BRIKO_DemoSpeed", "0");
    QTest::keyClick(&program.main, Qt::Key_F10);
    for (QAction* locked : {form.Game1->menuAction(), form.New1, form.Pause1})
        kit::testing::ExpectGreyedButReadable(bar, locked, form.Demo1);
    QTest::keyClick(&program.main, Qt::Key_F10);
}

TEST(BrikoMainWindow, PauseStopsTheFallTimerAndAbortAnsweredNoResumes) {
    BrikoWindows program;
    program.Show();
    QTest::keyClick(&program.main, Qt::Key_F2);
    EXPECT_TRUE(program.main.FallTimer().isActive());
    EXPECT_EQ(program.main.FallTimer().interval(), 500);

    QTest::keyClick(&program.main, Qt::Key_F3);
    EXPECT_TRUE(program.main.Game().Paused());
    EXPECT_FALSE(program.main.FallTimer().isActive());
    QTest::keyClick(&program.main, Qt::Key_F3);
    EXPECT_FALSE(program.main.Game().Paused());
    EXPECT_TRUE(program.main.FallTimer().isActive());

    program.messages.AnswerQuestions(kit::MessageAnswer::No);
    QTest::keyClick(&program.main, Qt::Key_F2);
    EXPECT_EQ(program.messages.Requests().size(), 1u);
    EXPECT_FALSE(program.main.Game().NoGame());
    EXPECT_FALSE(program.main.Game().Paused());
    EXPECT_TRUE(program.main.FallTimer().isActive());
}

TEST(BrikoMainWindow, LookingAwayPausesAPlayersGameAsPauseDoesAndComingBackResumesNothing) {
    WriteSetting("BRIKO_DemoSpeed", "0");
    for (const Qt::Key start : {Qt::Key_F2, Qt::Key_F10})  // a demonstration runs on
        for (const auto& c : kit::testing::kLookAwayCases) {
            WriteSetting("BRIKO_AutoPause", c.autoPause);
            BrikoWindows program;
            program.Show();
            QTest::keyClick(&program.main, start);
            LookAwayAndBack(program.main, c.how);
            const bool pauses = c.pauses && start == Qt::Key_F2;
            EXPECT_EQ(program.main.Game().Paused(), pauses) << int(c.how) << c.autoPause << start;
            EXPECT_EQ(program.main.FallTimer().isActive(), !pauses) << int(c.how) << start;
            EXPECT_EQ(program.main.Form().Pause1->isEnabled(), start == Qt::Key_F2);
        }
}

TEST(BrikoMainWindow, ArrowsMoveAndRotateShiftMirrorsAndWallsRefuse) {
    // L mirrored (piece 8), which New shows in rotation 1.
    ScriptedRandom random{PieceDraw(8), PieceDraw(17)};
    BrikoWindows program(&random);
    program.Show();
    TBrikoMainWindow& window = program.main;
    const BrikoGame& game = window.Game();
    QTest::keyClick(&window, Qt::Key_F2);
    ASSERT_EQ(game.PieceNumber(), 8);
    ASSERT_EQ(game.PieceRotation(), 1);

    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(game.PieceX(), 9);
    QTest::keyClick(&window, Qt::Key_Left);
    EXPECT_EQ(game.PieceX(), 8);

    SendKey(&window, QEvent::KeyPress, Qt::Key_Shift, false, Qt::ShiftModifier);
    EXPECT_EQ(game.PieceNumber(), 2);
    EXPECT_EQ(game.PieceRotation(), 1);
    // Holding Shift does not mirror it back.
    SendKey(&window, QEvent::KeyPress, Qt::Key_Shift, true, Qt::ShiftModifier);
    EXPECT_EQ(game.PieceNumber(), 2);
    SendKey(&window, QEvent::KeyRelease, Qt::Key_Shift, false);

    // Against the left wall the mirror would need the wall's column, so it is refused.
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(&window, Qt::Key_Left);
    ASSERT_EQ(game.PieceX(), 3);
    SendKey(&window, QEvent::KeyPress, Qt::Key_Shift, false, Qt::ShiftModifier);
    EXPECT_EQ(game.PieceNumber(), 2);
    EXPECT_EQ(game.PieceX(), 3);

    // Rotation 2 would also need the wall's column; one column further right it fits.
    QTest::keyClick(&window, Qt::Key_Up);
    EXPECT_EQ(game.PieceRotation(), 1);
    QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Up);
    EXPECT_EQ(game.PieceRotation(), 2);
}

TEST(BrikoMainWindow, KeysActWhilePausedAndADropRestartsTheTimer) {
    ScriptedRandom random{PieceDraw(17), PieceDraw(17)};
    BrikoWindows program(&random);
    program.Show();
    TBrikoMainWindow& window = program.main;
    QTest::keyClick(&window, Qt::Key_F2);
    TickIntoView(window);
    QTest::keyClick(&window, Qt::Key_F3);
    ASSERT_FALSE(window.FallTimer().isActive());

    QTest::keyClick(&window, Qt::Key_Left);
    EXPECT_EQ(window.Game().PieceX(), 7);
    SendKey(&window, QEvent::KeyPress, Qt::Key_Down, false);
    EXPECT_TRUE(window.FallTimer().isActive());
    EXPECT_TRUE(window.Game().Paused());
}

TEST(BrikoMainWindow, DownFallsFastUntilReallyReleased) {
    BrikoWindows program;
    program.Show();
    TBrikoMainWindow& window = program.main;
    QTest::keyClick(&window, Qt::Key_F2);

    SendKey(&window, QEvent::KeyPress, Qt::Key_Down, false);
    EXPECT_EQ(window.FallTimer().interval(), TBrikoMainWindow::kShortestTimerPeriodMs);
    // Key repeat sends a release before each repeated press.
    SendKey(&window, QEvent::KeyRelease, Qt::Key_Down, true);
    SendKey(&window, QEvent::KeyPress, Qt::Key_Down, true);
    EXPECT_EQ(window.FallTimer().interval(), TBrikoMainWindow::kShortestTimerPeriodMs);
    SendKey(&window, QEvent::KeyRelease, Qt::Key_Down, false);
    EXPECT_EQ(window.FallTimer().interval(), 500);
}

// A plain virtual stick: SDL's axes run from -32768 (left, up) to 32767 (right, down).
class VirtualStick {
  public:
    bool ready() const { return pad_.present(); }
    void Set(int x, int y, bool button) {
        pad_.move(x + 32768, y + 32768);
        pad_.press(0, button);
    }

  private:
    VirtualPad pad_{VirtualPad::Kind::Stick};
};

TEST(BrikoMainWindow, TheJoystickMovesRotatesMirrorsAndDrops) {
    VirtualStick stick;
    ASSERT_TRUE(stick.ready()) << SDL_GetError();
    WriteSetting("BRIKO_JoyEnabled", "1");
    ScriptedRandom random{PieceDraw(8), PieceDraw(17)};
    random.FallBackTo(0);
    BrikoWindows program(&random);
    TBrikoMainWindow& window = program.main;
    program.Show();  // a pad moves nothing while another window is active
    ASSERT_TRUE(window.Joystick().Active());
    const BrikoGame& game = window.Game();
    window.Game().New();

    stick.Set(-32768, 0, false);
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceX(), 7);
    // Held away from the centre the move repeats at every poll.
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceX(), 6);
    stick.Set(0, 0, false);
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceX(), 6);

    stick.Set(0, -32768, false);
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceRotation(), 2);

    // Button 1 mirrors when pressed; holding or releasing it does nothing.
    stick.Set(0, 0, true);
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceNumber(), 2);
    window.Joystick().Poll();
    stick.Set(0, 0, false);
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceNumber(), 2);

    // Pulled down it drops, once the piece has come into the well.
    stick.Set(0, 32767, false);
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceCount(), 0);
    TickIntoView(window);
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceCount(), 1);
}

TEST(BrikoMainWindow, APadPluggedInOrPulledOutDuringAGameNeverStopsItOrSaysAnything) {
    WriteSetting("BRIKO_JoyEnabled", "1");
    ScriptedRandom random{PieceDraw(8), PieceDraw(17)};
    BrikoWindows program(&random);
    TBrikoMainWindow& window = program.main;
    program.Show();
    EXPECT_FALSE(window.Joystick().Active()) << "no pad at start";
    const BrikoGame& game = window.Game();
    window.Game().New();
    TickIntoView(window);

    VirtualPad pad(VirtualPad::Kind::Gamepad);
    ASSERT_TRUE(pad.present()) << SDL_GetError();
    window.Joystick().Poll();  // found
    ASSERT_TRUE(window.Joystick().Active());
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceX(), 7);

    pad.unplug();
    window.Joystick().Poll();
    window.Game().Tick();
    window.Joystick().Poll();
    EXPECT_FALSE(game.NoGame());
    EXPECT_EQ(game.PieceX(), 7);

    pad.plugIn();
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    window.Joystick().Poll();
    EXPECT_EQ(game.PieceX(), 8);
    EXPECT_FALSE(game.NoGame());
    EXPECT_TRUE(program.messages.Requests().empty());
}

TEST(BrikoMainWindow, AGamepadsStartPausesAndNothingMovesWhileAnotherWindowIsActive) {
    WriteSetting("BRIKO_JoyEnabled", "1");
    VirtualPad pad(VirtualPad::Kind::Gamepad);
    ASSERT_TRUE(pad.present()) << SDL_GetError();
    ScriptedRandom random{PieceDraw(8), PieceDraw(17)};
    BrikoWindows program(&random);
    TBrikoMainWindow& window = program.main;
    program.Show();
    QTest::keyClick(&window, Qt::Key_F2);
    TickIntoView(window);
    const auto poll = [&](SDL_GameControllerButton button) {
        pad.press(button);
        window.Joystick().Poll();
        pad.press(button, false);
        window.Joystick().Poll();
    };
    QApplication::setActiveWindow(nullptr);
    poll(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    poll(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(window.Game().PieceX(), 8);
    EXPECT_FALSE(window.Game().Paused());
    program.Show();
    poll(SDL_CONTROLLER_BUTTON_START);
    EXPECT_TRUE(window.Game().Paused());
    poll(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_EQ(window.Game().PieceX(), 7);
    poll(SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(window.Game().Paused());
}

// Four debris rows with a hole in column 10 each, and a vertical I above the hole.
class FourRows : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteSetting("BRIKO_Rows", "4");
        WriteSetting("BRIKO_Sound", "1");
        // The current and next pieces: I and X; then four rows with all their
        // holes in well column 5 (board column 10).
        random_.Script({PieceDraw(16), PieceDraw(17)});
        ScriptStartingRows(random_, 4, 5);
        random_.FallBackTo(0);
        program_ = std::make_unique<BrikoWindows>(&random_);
        program_->Show();
        window().Game().New();
        // Rotation 1 of I lies flat; one turn stands it upright in box column 2.
        QTest::keyClick(&window(), Qt::Key_Up);
        ASSERT_EQ(window().Game().PieceRotation(), 2);
        TickIntoView(window());
    }

    TBrikoMainWindow& window() { return program_->main; }
    const std::vector<kit::BeepSound>& beeps() { return program_->beeper.sounds; }

    ScriptedRandom random_;
    std::unique_ptr<BrikoWindows> program_;
};

TEST_F(FourRows, ByGravityGiveNoBeep) {
    while (window().Game().RemovedRows() == 0 && window().Game().PieceCount() == 0)
        window().Game().Tick();
    EXPECT_EQ(window().Game().RemovedRows(), 4);
    EXPECT_EQ(beeps(), std::vector<kit::BeepSound>{kit::BeepSound::Asterisk});
}

TEST_F(FourRows, ByAHardDropGiveOneBeep) {
    QTest::keyClick(&window(), Qt::Key_Space);
    EXPECT_EQ(window().Game().RemovedRows(), 4);
    EXPECT_EQ(beeps(),
              (std::vector<kit::BeepSound>{kit::BeepSound::Asterisk, kit::BeepSound::Default}));
    EXPECT_EQ(window().Game().Score(), 4 * 50 + 4);
}

// Demonstration games of X pieces alone top out after a few dozen pieces.
class Demonstration : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteSetting("BRIKO_DemoSpeed", "0");
        random_.FallBackTo(PieceDraw(17));
    }

    void Start(bool loop) {
        WriteSetting("BRIKO_DemoLoop", loop ? "1" : "0");
        program_ = std::make_unique<BrikoWindows>(&random_);
        program_->Show();
        QTest::keyClick(&window(), Qt::Key_F10);
        ASSERT_TRUE(window().Game().DemoRunning());
        ASSERT_TRUE(window().FallTimer().isActive());
    }

    // Ticks until a demonstration game ends, which starts the counters afresh;
    // returns the rows it removed.
    int PlayOneGame() {
        for (int tick = 0; tick < 2000; ++tick) {
            const int pieces = window().Game().PieceCount();
            const int rows = window().Game().RemovedRows();
            window().Game().Tick();
            if (pieces > 0 && window().Game().PieceCount() == 0)
                return rows;
        }
        ADD_FAILURE() << "the demonstration game did not end";
        return 0;
    }

    std::optional<DemoStatsRecord> Stats() {
        DemoStatsFile file;
        return LoadDemoStats(file);
    }

    TBrikoMainWindow& window() { return program_->main; }

    ScriptedRandom random_;
    std::unique_ptr<BrikoWindows> program_;
};

TEST_F(Demonstration, StoppedRecordsNothing) {
    Start(false);
    for (int tick = 0; tick < 10; ++tick)
        window().Game().Tick();
    EXPECT_EQ(window().Game().PieceCount(), 10);
    QTest::keyClick(&window(), Qt::Key_F10);
    EXPECT_FALSE(window().Game().DemoRunning());
    EXPECT_FALSE(window().FallTimer().isActive());
    EXPECT_FALSE(Stats().has_value());
}

TEST_F(Demonstration, LoopsAndRecordsTheRowsOfEachGame) {
    Start(true);
    const int first = PlayOneGame();
    EXPECT_TRUE(window().Game().DemoRunning());
    EXPECT_TRUE(window().FallTimer().isActive());
    EXPECT_EQ(window().Game().PieceCount(), 0);
    const int second = PlayOneGame();

    const auto stats = Stats();
    ASSERT_TRUE(stats.has_value());
    EXPECT_EQ(stats->Played, 2);
    EXPECT_EQ(stats->Minimum, std::min(first, second));
    EXPECT_EQ(stats->Maximum, std::max(first, second));
    EXPECT_EQ(window().Form().Demo1->text(), "&Stop");
}

TEST_F(Demonstration, WithoutLoopEndsIdleAfterOneGame) {
    Start(false);
    PlayOneGame();
    EXPECT_FALSE(window().Game().DemoRunning());
    EXPECT_TRUE(window().Game().NoGame());
    EXPECT_FALSE(window().FallTimer().isActive());
    EXPECT_EQ(window().Form().Demo1->text(), "&Demo");
    EXPECT_TRUE(window().Form().Game1->menuAction()->isEnabled());
    ASSERT_TRUE(Stats().has_value());
    EXPECT_EQ(Stats()->Played, 1);
}

TEST(BrikoMainWindow, StatsShowsTheRecordWithABeepOrSaysNoGameWasPlayed) {
    WriteSetting("BRIKO_Sound", "1");
    BrikoWindows program;
    program.Show();
    QTest::keyClick(&program.main, Qt::Key_F11);
    ASSERT_EQ(program.messages.Requests().size(), 1u);
    EXPECT_EQ(program.messages.Requests()[0].text, "No demo game has been played !");
    EXPECT_EQ(program.messages.Requests()[0].caption, "BRIKO Demo Statistics");
    EXPECT_EQ(program.messages.Requests()[0].icon, kit::MessageIcon::Error);

    DemoStatsFile file;
    RecordDemoResult(file, 12);
    RecordDemoResult(file, 10);
    QTest::keyClick(&program.main, Qt::Key_F11);
    ASSERT_EQ(program.messages.Requests().size(), 2u);
    const QString dashes(51, QChar('-'));
    EXPECT_EQ(program.messages.Requests()[1].caption, "BRIKO Demo Statistics : ");
    EXPECT_EQ(program.messages.Requests()[1].icon, kit::MessageIcon::Information);
    EXPECT_EQ(program.messages.Requests()[1].text,
              dashes +
                  QString::fromUtf8("\n\r» Demos played : 2\n\r» Maximum score : 12"
                                    "\n\r» Minimum score : 10\n\r» Mean score : 11.000000\n\r") +
                  dashes);
    EXPECT_EQ(program.beeper.sounds, std::vector<kit::BeepSound>{kit::BeepSound::Default});
}

TEST(BrikoMainWindow, RightClickShowsBestWithTheRunningScore) {
    ScriptedRandom random{PieceDraw(16), PieceDraw(16)};
    random.FallBackTo(0);
    BrikoWindows program(&random);
    program.Show();
    TBrikoMainWindow& window = program.main;
    QTest::keyClick(&window, Qt::Key_F2);
    TickIntoView(window);
    QTest::keyClick(&window, Qt::Key_Space);
    ASSERT_EQ(window.Game().Score(), 4);

    std::int32_t shown = -1;
    WhenModal([&](QWidget* modal) {
        auto* best = qobject_cast<kit::BestWindow*>(modal);
        ASSERT_NE(best, nullptr);
        shown = best->candidateScore();
        best->Ok();
    });
    QTest::mouseClick(window.centralWidget(), Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_EQ(shown, 4);
    EXPECT_TRUE(window.Game().PlayerGameOn());

    // From a CD-ROM the warning comes instead.
    kit::setCdRomProbe([] { return true; });
    QTest::mouseClick(window.centralWidget(), Qt::RightButton, {}, QPoint(100, 100));
    kit::setCdRomProbe({});
    ASSERT_EQ(program.messages.Requests().size(), 1u);
    EXPECT_EQ(program.messages.Requests()[0].caption, "Warning !");
}

TEST(BrikoMainWindow, ALostGameSaysSoThenOffersTheTableWithItsScore) {
    WriteSetting("BRIKO_Rows", "10");
    BrikoWindows program;
    program.Show();
    TBrikoMainWindow& window = program.main;
    QTest::keyClick(&window, Qt::Key_F2);
    // Ticks stop as soon as the well is topped out: the next one ends the game.
    auto topped = [&] { return IsToppedOut(window.Game().GetBoard()); };
    for (int drops = 0; drops < 60 && !topped(); ++drops) {
        for (int tick = 0; tick < 2 && !topped(); ++tick)
            window.Game().Tick();
        if (!topped())
            QTest::keyClick(&window, Qt::Key_Space);
    }
    ASSERT_TRUE(topped());
    const int finalScore = window.Game().Score();

    std::int32_t shown = -1;
    WhenModal([&](QWidget* modal) {
        auto* best = qobject_cast<kit::BestWindow*>(modal);
        ASSERT_NE(best, nullptr);
        shown = best->candidateScore();
        best->Ok();
    });
    window.Game().Tick();
    ASSERT_FALSE(program.messages.Requests().empty());
    EXPECT_EQ(program.messages.Requests()[0].text, "Game Over ...");
    EXPECT_EQ(program.messages.Requests()[0].caption, "Sorry !");
    EXPECT_EQ(shown, finalScore);
    EXPECT_EQ(window.Game().Score(), 0);
    EXPECT_FALSE(window.FallTimer().isActive());
    EXPECT_EQ(window.Form().New1->text(), "&New");
}

// X in rotation 1 after five ticks: its centre at (10, 3), its top arm at (10, 2).
void BringXIntoView(TBrikoMainWindow& window) {
    QTest::keyClick(&window, Qt::Key_F2);
    for (int i = 0; i < 5; ++i)
        window.Game().Tick();
    ASSERT_EQ(window.Game().PieceY(), 1);
}

TEST(BrikoMainWindow, DrawsAPieceAsOneShapeInTheAggregatedDesign) {
    ScriptedRandom random{PieceDraw(17), PieceDraw(17)};
    BrikoWindows program(&random);
    program.Show();
    BringXIntoView(program.main);
    const QImage client = Grab(program.main);
    // X has colour 5; the centre joins all four sides, the top arm only downward.
    EXPECT_EQ(CellOf(client, 10, 3), Tile(15, 5));
    EXPECT_EQ(CellOf(client, 10, 2), Tile(4, 5));
    EXPECT_EQ(CellOf(client, 9, 3), Tile(8, 5));
    // The rows the piece has left are empty again.
    EXPECT_EQ(CellOf(client, 10, 1), Tile(0, 0));
    EXPECT_EQ(CellOf(client, 5, 24), Tile(0, 0));
}

TEST(BrikoMainWindow, DrawsPiecesWithTheFirstTileOfAnotherDesign) {
    WriteSetting("BRIKO_Which", "3");
    ScriptedRandom random{PieceDraw(17), PieceDraw(17)};
    BrikoWindows program(&random);
    program.Show();
    BringXIntoView(program.main);
    const QImage client = Grab(program.main);
    EXPECT_EQ(CellOf(client, 10, 3), Tile(0, 5 + 9 * 3));
    EXPECT_EQ(CellOf(client, 10, 2), Tile(0, 5 + 9 * 3));
    EXPECT_NE(Tile(0, 5 + 9 * 3), Tile(0, 5));
    EXPECT_EQ(CellOf(client, 10, 1), Tile(0, 0));
}

TEST(BrikoMainWindow, IdleWellIsAWallAndTheNextBoxShowsTheIcon) {
    BrikoWindows program;
    program.Show();
    const QImage client = Grab(program.main);
    EXPECT_EQ(CellOf(client, 5, 0), Tile(0, 8));
    EXPECT_EQ(CellOf(client, 16, 24), Tile(0, 8));
    // The box's frame of empty tiles, and the icon inside it.
    const QImage box = client.copy(252, 348, 50, 50);
    EXPECT_EQ(box.pixelColor(3, 3), QColor(Qt::black));
    EXPECT_EQ(box.pixelColor(45, 45), QColor(Qt::black));
    const QImage icon = QImage(QStringLiteral(":/briko/icon_32.png"));
    EXPECT_EQ(box.pixelColor(9 + 16, 9 + 3), icon.pixelColor(16, 3));
}

TEST(BrikoMainWindow, LoadsSettingsIntoTheOfferedRangesAndWritesThemAtExit) {
    WriteSetting("BRIKO_Start", "12");
    WriteSetting("BRIKO_Rows", "-2");
    WriteSetting("BRIKO_DemoSpeed", "99");
    WriteSetting("BRIKO_Music", "7");
    WriteSetting("BRIKO_Which", "9");
    WriteSetting("BRIKO_Sound", "1");
    WriteSetting("BRIKO_JoyEnabled", "2");
    {
        BrikoWindows program;
        const BrikoOptions& options = program.main.Game().Options();
        EXPECT_EQ(options.StartLevel, 10);
        EXPECT_EQ(options.StartRows, 0);
        EXPECT_EQ(options.DemoSpeed, 20);
        EXPECT_EQ(program.main.Settings().music, 3);
        EXPECT_EQ(program.main.Settings().which, 4);
        EXPECT_TRUE(options.SoundOn);
        EXPECT_FALSE(program.main.Settings().joyEnabled);
        program.main.Settings().demoLoop = true;
    }
    EXPECT_EQ(ReadSetting("BRIKO_Start"), "10");
    EXPECT_EQ(ReadSetting("BRIKO_Rows"), "0");
    EXPECT_EQ(ReadSetting("BRIKO_DemoSpeed"), "20");
    EXPECT_EQ(ReadSetting("BRIKO_Music"), "3");
    EXPECT_EQ(ReadSetting("BRIKO_Which"), "4");
    EXPECT_EQ(ReadSetting("BRIKO_Sound"), "1");
    EXPECT_EQ(ReadSetting("BRIKO_DemoLoop"), "1");
    EXPECT_EQ(ReadSetting("BRIKO_JoyEnabled"), "0");
    EXPECT_EQ(ReadSetting("BRIKO_Delta_t"), "500");
}

TEST(BrikoMainWindow, ALevelTenGameRunsAtTheShortestPeriod) {
    WriteSetting("BRIKO_Start", "10");
    BrikoWindows program;
    program.Show();
    QTest::keyClick(&program.main, Qt::Key_F2);
    EXPECT_EQ(program.main.FallTimer().interval(), TBrikoMainWindow::kShortestTimerPeriodMs);
}

TEST(BrikoMainWindow, ClosingIdleShowsTheAboutWindowUnlessHidden) {
    {
        BrikoWindows program;
        program.Show();
        bool shown = false;
        WhenModal([&](QWidget* modal) {
            shown = modal == &program.about;
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        program.main.close();
        EXPECT_TRUE(shown);
    }
    WriteSetting("BRIKO_HideAboutBox", "1");
    {
        BrikoWindows program;
        program.Show();
        program.main.close();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_FALSE(program.main.isVisible());
    }
}

TEST(BrikoMainWindow, ClosingDuringAGameSkipsTheAboutWindow) {
    BrikoWindows program;
    program.Show();
    QTest::keyClick(&program.main, Qt::Key_F2);
    program.main.close();
    EXPECT_FALSE(program.main.isVisible());
    EXPECT_TRUE(program.messages.Requests().empty());
}

TEST(BrikoMainWindow, AboutShowsTheStandardBoxAndF1TheControls) {
    BrikoWindows program;
    program.Show();
    QTest::keyClick(&program.main, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(program.messages.Requests().size(), 1u);
    EXPECT_EQ(program.messages.Requests()[0].kind, kit::MessageKind::About);
    EXPECT_TRUE(program.messages.Requests()[0].text.contains("Dedicated to @Self"));
    EXPECT_FALSE(program.messages.Requests()[0].programIcon.isNull());

    bool shown = false;
    WhenModal([&](QWidget* modal) {
        shown = modal == &program.controls;
        QTest::keyClick(modal, Qt::Key_Space);
    });
    QTest::keyClick(&program.main, Qt::Key_F1);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(program.controls.isVisible());
}

TEST(BrikoMainWindow, OptionsOkAppliesAndCancelLeavesTheSettings) {
    BrikoWindows program;
    program.Show();
    TBrikoMainWindow& window = program.main;
    const Ui::BRIKOOptionsWindow& options = program.options.Form();
    WhenModal([&](QWidget*) {
        options.TrackBar2->setValue(7);
        options.RadioGroup1Item2->click();
        QTest::mouseClick(options.Button2, Qt::LeftButton);
    });
    QTest::keyClick(&window, Qt::Key_F6);
    EXPECT_EQ(window.Game().Options().StartLevel, 0);
    EXPECT_EQ(window.Settings().which, 0);

    int shownLevel = -1;
    WhenModal([&](QWidget*) {
        shownLevel = options.TrackBar2->value();
        options.TrackBar2->setValue(7);
        options.RadioGroup1Item2->click();
        QTest::mouseClick(options.Button1, Qt::LeftButton);
    });
    window.Form().Options->trigger();
    EXPECT_EQ(shownLevel, 0);
    EXPECT_EQ(window.Game().Options().StartLevel, 7);
    EXPECT_EQ(window.Settings().which, 2);

    // Options open only while no game runs.
    window.Form().New1->trigger();
    ASSERT_TRUE(window.Game().PlayerGameOn());
    window.OptionsClick();
    EXPECT_FALSE(program.options.isVisible());
}

TEST(BrikoMainWindow, CtrlPlusDoublesTheWindowAndItsPixelArtAndTheZoomIsKept) {
    {
        BrikoWindows program;
        program.Show();
        QTest::keyClick(&program.main, Qt::Key_F2);
        QTest::keyClick(&program.main, Qt::Key_F3);  // nothing falls between the pictures
        kit::testing::ExpectCtrlPlusDoubles(program.main,
                                            {"Bevel2", "Bevel4", "Bevel5", "Bevel6", "Bevel7"});
    }
    EXPECT_EQ(ReadSetting("BRIKO_Zoom"), "2");
}

TEST(BrikoMainWindow, CellsAreAlikeAtFractionalDesktopScales) {
    for (const double scale : {1.25, 1.5, 1.75}) {
        kit::testing::ScopedDesktopScale desktop(scale);
        BrikoWindows program;
        program.Show();
        kit::testing::ExpectEqualCells(program.main, "Bevel2", QSize(16, 16));
        kit::testing::ExpectEqualCells(program.main, "Bevel4", QSize(16, 24));
    }
}

TEST(BrikoMainWindow, AtThreeTimesTheKeysAndTheRightButtonReachTheGame) {
    ScriptedRandom random{PieceDraw(8), PieceDraw(17)};
    BrikoWindows program(&random);
    program.Show();
    TBrikoMainWindow& window = program.main;
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window.windowHandle()->devicePixelRatio(), 3);
    QTest::keyClick(&window, Qt::Key_F2);
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(window.Game().PieceX(), 9);

    qreal dialogRatio = 0;
    WhenModal([&](QWidget* modal) {
        dialogRatio = modal->devicePixelRatioF();
        static_cast<kit::BestWindow*>(modal)->Ok();
    });
    QTest::mouseClick(window.centralWidget(), Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_EQ(dialogRatio, 3);
}

}  // namespace
}  // namespace briko
