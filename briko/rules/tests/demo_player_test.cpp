#include "briko/rules/demo_player.h"

#include "briko/rules/tests/board_text.h"
#include "briko/rules/tests/reference_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace briko {
namespace {

using testing::BoardFromRows;
using testing::ReferenceSearch;

// The reference search is slow without optimisation: sanitizer and debug builds
// check fewer boards, optimised builds many thousands.
#ifdef NDEBUG
constexpr int kBoardsPerPair = 12;
constexpr int kGameMoves = 400;
#else
constexpr int kBoardsPerPair = 2;
constexpr int kGameMoves = 60;
#endif

constexpr int kX = 17;
constexpr int kI = 16;
constexpr int kT = 0;

std::string Describe(const Candidate& c) {
    return "penalty " + std::to_string(c.Penalty) + " height " + std::to_string(c.Height) +
           " rotation " + std::to_string(c.Rotation) + " column " + std::to_string(c.Column) +
           " row " + std::to_string(c.LandingRow);
}

// Both searches on one board: the same candidates in the same order, the same move.
void ExpectSameSearch(const Board& board, int piece, int next, const std::string& what) {
    DemoPlayer player;
    ReferenceSearch reference;
    const std::optional<DemoMove> fast = ChooseMove(player, board, piece, next);
    const std::optional<DemoMove> slow = reference.ChooseMove(board, piece, next);
    const CandidateList& a = player.MoveCandidates;
    const CandidateList& b = reference.MoveCandidates;
    ASSERT_EQ(a.Count, b.Count) << what;
    ASSERT_EQ(a.MirrorStart, b.MirrorStart) << what;
    for (int i = 0; i < a.Count; ++i) {
        ASSERT_EQ(Describe(a.Records[i]), Describe(b.Records[i])) << what << " candidate " << i;
    }
    ASSERT_EQ(fast.has_value(), slow.has_value()) << what;
    if (fast) {
        ASSERT_EQ(fast->Mirror, slow->Mirror) << what;
        ASSERT_EQ(fast->Rotation, slow->Rotation) << what;
        ASSERT_EQ(fast->Column, slow->Column) << what;
        ASSERT_EQ(fast->LandingRow, slow->LandingRow) << what;
    }
}

Board EmptyBoard() {
    Board board;
    ClearBoard(board, kEmpty);
    return board;
}

TEST(ChooseMove, CrossOnAnEmptyWell) {
    DemoPlayer player;
    const std::optional<DemoMove> move = ChooseMove(player, EmptyBoard(), kX, kX);
    // Ten columns for a piece three wide, four equal rotations, no mirror pass.
    EXPECT_EQ(player.MoveCandidates.Count, 40);
    EXPECT_EQ(player.MoveCandidates.MirrorStart, 40);
    EXPECT_EQ(player.NextPiece, kX);
    ASSERT_TRUE(move);
    EXPECT_FALSE(move->Mirror);
    // Every placement leaves no hole and the same height; the first is leftmost.
    const Candidate& first = player.MoveCandidates.Records[0];
    EXPECT_EQ(first.Column, 4);
    EXPECT_EQ(first.LandingRow, 21);
    EXPECT_EQ(move->Column, first.Column);
    EXPECT_EQ(move->Rotation, 0);
    EXPECT_EQ(move->LandingRow, 21);
    ExpectSameSearch(EmptyBoard(), kX, kX, "empty well");
}

TEST(ChooseMove, FillsTheGapThatCompletesRows) {
    // A one-column gap at well column 7, four rows deep: the vertical bar clears four rows.
    const Board board =
        BoardFromRows({"###.###.####", "#######.####", "#######.####", "#######.####"});
    DemoPlayer player;
    const std::optional<DemoMove> move = ChooseMove(player, board, kI, kT);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->Column, kWellLeft + 7 - 2);
    EXPECT_EQ(move->Rotation % 2, 0);
    EXPECT_EQ(move->LandingRow, 20);
    ExpectSameSearch(board, kI, kT, "gap");
}

TEST(ChooseMove, NoSurfacePenaltyWhenRowsGo) {
    // Rows 17 to 24 are full but for column 11; the bar completes four of them
    // and leaves a deep well on the right that would otherwise cost 100.
    Board board = BoardFromRows({"###########.", "###########.", "###########.", "###########.",
                                 "###########.", "###########.", "###########.", "###########."});
    DemoPlayer player;
    ChooseMove(player, board, kI, kX);
    const CandidateList& list = player.MoveCandidates;
    bool sawClearing = false;
    for (int i = 0; i < list.Count; ++i) {
        const Candidate& c = list.Records[i];
        if (c.Column == kWellLeft + 11 - 2 && c.Rotation % 2 == 0) {
            sawClearing = true;
            EXPECT_LT(c.Penalty, 100) << Describe(c);
        }
    }
    EXPECT_TRUE(sawClearing);
    ExpectSameSearch(board, kI, kX, "deep well");
}

TEST(ChooseMove, ToppingOutCostsAThousand) {
    // Rows 3 to 24 each with one hole, all buried but the one in row 3: every
    // placement of the cross reaches row 2.
    Board board = EmptyBoard();
    for (int r = 3; r < kWellRows; ++r) {
        for (int c = 0; c < kWellColumns; ++c) {
            board[CellIndex(kWellLeft + c, r)] = c == r % kWellColumns ? kEmpty : 2;
        }
    }
    DemoPlayer player;
    const std::optional<DemoMove> move = ChooseMove(player, board, kX, kT);
    ASSERT_TRUE(move);
    const CandidateList& list = player.MoveCandidates;
    ASSERT_GT(list.Count, 0);
    for (int i = 0; i < list.Count; ++i) {
        const Candidate& c = list.Records[i];
        EXPECT_GE(c.Penalty, 1000) << Describe(c);
    }
    ExpectSameSearch(board, kX, kT, "topped out");
}

TEST(ChooseMove, NothingFitsAtTheTop) {
    // Every mask covers its box centre, which is on row 2 at the top.
    Board board = EmptyBoard();
    for (int c = kWellLeft; c <= kWellRight; ++c) {
        board[CellIndex(c, 2)] = 3;
    }
    DemoPlayer player;
    EXPECT_FALSE(ChooseMove(player, board, kX, kX));
    EXPECT_EQ(player.MoveCandidates.Count, 0);
    ExpectSameSearch(board, kX, kT, "blocked");
}

// Boards of every kind the demonstration meets, and worse: debris rows with
// holes, ragged surfaces with overhangs, stacks close to row 2, full rows left in.
Board RandomBoard(std::mt19937& engine) {
    Board board = EmptyBoard();
    std::uniform_int_distribution<int> percent(0, 99);
    const int kind = engine() % 4;
    for (int c = kWellLeft; c <= kWellRight; ++c) {
        int top = 0;
        switch (kind) {
            case 0:  // mid-game
                top = 14 + static_cast<int>(engine() % 11);
                break;
            case 1:  // close to topping out
                top = 2 + static_cast<int>(engine() % 8);
                break;
            case 2:  // flat with debris
                top = 18 + static_cast<int>(engine() % 3);
                break;
            default:  // anything
                top = static_cast<int>(engine() % 26);
                break;
        }
        const int density = 55 + percent(engine) * 45 / 100;
        for (int r = top; r < kWellRows; ++r) {
            if (r == top || percent(engine) < density) {
                board[CellIndex(c, r)] = static_cast<std::uint8_t>(1 + engine() % 18);
            }
        }
        // Now and then a loose block higher up, to make overhangs.
        if (percent(engine) < 10 && top > 1) {
            board[CellIndex(c, static_cast<int>(engine() % top))] = 5;
        }
    }
    if (percent(engine) < 15) {
        const int r = 10 + static_cast<int>(engine() % 15);
        for (int c = kWellLeft; c <= kWellRight; ++c) {
            board[CellIndex(c, r)] = 7;
        }
    }
    return board;
}

// Every piece pair on random boards; one test per current piece keeps each
// process short.
class ChooseMoveDifferential : public ::testing::TestWithParam<int> {};

TEST_P(ChooseMoveDifferential, MatchesTheReferenceOnRandomBoards) {
    const int piece = GetParam();
    std::mt19937 engine(20261207 + piece);
    for (int next = 0; next < kPieceCount; ++next) {
        for (int i = 0; i < kBoardsPerPair; ++i) {
            const Board board = RandomBoard(engine);
            ExpectSameSearch(board, piece, next,
                             "pieces " + std::to_string(piece) + "," + std::to_string(next) +
                                 " board " + std::to_string(i));
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPiece, ChooseMoveDifferential, ::testing::Range(0, kPieceCount));

TEST(ChooseMove, MatchesTheReferenceThroughDemonstrationGames) {
    // The boards a demonstration really meets, from debris rows to the end.
    std::mt19937 engine(7);
    const auto deal = [&engine] {
        const int r = static_cast<int>(engine() % 12);
        return r == 11 ? 0 : r + 7;
    };
    DemoPlayer player;
    int moves = 0;
    while (moves < kGameMoves) {
        Board board = EmptyBoard();
        for (int r = 15; r < kWellRows; ++r) {
            for (int c = kWellLeft; c <= kWellRight; ++c) {
                board[CellIndex(c, r)] = engine() % 3 == 0 ? kEmpty : 3;
            }
        }
        int next = deal();
        while (!IsToppedOut(board) && moves < kGameMoves) {
            const int piece = next;
            next = deal();
            ExpectSameSearch(board, piece, next, "move " + std::to_string(moves));
            if (HasFatalFailure()) {
                return;
            }
            const std::optional<DemoMove> move = ChooseMove(player, board, piece, next);
            ++moves;
            if (!move) {
                break;
            }
            const int placed = move->Mirror ? MirrorPiece(piece) : piece;
            PlaceShape(board, move->Column, move->LandingRow, PieceMask(placed, move->Rotation),
                       static_cast<std::uint8_t>(placed + 1));
            RemoveFullRows(board);
        }
    }
}

}  // namespace
}  // namespace briko
