#include "orchard/rules/orchard_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "kit/testing/scripted_random.h"
#include "orchard/rules/tests/board_text.h"
#include "orchard/rules/tests/recording_view.h"

namespace orchard {
namespace {

using kit::testing::ScriptedRandom;
using testing::RecordingView;
using testing::WellFromText;
using testing::WellText;

// Scripts the three kinds (1 to 7) of one dealt column, top to bottom.
void ScriptColumn(ScriptedRandom& random, int top, int middle, int bottom) {
    random.Script({top - 1, middle - 1, bottom - 1});
}

void ExpectScreenShows(const RecordingView& view, const Board& board) {
    for (const auto& [place, code] : view.cells) {
        const auto [c, r] = place;
        if (r >= 0) {
            EXPECT_EQ(code, board.At(c, r)) << "cell " << c << "," << r;
        }
    }
}

class OrchardGameTest : public ::testing::Test {
  protected:
    // Once the script is used up every draw is 0: cherries, and no jocker block.
    OrchardGameTest() { random.FallBackTo(0); }

    // Starts a fresh game, then replaces its well and puts `falling` at middle
    // row m of column c, as if it had fallen there.
    void StartOn(std::string_view well, Column falling, int c, int m) {
        game.AbortGame();
        game.NewGame();
        state.Board = WellFromText(well);
        state.FallingColumn = falling;
        state.ColumnX = state.PrevX = 16 * c;
        state.ColumnY = state.PrevY = 16 * m;
        view.Clear();
    }

    // Every cell of the well proper drawn since the start shows what the well
    // now holds.
    void ExpectScreenShowsWell() const { ExpectScreenShows(view, state.Board); }

    RecordingView view;
    ScriptedRandom random;
    OrchardGame game{view, random};
    OrchardState& state = game.EditState();
    OrchardOptions& options = game.Options();
};

TEST_F(OrchardGameTest, NewGameDealsNextThenFallingAndArmsTheLevelInterval) {
    options.SoundOn = true;
    options.StartLevel = 1;
    ScriptColumn(random, 1, 2, 3);
    ScriptColumn(random, 4, 5, 6);
    game.NewGame(65536 + 500);

    EXPECT_EQ(state.NextColumn, (Column{1, 2, 3}));
    EXPECT_EQ(state.FallingColumn, (Column{4, 5, 6}));
    EXPECT_EQ(random.Ranges(), std::vector<int>(6, 7));
    EXPECT_FALSE(state.NoGame);
    EXPECT_EQ(state.DeltaT, 500);
    EXPECT_EQ(state.Level, 1);
    EXPECT_EQ(view.timer, 450);
    EXPECT_EQ(view.effects, std::vector<int>{2});
    EXPECT_EQ(WellText(state.Board, -3), WellText(WellFromText(""), -3))
        << "rows -3 to 23 start empty";
    EXPECT_EQ(state.Board.At(5, 24), Stone);
    EXPECT_EQ(state.ColumnX, 48);
    EXPECT_EQ(state.ColumnY, -48);

    state.Score = 77;
    game.NewGame();
    EXPECT_EQ(state.Score, 77) << "a running game is not restarted";
}

struct LevelCase {
    std::uint32_t startLevel;
    int atStart, afterOne, afterFour;
};

class LevelIntervalTest : public OrchardGameTest,
                          public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelIntervalTest, EachStartLevelAndEachLevelGainedTakeTheirShare) {
    const LevelCase level = GetParam();
    options.StartLevel = level.startLevel;
    game.NewGame(500);
    EXPECT_EQ(view.timer, level.atStart);
    for (int tick = 1; tick <= 4; ++tick) {
        state.Score = static_cast<std::uint16_t>(500 * state.Level);
        game.FallTick();
        if (tick == 1) {
            EXPECT_EQ(view.timer, level.afterOne);
        }
    }
    EXPECT_EQ(view.timer, level.afterFour);
    EXPECT_EQ(state.Level, level.startLevel + 4);
    EXPECT_EQ(view.counters[Counter::Level], level.startLevel + 4);
}

// Level 12 lies outside what the options allow; the interval still stays at 0.
INSTANTIATE_TEST_SUITE_P(FromDeltaT500, LevelIntervalTest,
                         ::testing::Values(LevelCase{0, 500, 475, 400}, LevelCase{1, 450, 425, 350},
                                           LevelCase{5, 250, 225, 150}, LevelCase{10, 0, 0, 0},
                                           LevelCase{12, 0, 0, 0}),
                         [](const ::testing::TestParamInfo<LevelCase>& info) {
                             return "StartLevel" + std::to_string(info.param.startLevel);
                         });

TEST_F(OrchardGameTest, AtMostOneLevelIsGainedPerTick) {
    game.NewGame();
    state.Score = 5000;
    game.FallTick();
    EXPECT_EQ(state.Level, 2);
    EXPECT_EQ(game.FallInterval(), 425);
}

TEST_F(OrchardGameTest, AFreshColumnCanOnlyCycleAndMovesBeforeItCanDrop) {
    ScriptColumn(random, 7, 7, 7);
    ScriptColumn(random, 1, 2, 3);
    game.NewGame();
    game.MoveLeft();
    game.MoveRight();
    game.DropColumn();
    EXPECT_EQ(state.ColumnX, 48);
    EXPECT_EQ(state.ColumnY, -48);
    game.CycleColumn();
    EXPECT_EQ(state.FallingColumn, (Column{2, 3, 1}));

    game.FallTick();  // middle row -2, as after every landing
    game.DropColumn();
    EXPECT_EQ(state.ColumnY, -32);
    EXPECT_EQ(state.PlayedBlocks, 0u);
    game.MoveRight();
    EXPECT_EQ(state.ColumnX, 64);
    game.MoveLeft();
    EXPECT_EQ(state.ColumnX, 48);
}

TEST_F(OrchardGameTest, MovingLeftJustBelowTheDealingRowsIgnoresTheCells) {
    StartOn("", {1, 2, 3}, 3, -2);
    state.Board.Set(2, -1, Stone);
    game.MoveLeft();
    EXPECT_EQ(state.ColumnX, 32);

    StartOn("", {1, 2, 3}, 3, -1);
    state.Board.Set(2, -1, Stone);
    game.MoveLeft();
    EXPECT_EQ(state.ColumnX, 48);
    EXPECT_EQ(view.columns.size(), 1u) << "a refused move left still redraws the column";

    StartOn("", {1, 2, 3}, 0, 5);
    game.MoveLeft();
    EXPECT_EQ(state.ColumnX, 0);
    StartOn("", {1, 2, 3}, 7, 5);
    game.MoveRight();
    EXPECT_EQ(state.ColumnX, 112);
}

TEST_F(OrchardGameTest, ASidewaysMoveOverAStackLandsAtOnce) {
    StartOn(
        "....1...\n"
        "....2...\n"
        "....1...\n"
        "....2...\n",
        {3, 4, 5}, 3, 18);
    state.NextColumn = {6, 6, 7};
    game.MoveRight();
    EXPECT_EQ(WellText(state.Board, 17),
              "....3...\n"
              "....4...\n"
              "....5...\n"
              "....1...\n"
              "....2...\n"
              "....1...\n"
              "....2...\n");
    EXPECT_EQ(state.PlayedBlocks, 1u);
    EXPECT_FALSE(view.next) << "the next block is drawn only while it is shown";
    EXPECT_EQ(state.FallingColumn, (Column{6, 6, 7}));
    EXPECT_EQ(state.ColumnX, 48);
    EXPECT_EQ(state.ColumnY, -32);
}

TEST_F(OrchardGameTest, TwoLinesThroughOneFruitScoreAndClearInOnePass) {
    options.SoundOn = true;
    StartOn("11......\n", {1, 1, 1}, 2, 21);
    game.FallTick();
    // Down 25, right 15, and 3 for landing at level 1.
    EXPECT_EQ(state.Score, 43);
    EXPECT_EQ(state.Eliminated, 1);
    EXPECT_EQ(WellText(state.Board, 0), WellText(WellFromText(""), 0));
    EXPECT_EQ(view.effects, std::vector<int>{1});
    EXPECT_EQ(view.counters[Counter::Score], 43u);
    EXPECT_EQ(view.counters[Counter::Eliminated], 1u);
    ExpectScreenShowsWell();
}

TEST_F(OrchardGameTest, ACascadeScoresEveryPassWithTheTimerStopped) {
    options.SoundOn = true;
    StartOn(
        "..1.....\n"
        "661.....\n",
        {5, 6, 1}, 2, 19);
    game.FallTick();
    // Three cherries down (25), then the settled sixes across (15), then 3 for landing.
    EXPECT_EQ(state.Score, 43);
    EXPECT_EQ(state.Eliminated, 2);
    EXPECT_EQ(WellText(state.Board, 22),
              "........\n"
              "..5.....\n");
    EXPECT_EQ(view.effects, (std::vector<int>{1, 1}));
    ExpectScreenShowsWell();

    const auto& log = view.log;
    const auto stop = std::find(log.begin(), log.end(), "stop");
    const auto lastPause = std::find(log.rbegin(), log.rend(), "pause").base();
    ASSERT_LT(stop, lastPause);
    EXPECT_TRUE(std::none_of(stop, lastPause, [](const std::string& entry) {
        return entry.starts_with("start");
    })) << "the fall timer stays stopped while the cascade runs";
    EXPECT_EQ(view.timer, 450);
}

TEST_F(OrchardGameTest, AJockerBlockClearsEveryFruitOfTheKindItLandsOn) {
    StartOn(
        "1.......\n"
        "21....1.\n"
        "12.1..2.\n",
        JokerColumn, 3, 20);
    state.JokerPending = true;
    game.FallTick();
    EXPECT_EQ(WellText(state.Board, 20),
              "........\n"
              "........\n"
              "........\n"
              "22....2.\n");
    EXPECT_EQ(state.Score, 3) << "the jocker block earns nothing";
    EXPECT_EQ(state.Eliminated, 1);
    EXPECT_FALSE(state.JokerPending);
    ExpectScreenShowsWell();
}

TEST_F(OrchardGameTest, AJockerBlockOnTheFloorClearsOnlyItself) {
    StartOn("1......1\n", JokerColumn, 3, 21);
    state.JokerPending = true;
    game.FallTick();
    EXPECT_EQ(WellText(state.Board, 20), WellText(WellFromText("1......1\n"), 20));
    EXPECT_EQ(state.Eliminated, 1);
}

TEST_F(OrchardGameTest, AJockerBlockStickingOutOfTheWellStillClearsItself) {
    std::string well;
    for (int r = 1; r < 24; ++r) {
        well += r % 2 ? "...2....\n" : "...3....\n";
    }
    StartOn(well, JokerColumn, 3, -2);
    state.JokerPending = true;
    game.FallTick();
    for (int r = Board::TopRow; r < Board::FloorRow; ++r) {
        EXPECT_NE(state.Board.At(3, r), Joker) << "row " << r;
        EXPECT_NE(state.Board.At(3, r), 2) << "row " << r;
    }
    EXPECT_FALSE(state.NoGame);
}

TEST_F(OrchardGameTest, TheLuckyDrawDealsAJockerBlockOrRepeatsTheColumn) {
    const auto landWithDraw = [&](int draw, Column next) {
        StartOn("", {1, 2, 3}, 0, 21);
        state.NextColumn = next;
        random.ClearRanges();
        random.Script({draw});
        game.FallTick();
    };
    options.JockerEnabled = true;
    options.ShowNext = true;
    landWithDraw(1, {4, 5, 6});
    EXPECT_EQ(state.NextColumn, JokerColumn);
    EXPECT_EQ(view.next, JokerColumn);
    EXPECT_TRUE(state.JokerPending);
    EXPECT_EQ(random.Ranges(), std::vector<int>{50});

    landWithDraw(1, JokerColumn);
    EXPECT_EQ(state.NextColumn, (Column{1, 1, 1})) << "never two jocker blocks in a row";
    EXPECT_EQ(random.Ranges(), (std::vector<int>{50, 7, 7, 7}));

    options.JockerEnabled = false;
    state.JokerPending = false;
    landWithDraw(1, {4, 5, 6});
    EXPECT_EQ(state.NextColumn, (Column{4, 5, 6}));
    EXPECT_EQ(state.FallingColumn, (Column{4, 5, 6}));
    EXPECT_FALSE(state.JokerPending);

    landWithDraw(7, {4, 5, 6});
    EXPECT_EQ(state.NextColumn, (Column{1, 1, 1}));
}

TEST_F(OrchardGameTest, TheGameIsLostOnlyWhenRowZeroStaysFilledAfterTheCascades) {
    std::string well = "...1....\n...1....\n";
    for (int r = 3; r < 24; ++r) {
        well += r % 2 ? "...2....\n" : "...3....\n";
    }
    StartOn(well, {4, 5, 1}, 3, -2);
    game.FallTick();
    EXPECT_EQ(state.Eliminated, 1);
    EXPECT_EQ(state.Board.At(3, 0), Empty);
    EXPECT_EQ(state.Board.At(3, -1), 5) << "fruits above the well stay where they landed";
    EXPECT_FALSE(state.NoGame);

    StartOn(well, {4, 5, 6}, 3, -2);
    game.FallTick();
    EXPECT_TRUE(state.NoGame);
    EXPECT_EQ(game.CurrentPhase(), Phase::Lost);
    const OrchardState lost = state;
    game.FallTick();
    game.MoveLeft();
    game.MoveRight();
    game.CycleColumn();
    game.DropColumn();
    EXPECT_EQ(state.ColumnX, lost.ColumnX);
    EXPECT_EQ(state.ColumnY, lost.ColumnY);
    EXPECT_EQ(state.FallingColumn, lost.FallingColumn);

    EXPECT_EQ(game.EndGame(), 3);
    EXPECT_EQ(game.CurrentPhase(), Phase::Idle);
    EXPECT_FALSE(view.timer);
    EXPECT_EQ(state.Score, 0);
    EXPECT_EQ(state.Level, 0);
    EXPECT_EQ(state.PlayedBlocks, 0u);
    EXPECT_EQ(state.NextColumn, StoneColumn);
    EXPECT_EQ(WellText(state.Board, 0), WellText(Board{}, 0)) << "a well full of Stone";
}

TEST_F(OrchardGameTest, TheScoreWrapsAt65536) {
    StartOn("", {1, 2, 3}, 0, 21);
    state.Level = 200;
    state.Score = 65000;
    game.FallTick();
    EXPECT_EQ(state.Score, 64);
}

TEST_F(OrchardGameTest, ADroppedColumnFallsAsOneGroupThenLands) {
    options.SoundOn = true;
    StartOn("1.......\n", {2, 3, 4}, 0, -1);
    game.DropColumn();
    EXPECT_EQ(view.log.front(), "stop");
    EXPECT_EQ(WellText(state.Board, 19),
              "........\n"
              "2.......\n"
              "3.......\n"
              "4.......\n"
              "1.......\n");
    ASSERT_FALSE(view.columns.empty());
    EXPECT_EQ(view.columns.back().columnY, 21 * 16) << "the column is drawn where it came to rest";
    EXPECT_EQ(view.effects, std::vector<int>{3});
    EXPECT_EQ(state.PlayedBlocks, 1u);
    EXPECT_EQ(state.ColumnY, -32);
    ExpectScreenShowsWell();
}

TEST_F(OrchardGameTest, SettlingPacksEveryColumnOntoTheFloorInItsOrder) {
    StartOn(
        "1.......\n"
        "2..4....\n"
        "3.......\n"
        "4..5....\n"
        "........\n"
        "........\n"
        "......6.\n"
        "........\n"
        "5.......\n",
        {1, 2, 3}, 3, -2);
    game.SettleBoard(false);
    EXPECT_EQ(WellText(state.Board, 19),
              "1.......\n"
              "2.......\n"
              "3.......\n"
              "4..4....\n"
              "5..5..6.\n");
    EXPECT_EQ(WellText(state.Board, 0).find_first_not_of(".\n"), 19u * 9);
    EXPECT_EQ(state.ColumnY, -32);
    ExpectScreenShowsWell();
}

TEST_F(OrchardGameTest, PauseFastFallAndAbortDriveTheTimer) {
    game.TogglePause();
    EXPECT_FALSE(state.Paused) << "no game runs yet";
    options.StartLevel = 1;
    game.NewGame();
    game.TogglePause();
    EXPECT_TRUE(state.Paused);
    EXPECT_FALSE(view.timer);
    game.StartFastFall();
    EXPECT_EQ(view.timer, 1);
    EXPECT_TRUE(state.Paused) << "Down does not end a pause";
    game.StopFastFall();
    EXPECT_EQ(view.timer, 450);
    game.TogglePause();
    EXPECT_FALSE(state.Paused);
    EXPECT_EQ(view.timer, 450);

    game.TogglePause();
    state.Score = 1234;
    game.AbortGame();
    EXPECT_TRUE(state.NoGame);
    EXPECT_FALSE(state.Paused);
    EXPECT_FALSE(view.timer);
    EXPECT_EQ(state.Score, 0);
    EXPECT_EQ(state.NextColumn, StoneColumn);
    EXPECT_EQ(state.Board.At(4, 0), Stone);
    game.StartFastFall();
    EXPECT_FALSE(view.timer);
}

// Long random play must keep the well sound whatever the options: the floor
// intact, only fruits left between landings, the column inside the well, and
// the screen showing what the well holds.
TEST(OrchardGameRandomPlayTest, KeepsTheWellSound) {
    kit::ClockRandomSource deals(7);
    RecordingView view;
    OrchardGame game(view, deals);
    const OrchardState& state = game.State();
    std::mt19937 player(11);
    for (std::uint32_t alignCount = 3; alignCount <= 9; ++alignCount) {
        game.Options() = {.StartLevel = alignCount,
                          .AlignCount = alignCount,
                          .JockerEnabled = true,
                          .SoundOn = true,
                          .ShowNext = true};
        for (int round = 0; round < 5; ++round) {
            game.NewGame();
            while (game.CurrentPhase() != Phase::Lost) {
                const std::uint32_t blocks = state.PlayedBlocks;
                switch (player() % 5) {
                    case 0:
                        game.MoveLeft();
                        break;
                    case 1:
                        game.MoveRight();
                        break;
                    case 2:
                        game.CycleColumn();
                        break;
                    case 3:
                        game.DropColumn();
                        break;
                    default:
                        game.FallTick();
                        break;
                }
                ASSERT_GE(state.ColumnX, 0);
                ASSERT_LE(state.ColumnX, 112);
                ASSERT_EQ(state.ColumnY % 16, 0);
                for (int c = 0; c < Board::Columns; ++c) {
                    ASSERT_EQ(state.Board.At(c, Board::FloorRow), Stone);
                    for (int r = 0; r < Board::FloorRow && state.PlayedBlocks != blocks; ++r) {
                        const Cell code = state.Board.At(c, r);
                        ASSERT_TRUE(code == Empty || IsFruit(code)) << c << "," << r;
                    }
                }
            }
            ExpectScreenShows(view, state.Board);
            game.EndGame();
            view.Clear();
        }
    }
}

}  // namespace
}  // namespace orchard
