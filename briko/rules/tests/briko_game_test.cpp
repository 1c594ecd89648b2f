#include "briko/rules/briko_game.h"

#include "briko/rules/demo_stats.h"
#include "briko/rules/tests/board_text.h"
#include "briko/rules/tests/recording_view.h"
#include "briko/rules/tests/scripted_deals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace briko {
namespace {

using kit::testing::ScriptedRandom;
using testing::Hex;
using testing::MemoryStatsStore;
using testing::PieceDraw;
using testing::RecordingView;
using testing::RowsOf;
using testing::ScriptStartingRows;
using Events = std::vector<std::string>;

constexpr int kI = 16;
constexpr int kX = 17;
constexpr int kLmirrored = 8;

std::string At(int x, int y) {
    return " at " + std::to_string(x) + "," + std::to_string(y);
}

class BrikoGameTest : public ::testing::Test {
  protected:
    // A player's game whose first two pieces are given, over rows with a hole in column 11.
    void NewGame(int piece, int next, int rows = 0) {
        game.Options().StartRows = rows;
        random.Script({PieceDraw(piece), PieceDraw(next)});
        ScriptStartingRows(random, rows, 11);
        game.New();
        view.Take();
    }

    // Turns the dealt vertical bar upright and moves it over the hole in column 11.
    void BarOverTheHole() {
        game.Rotate();
        for (int i = 0; i < 6; ++i) {
            game.MoveRight();
        }
        ASSERT_EQ(game.PieceX(), kWellRight - 2);
        ASSERT_EQ(game.PieceRotation(), 2);
        view.Take();
    }

    void TickUntilLanded() {
        const int count = game.PieceCount();
        for (int i = 0; i < 40 && game.PieceCount() == count && !game.NoGame(); ++i) {
            game.Tick();
        }
    }

    RecordingView view;
    ScriptedRandom random;
    MemoryStatsStore stats;
    BrikoGame game{view, random, stats};
};

TEST_F(BrikoGameTest, StartsIdle) {
    EXPECT_TRUE(game.NoGame());
    EXPECT_FALSE(game.DemoRunning());
    EXPECT_EQ(game.GetBoard()[CellIndex(10, 10)], kWall);
    // Nothing moves and no tick does anything without a game.
    game.Tick();
    game.MoveLeft();
    game.HardDrop();
    game.TogglePause();
    EXPECT_TRUE(view.events.empty());
}

TEST_F(BrikoGameTest, NewStartsAGame) {
    game.Options().SoundOn = true;
    game.Options().StartLevel = 3;
    game.Options().StartRows = 2;
    random.Script({PieceDraw(kX), PieceDraw(kI)});
    ScriptStartingRows(random, 2, 4);
    game.New();
    EXPECT_EQ(view.Take(),
              (Events{"beep info", "music start", "repaint", "mode playing", "timer 350"}));
    EXPECT_TRUE(random.Exhausted());
    EXPECT_FALSE(game.NoGame());
    EXPECT_EQ(game.PieceNumber(), kX);
    EXPECT_EQ(game.PieceRotation(), 1);
    EXPECT_EQ(game.PieceMask(), PieceMask(kX, 1));
    EXPECT_EQ(game.PieceX(), 8);
    EXPECT_EQ(game.PieceY(), -4);
    EXPECT_EQ(game.NextPiece(), kI);
    EXPECT_EQ(game.NextRotation(), 1);
    EXPECT_EQ(game.NextMask(), PieceMask(kI, 1));
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(RowsOf(game.GetBoard(), 22),
              "............\n"
              "####.#######\n"
              "####.#######\n");
}

TEST_F(BrikoGameTest, LevelTenFallsAtTheShortestPeriod) {
    random.FallBackToSeed(1);
    game.Options().StartLevel = 10;
    game.New();
    EXPECT_EQ(view.events.back(), "timer 0");
    view.baseInterval = 800;
    game.Options().StartLevel = 2;
    view.answerAbort = true;
    game.New();  // aborts
    game.New();
    EXPECT_EQ(view.events.back(), "timer 640");
}

TEST_F(BrikoGameTest, GravityMovesThePieceAndLandsIt) {
    game.Options().StartLevel = 1;
    NewGame(kX, kI);
    const std::string mask = Hex(PieceMask(kX, 1));
    game.Tick();
    EXPECT_EQ(view.Take(), (Events{"erase " + mask + At(8, -4), "draw 17 " + mask + At(8, -3)}));
    EXPECT_EQ(game.PieceY(), -3);

    random.Script({PieceDraw(kX), 3});
    TickUntilLanded();
    const Events events = view.Take();
    // The cross fills box rows 1 to 3, so it lands with its box at row 21.
    const Events landing(events.end() - 5, events.end());
    EXPECT_EQ(landing, (Events{"timer stop", "draw 17 " + mask + At(8, 21), "counter score 0",
                               "repaint", "timer 450"}));
    // The first piece scored nothing; the one that just entered scores 4·(level + 1).
    EXPECT_EQ(game.Score(), 8);
    EXPECT_EQ(game.PieceCount(), 1);
    EXPECT_EQ(game.PieceNumber(), kI);
    EXPECT_EQ(game.PieceRotation(), 1);
    EXPECT_EQ(game.PieceY(), -4);
    EXPECT_EQ(game.NextPiece(), kX);
    EXPECT_EQ(game.NextRotation(), 3);
    EXPECT_EQ(game.GetBoard()[CellIndex(10, 23)], kX + 1);
}

TEST_F(BrikoGameTest, FourRowsByGravityMakeNoBeep) {
    random.FallBackToSeed(1);
    game.Options().SoundOn = true;
    NewGame(kI, kX, 4);
    BarOverTheHole();
    TickUntilLanded();
    EXPECT_EQ(game.RemovedRows(), 4);
    EXPECT_TRUE(view.Matching("beep").empty());
    const Events counters = view.Matching("counter");
    EXPECT_EQ(counters, (Events{"counter score 0", "counter score 200", "counter pieces 0"}));
    EXPECT_EQ(game.Score(), 200 + 4);
}

TEST_F(BrikoGameTest, FourRowsByAHardDropBeep) {
    random.FallBackToSeed(1);
    game.Options().SoundOn = true;
    NewGame(kI, kX, 4);
    BarOverTheHole();
    game.HardDrop();  // still above row −2
    EXPECT_TRUE(view.events.empty());
    game.Tick();
    game.Tick();
    view.Take();
    ASSERT_EQ(game.PieceY(), -2);
    game.HardDrop();
    const std::string mask = Hex(PieceMask(kI, 2));
    EXPECT_EQ(view.Take(),
              (Events{"timer stop", "erase " + mask + At(14, -2), "draw 16 " + mask + At(14, 20),
                      "counter score 0", "counter score 200", "counter pieces 0", "beep", "repaint",
                      "timer 500"}));
    EXPECT_EQ(game.RemovedRows(), 4);
    EXPECT_EQ(game.PieceCount(), 1);
}

TEST_F(BrikoGameTest, OneRowBeepsOnlyWithSound) {
    random.FallBackToSeed(1);
    NewGame(kI, kX, 1);
    BarOverTheHole();
    game.Tick();
    game.Tick();
    game.HardDrop();
    EXPECT_EQ(game.RemovedRows(), 1);
    EXPECT_TRUE(view.Matching("beep").empty());
}

TEST_F(BrikoGameTest, SpeedStepsAtTenRows) {
    random.FallBackToSeed(1);
    game.Options().StartLevel = 9;
    NewGame(kI, kI, 10);
    BarOverTheHole();
    game.Tick();
    game.Tick();
    random.Script({PieceDraw(kX), 0});
    game.HardDrop();
    EXPECT_EQ(game.RemovedRows(), 5);
    EXPECT_EQ(view.events.back(), "timer 50");
    BarOverTheHole();
    game.Tick();
    game.Tick();
    game.HardDrop();
    EXPECT_EQ(game.RemovedRows(), 10);
    EXPECT_EQ(game.SpeedReduction(), 500);
    EXPECT_EQ(view.events.back(), "timer 0");
    // Two pieces entered after the first: 4·10 each, and 10 rows at 50·10.
    EXPECT_EQ(game.Score(), 2 * 40 + 10 * 500);
}

TEST_F(BrikoGameTest, MovesAreRefusedByWalls) {
    NewGame(kI, kX);
    // The horizontal bar spans its whole box: four steps left reach the wall.
    for (int i = 0; i < 6; ++i) {
        game.MoveLeft();
    }
    EXPECT_EQ(game.PieceX(), 5);
    game.Rotate();
    EXPECT_EQ(game.PieceRotation(), 2);
    game.MoveLeft();
    game.MoveLeft();
    game.MoveLeft();
    EXPECT_EQ(game.PieceX(), 3);
    view.Take();
    // Lying down again would reach into the wall.
    game.Rotate();
    EXPECT_EQ(game.PieceRotation(), 2);
    EXPECT_EQ(game.PieceMask(), PieceMask(kI, 2));
    EXPECT_TRUE(view.events.empty());
}

TEST_F(BrikoGameTest, MirrorIsRefusedByAWall) {
    NewGame(kLmirrored, kX);
    game.Mirror();
    EXPECT_EQ(game.PieceNumber(), 2);
    for (int i = 0; i < 8; ++i) {
        game.MoveLeft();
    }
    EXPECT_EQ(game.PieceX(), 3);
    view.Take();
    game.Mirror();
    EXPECT_EQ(game.PieceNumber(), 2);
    EXPECT_TRUE(view.events.empty());
}

TEST_F(BrikoGameTest, MovesDrawTheNewCellsAndEraseWhatIsUncovered) {
    NewGame(kX, kX);
    const ShapeMask x = PieceMask(kX, 1);
    game.MoveRight();
    EXPECT_EQ(view.Take(), (Events{"draw 17 " + Hex(x) + At(9, -4),
                                   "erase " + Hex(x & ~ShiftMaskRight(x)) + At(8, -4)}));
    game.MoveLeft();
    EXPECT_EQ(view.Take(), (Events{"draw 17 " + Hex(x) + At(8, -4),
                                   "erase " + Hex(x & ~ShiftMaskLeft(x)) + At(9, -4)}));
    view.answerAbort = true;
    game.New();
    NewGame(kLmirrored, kX);
    game.Rotate();
    const ShapeMask from = PieceMask(kLmirrored, 1);
    const ShapeMask to = PieceMask(kLmirrored, 2);
    EXPECT_EQ(view.Take(),
              (Events{"draw 8 " + Hex(to) + At(8, -4), "erase " + Hex(from & ~to) + At(8, -4)}));
}

TEST_F(BrikoGameTest, SoftDropAndPause) {
    NewGame(kX, kX);
    game.SoftDropStart();
    game.SoftDropStart();
    game.SoftDropEnd();
    EXPECT_EQ(view.Take(), (Events{"timer 1", "timer 1", "timer 500"}));

    game.TogglePause();
    EXPECT_TRUE(game.Paused());
    EXPECT_FALSE(view.timer);
    // Moves still act while paused, and a soft drop sets the game going again.
    game.MoveLeft();
    EXPECT_EQ(game.PieceX(), 7);
    game.SoftDropStart();
    EXPECT_EQ(view.timer, 1);
    EXPECT_TRUE(game.Paused());
    game.TogglePause();
    EXPECT_FALSE(game.Paused());
    EXPECT_EQ(view.timer, 500);
}

TEST_F(BrikoGameTest, Joystick) {
    random.FallBackToSeed(1);
    NewGame(kLmirrored, kX);
    game.JoyMove(-2, 2);  // left and up: move and rotate in one event
    EXPECT_EQ(game.PieceX(), 7);
    EXPECT_EQ(game.PieceRotation(), 2);
    game.JoyMove(1, -1);  // within the dead zone
    EXPECT_EQ(game.PieceX(), 7);
    game.JoyMove(2, 0);
    EXPECT_EQ(game.PieceX(), 8);
    game.JoyButton1();
    EXPECT_EQ(game.PieceNumber(), 2);
    game.JoyMove(0, -2);  // a hard drop, ignored this high up
    EXPECT_EQ(game.PieceY(), -4);
    game.Tick();
    game.Tick();
    game.JoyMove(0, -2);
    EXPECT_EQ(game.PieceCount(), 1);
}

TEST_F(BrikoGameTest, ALandingThatTopsOutEndsTheGameAtTheNextTick) {
    game.Options().StartLevel = 2;
    NewGame(kX, kX, 22);  // rows 3 to 24
    TickUntilLanded();
    EXPECT_TRUE(game.NoGame());
    EXPECT_TRUE(game.PlayerGameOn());
    EXPECT_EQ(view.timer, 400);
    // Moves are over, the next tick ends the game.
    game.MoveLeft();
    view.Take();
    game.Tick();
    EXPECT_EQ(view.Take(),
              (Events{"timer stop", "game over", "music stop", "mode idle", "best 0", "repaint"}));
    EXPECT_FALSE(game.PlayerGameOn());
    EXPECT_EQ(game.GetBoard()[CellIndex(10, 10)], kWall);
    EXPECT_EQ(game.NextMask(), 0u);
    EXPECT_EQ(game.Score(), 0);
}

TEST_F(BrikoGameTest, TheLostGameKeepsItsScore) {
    NewGame(kX, kX, 19);  // rows 6 to 24: one cross fits above, the second tops out
    random.Script({PieceDraw(kX), 1});
    TickUntilLanded();
    TickUntilLanded();
    ASSERT_TRUE(game.NoGame());
    ASSERT_EQ(game.Score(), 4);
    // New before the last tick ends the lost game first, with its score.
    view.Take();
    game.New();
    EXPECT_EQ(view.Matching("best"), (Events{"best 4"}));
    EXPECT_FALSE(game.PlayerGameOn());
}

TEST_F(BrikoGameTest, AbortAsksAndResumesOnNo) {
    NewGame(kX, kX);
    game.New();
    EXPECT_EQ(view.Take(), (Events{"timer stop", "ask abort", "timer 500"}));
    EXPECT_FALSE(game.Paused());
    EXPECT_FALSE(game.NoGame());

    // A game paused before is resumed after the question too.
    game.TogglePause();
    view.Take();
    game.New();
    EXPECT_EQ(view.Take(), (Events{"ask abort", "timer 500"}));
    EXPECT_FALSE(game.Paused());

    view.answerAbort = true;
    game.New();
    EXPECT_EQ(view.Take(), (Events{"timer stop", "ask abort", "timer stop", "music stop",
                                   "mode idle", "repaint"}));
    EXPECT_TRUE(game.NoGame());
    EXPECT_FALSE(game.Paused());
    EXPECT_EQ(game.PieceMask(), 0u);
    EXPECT_EQ(game.GetBoard()[CellIndex(10, 10)], kWall);
    EXPECT_TRUE(view.Matching("best").empty());
}

TEST_F(BrikoGameTest, DemonstrationPlacementShowsTheMove) {
    game.Options().SoundOn = true;
    random.Script({PieceDraw(kX)});
    game.Demo();
    EXPECT_EQ(view.Take(), (Events{"mode demo", "repaint", "timer 1"}));
    EXPECT_FALSE(game.NoGame());

    random.Script({PieceDraw(kX)});
    game.Tick();
    const std::string m = Hex(PieceMask(kX, 0));
    Events expected{"next 17 " + m,
                    "counter pieces 1",
                    "counter score 4",
                    "draw 17 " + m + At(8, -1),
                    "erase " + m + At(8, -1),
                    "draw 17 " + m + At(8, -1),
                    "pause",
                    "erase " + m + At(8, -1)};
    // The cross slides to the left wall: box column 4.
    for (int column = 8; column >= 4; --column) {
        expected.insert(expected.end(),
                        {"draw 17 " + m + At(column, -1), "pause", "erase " + m + At(column, -1)});
    }
    const std::string uncovered = Hex(PieceMask(kX, 0) & ~ShiftMaskDown(PieceMask(kX, 0)));
    for (int row = 0; row <= 21; ++row) {
        expected.insert(expected.end(),
                        {"draw 17 " + m + At(4, row), "pause", "erase " + uncovered + At(4, row)});
    }
    expected.insert(expected.end(), {"draw 17 " + m + At(4, 21), "repaint"});
    EXPECT_EQ(view.Take(), expected);
    EXPECT_EQ(game.GetBoard()[CellIndex(5, 23)], kX + 1);
    EXPECT_EQ(game.Score(), 4);
    EXPECT_EQ(game.PieceCount(), 1);
    // Keys do nothing during a demonstration, nor does New.
    game.MoveRight();
    game.New();
    EXPECT_TRUE(view.events.empty());
}

TEST_F(BrikoGameTest, DemonstrationShowsTheMirrorFirst) {
    random.FallBackToSeed(1);
    game.Options().DemoLoop = true;
    game.Demo();
    for (int tick = 0; tick < 5000; ++tick) {
        view.Take();
        game.Tick();
        const int piece = game.PieceNumber();
        if (piece < 1 || piece > 6 || view.events.size() < 9) {
            continue;
        }
        // Shown unmirrored at the top, then a pause, the mirror in the chosen
        // rotation, a pause, and the rotations from 0.
        const std::string mirrored = Hex(PieceMask(piece, game.PieceRotation()));
        EXPECT_EQ(view.events[3], "draw " + std::to_string(MirrorPiece(piece)) + " " +
                                      Hex(PieceMask(MirrorPiece(piece), 0)) + At(8, -1));
        EXPECT_EQ(view.events[5], "pause");
        EXPECT_EQ(view.events[6], "draw " + std::to_string(piece) + " " + mirrored + At(8, -1));
        EXPECT_EQ(view.events[7], "pause");
        EXPECT_EQ(view.events[8], "erase " + mirrored + At(8, -1));
        EXPECT_EQ(view.events[9],
                  "draw " + std::to_string(piece) + " " + Hex(PieceMask(piece, 0)) + At(8, -1));
        return;
    }
    FAIL() << "no mirrored move in 5000 placements";
}

TEST_F(BrikoGameTest, DemonstrationClearsFourRowsWithoutABeep) {
    game.Options().SoundOn = true;
    game.Options().StartRows = 4;
    ScriptStartingRows(random, 4, 11);
    random.Script({PieceDraw(kI), PieceDraw(kX)});
    game.Demo();
    game.Tick();
    EXPECT_EQ(game.RemovedRows(), 4);
    EXPECT_EQ(game.Score(), 4 + 200);
    EXPECT_TRUE(view.Matching("beep").empty());
    EXPECT_EQ(view.Matching("counter"), (Events{"counter pieces 1", "counter score 4",
                                                "counter pieces 1", "counter score 204"}));
}

TEST_F(BrikoGameTest, DemonstrationGamesAreRecordedUntilStopped) {
    random.FallBackToSeed(1);
    game.Options().DemoLoop = true;
    int games = 0;
    int lastRows = -1;
    game.Demo();
    for (int tick = 0; tick < 20000 && games < 2; ++tick) {
        const int rows = game.RemovedRows();
        game.Tick();
        if (stats.writes > 0 && game.PieceCount() == 0) {
            ++games;
            lastRows = rows;
            EXPECT_TRUE(game.DemoRunning());
            EXPECT_EQ(view.timer, 1);
            EXPECT_EQ(game.Score(), 0);
        }
    }
    ASSERT_EQ(games, 2);
    const auto record = LoadDemoStats(stats);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Played, 2);
    // The statistics count rows, not points.
    EXPECT_TRUE(record->Maximum == lastRows || record->Minimum == lastRows);
    EXPECT_GT(record->Maximum, 0);

    // Stop records nothing.
    const std::string before = *stats.value;
    game.Tick();
    view.Take();
    game.Demo();
    EXPECT_EQ(view.Take(), (Events{"timer stop", "mode idle", "repaint"}));
    EXPECT_EQ(*stats.value, before);
    EXPECT_TRUE(game.NoGame());
    EXPECT_EQ(game.GetBoard()[CellIndex(10, 10)], kWall);
}

TEST_F(BrikoGameTest, ADemonstrationWithoutLoopEndsIdle) {
    random.FallBackToSeed(1);
    game.Options().StartRows = 23;  // row 2 and below: topped out at once
    game.Demo();
    view.Take();
    game.Tick();
    EXPECT_EQ(view.Take(), (Events{"timer stop", "mode idle", "repaint"}));
    EXPECT_FALSE(game.DemoRunning());
    EXPECT_TRUE(game.NoGame());
    const auto record = LoadDemoStats(stats);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Played, 1);
    EXPECT_EQ(record->Minimum, 0);
}

TEST_F(BrikoGameTest, StatsAreShownOnlyWhenThereAreSome) {
    game.Options().SoundOn = true;
    game.Stats();
    EXPECT_EQ(view.Take(), (Events{"no statistics"}));
    DemoStatsRecord record;
    RecordDemoResult(record, 12);
    stats.value = EncodeStatsText(record);
    game.Stats();
    EXPECT_EQ(view.Take(), (Events{"beep", "statistics"}));
    EXPECT_NE(view.statisticsText.find("Demos played : 1"), std::string::npos);
    // Not during a game.
    NewGame(kX, kX);
    game.Stats();
    EXPECT_TRUE(view.events.empty());
}

}  // namespace
}  // namespace briko
