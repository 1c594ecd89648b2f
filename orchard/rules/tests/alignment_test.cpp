#include "orchard/rules/alignment.h"

#include <gtest/gtest.h>

#include <string>

#include "orchard/rules/tests/board_text.h"

namespace orchard {
namespace {

using testing::WellFromText;

struct RunCase {
    Direction direction;
    int length;
    std::uint32_t points;
};

class RunScoreTest : public ::testing::TestWithParam<RunCase> {};

// A run of like fruits ending in the bottom-left corner region of the well,
// laid out along the direction under test.
Board WellWithRun(Direction direction, int length) {
    Board board = WellFromText("");
    for (int i = 0; i < length; ++i) {
        switch (direction) {
            case Direction::Down:
                board.Set(2, 23 - i, Cherries);
                break;
            case Direction::Right:
                board.Set(i, 23, Cherries);
                break;
            case Direction::DownRight:
                board.Set(i, 24 - length + i, Cherries);
                break;
            case Direction::UpRight:
                board.Set(i, 23 - i, Cherries);
                break;
        }
    }
    return board;
}

TEST_P(RunScoreTest, EveryStartInsideARunScoresOnItsOwn) {
    const RunCase run = GetParam();
    CellSet marks;
    const LineSearch found = SearchLines(WellWithRun(run.direction, run.length), 3, marks);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.points, run.points);
    EXPECT_EQ(marks.Count(), run.length);
}

std::string NameOf(const ::testing::TestParamInfo<RunCase>& info) {
    constexpr const char* names[] = {"Down", "Right", "DownRight", "UpRight"};
    return names[static_cast<int>(info.param.direction)] + std::to_string(info.param.length);
}

INSTANTIATE_TEST_SUITE_P(
    WithThreeToAlign, RunScoreTest,
    ::testing::Values(RunCase{Direction::Right, 3, 15}, RunCase{Direction::Right, 4, 45},
                      RunCase{Direction::Right, 5, 90}, RunCase{Direction::Down, 3, 25},
                      RunCase{Direction::Down, 4, 75}, RunCase{Direction::Down, 5, 150},
                      RunCase{Direction::DownRight, 3, 35}, RunCase{Direction::DownRight, 4, 105},
                      RunCase{Direction::DownRight, 5, 210}, RunCase{Direction::UpRight, 3, 35},
                      RunCase{Direction::UpRight, 4, 105}, RunCase{Direction::UpRight, 5, 210}),
    NameOf);

TEST(SearchLinesTest, StoneJokersAndBrokenRunsNeverAlign) {
    const Board board = WellFromText(
        "***.....\n"
        "***.....\n"
        "***1.1..\n"
        "12121212\n");
    CellSet marks;
    EXPECT_FALSE(SearchLines(board, 3, marks).found);
    EXPECT_TRUE(marks.IsEmpty());
}

TEST(SearchLinesTest, AboveEightToAlignOnlyDownwardLinesCount) {
    Board board = WellFromText("11111111\n");
    for (int r = 15; r < 23; ++r) {
        board.Set(0, r, Cherries);
    }
    CellSet marks;
    const LineSearch found = SearchLines(board, 9, marks);
    EXPECT_EQ(found.points, 25u);
    EXPECT_EQ(marks.Count(), 9);
    EXPECT_FALSE(marks.IsMarked(1, 23));
}

TEST(SearchLinesTest, AnUpRightRunWalksOnAboveTheWell) {
    Board board = WellFromText("");
    for (int i = 0; i < 4; ++i) {
        board.Set(i, 2 - i, GreenApple);
    }
    CellSet marks;
    // Only (0, 2) can start a line of three; its run reaches row -1.
    EXPECT_EQ(SearchLines(board, 3, marks).points, 70u);
    EXPECT_TRUE(marks.IsMarked(3, -1));
}

}  // namespace
}  // namespace orchard
