#include "briko/rules/BRIKOConstantes.h"

#include "briko/rules/tests/board_text.h"
#include "kit/testing/scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <utility>
#include <vector>

namespace briko {
namespace {

using kit::testing::ScriptedRandom;
using testing::BoardFromRows;
using testing::RowsOf;

using Cells = std::set<std::pair<int, int>>;

Cells CellsOf(ShapeMask mask) {
    Cells cells;
    for (int dx = 0; dx < 5; ++dx) {
        for (int dy = 0; dy < 5; ++dy) {
            if ((mask >> BoxBit(dx, dy) & 1) != 0) {
                cells.insert({dx, dy});
            }
        }
    }
    return cells;
}

// The cells moved so that the smallest column and row are 0.
Cells Normalised(const Cells& cells) {
    int minX = 99;
    int minY = 99;
    for (auto [x, y] : cells) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
    }
    Cells moved;
    for (auto [x, y] : cells) {
        moved.insert({x - minX, y - minY});
    }
    return moved;
}

template <typename Map>
Cells Mapped(const Cells& cells, Map map) {
    Cells mapped;
    for (auto [x, y] : cells) {
        mapped.insert(map(x, y));
    }
    return Normalised(mapped);
}

// A quarter turn counter-clockwise on screen, where rows grow downward.
Cells TurnedCounterClockwise(const Cells& cells) {
    return Mapped(cells, [](int x, int y) { return std::pair{y, -x}; });
}

TEST(ShapeTable, EveryRotationIsAQuarterTurnOfThePreviousOne) {
    for (int piece = 0; piece < kPieceCount; ++piece) {
        for (int q = 0; q < 4; ++q) {
            const Cells cells = CellsOf(PieceMask(piece, q));
            ASSERT_EQ(cells.size(), 5u) << "piece " << piece << " rotation " << q;
            EXPECT_EQ(Normalised(CellsOf(PieceMask(piece, (q + 1) % 4))),
                      TurnedCounterClockwise(cells))
                << "piece " << piece << " rotation " << q;
        }
    }
}

TEST(ShapeTable, MirrorPairsAreReflectionsInEveryRotation) {
    for (int piece : {0, 13, 14, 15, 16, 17}) {
        EXPECT_EQ(MirrorPiece(piece), piece);
    }
    for (int piece = 1; piece <= 12; ++piece) {
        const int mirror = MirrorPiece(piece);
        EXPECT_EQ(mirror, piece <= 6 ? piece + 6 : piece - 6);
        for (int q = 0; q < 4; ++q) {
            const Cells cells = CellsOf(PieceMask(piece, q));
            const Cells reflected = q % 2 == 0 ? Mapped(cells,
                                                        [](int x, int y) {
                                                            return std::pair{x, -y};
                                                        })
                                               : Mapped(cells, [](int x, int y) {
                                                     return std::pair{-x, y};
                                                 });
            EXPECT_EQ(Normalised(CellsOf(PieceMask(mirror, q))), reflected)
                << "piece " << piece << " rotation " << q;
        }
    }
}

TEST(ShapeTable, NewPiecesAreTheTwelveDifferentPentominoes) {
    // Every orientation of every piece that can be dealt, mirrors included.
    std::set<Cells> seen;
    ScriptedRandom random({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    std::set<int> dealt;
    for (int i = 0; i < 12; ++i) {
        const int piece = RandomPiece(random);
        EXPECT_TRUE(dealt.insert(piece).second);
        std::set<Cells> shapes;
        for (int p : {piece, MirrorPiece(piece)}) {
            for (int q = 0; q < 4; ++q) {
                shapes.insert(Normalised(CellsOf(PieceMask(p, q))));
            }
        }
        for (const Cells& shape : shapes) {
            EXPECT_TRUE(seen.insert(shape).second) << "piece " << piece;
        }
    }
    EXPECT_EQ(dealt, (std::set<int>{0, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
    // 12 pentominoes have 63 fixed orientations in all.
    EXPECT_EQ(seen.size(), 63u);
    // Piece 16 in rotation 0 is the vertical bar in box column 2.
    EXPECT_EQ(PieceMask(16, 0), 0x1Fu << 10);
}

TEST(Board, LayoutWallsFloorAndWell) {
    Board board;
    ClearBoard(board, kEmpty);
    EXPECT_EQ(CellIndex(0, -5), 0);
    EXPECT_EQ(CellIndex(21, 29), kBoardCells - 1);
    EXPECT_EQ(CellIndex(5, 0), 35 * 5 + 5);
    int empty = 0;
    for (int c = 0; c < kBoardColumns; ++c) {
        for (int r = kTopRow; r <= kBottomRow; ++r) {
            const bool well = c >= 5 && c <= 16 && r <= 24;
            EXPECT_EQ(board[CellIndex(c, r)], well ? kEmpty : kWall) << c << "," << r;
            empty += board[CellIndex(c, r)] == kEmpty;
        }
    }
    EXPECT_EQ(empty, 12 * 30);
    ClearBoard(board, kWall);
    EXPECT_TRUE(std::all_of(board.begin(), board.end(), [](auto v) { return v == kWall; }));
}

TEST(Board, ShapeMaskAtSeesWallsFloorAndBlocks) {
    Board board;
    ClearBoard(board, kEmpty);
    for (int y : {-5, 0, 12, 20}) {
        EXPECT_EQ(ShapeMaskAt(board, 0, y), kBoxMask) << y;
        // Only the box column over well column 16 is free.
        EXPECT_EQ(ShapeMaskAt(board, 16, y), kBoxMask & ~0x1Fu) << y;
    }
    EXPECT_EQ(ShapeMaskAt(board, 5, 0), 0u);
    // Rows 25 and 26 are floor.
    EXPECT_EQ(ShapeMaskAt(board, 5, 22), 0x18C6318u);
    board[CellIndex(7, 3)] = 4;
    EXPECT_EQ(ShapeMaskAt(board, 6, 1), 1u << BoxBit(1, 2));
    // Beyond the board's edges everything counts as occupied.
    EXPECT_EQ(ShapeMaskAt(board, 18, 0), kBoxMask);
    EXPECT_EQ(ShapeMaskAt(board, 5, -7), 0x318C63u);
}

TEST(Board, PlaceAndDropShape) {
    Board board = BoardFromRows({"..#.........", "############"});
    // The T with its stem down: stem at box column 2, rows 2 and 3.
    const ShapeMask t = PieceMask(0, 0);
    EXPECT_TRUE(ShapeFits(board, 5, 0, t));
    const int landing = DropShape(board, t, 5);
    EXPECT_EQ(landing, 19);
    EXPECT_EQ(RowsOf(board, 20),
              ".###........\n"
              "..#.........\n"
              "..#.........\n"
              "..#.........\n"
              "############\n");
    PlaceShape(board, 10, 0, t, 9);
    EXPECT_EQ(board[CellIndex(12, 3)], 9);
    EXPECT_FALSE(ShapeFits(board, 10, 0, t));
}

TEST(Board, RemoveFullRowsMovesTheRowsAboveDown) {
    // Two full rows with a partial one between them.
    Board board = BoardFromRows(
        {"3...........", "############", "..4.........", "############", ".5.........."});
    EXPECT_EQ(RemoveFullRows(board), 2);
    EXPECT_EQ(RowsOf(board, 20),
              "............\n"
              "............\n"
              "3...........\n"
              "..4.........\n"
              ".5..........\n");
    EXPECT_EQ(RemoveFullRows(board), 0);
}

TEST(Board, VerticalBarCompletesFiveRows) {
    Board board = BoardFromRows({"2...........", "#####.######", "#####.######", "#####.######",
                                 "#####.######", "#####.######"});
    const int landing = DropShape(board, PieceMask(16, 2), 10 - 2);
    EXPECT_EQ(landing, 20);
    EXPECT_EQ(RemoveFullRows(board), 5);
    EXPECT_EQ(RowsOf(board, 23), "............\n2...........\n");
}

TEST(Board, RowZeroIsOnlyRemovedOnceItHasComeDown) {
    Board board;
    ClearBoard(board, kEmpty);
    for (int c = kWellLeft; c <= kWellRight; ++c) {
        board[CellIndex(c, 0)] = 3;
    }
    EXPECT_EQ(RemoveFullRows(board), 0);
    for (int c = kWellLeft; c <= kWellRight; ++c) {
        board[CellIndex(c, 24)] = 2;
    }
    board[CellIndex(kWellLeft, -1)] = 6;
    EXPECT_EQ(RemoveFullRows(board), 2);
    EXPECT_EQ(StackHeight(board), 0);
    EXPECT_EQ(board[CellIndex(kWellLeft, -1)], 6);
}

TEST(Board, StartingRows) {
    Board board;
    ClearBoard(board, kEmpty);
    const Board empty = board;
    ScriptedRandom random;
    random.FallBackToSeed(1);
    AddStartingRows(board, 0, random);
    AddStartingRows(board, 26, random);
    AddStartingRows(board, -1, random);
    EXPECT_EQ(board, empty);

    // One row: twelve colours, then four hole columns (two of them the same).
    ScriptedRandom scripted({0, 1, 2, 3, 4, 5, 6, 0, 1, 2, 3, 4, 0, 11, 0, 5});
    AddStartingRows(board, 1, scripted);
    EXPECT_TRUE(scripted.Exhausted());
    EXPECT_EQ(RowsOf(board, 24), ".2345.7#234.\n");

    ClearBoard(board, kEmpty);
    AddStartingRows(board, 25, random);
    for (int r = 0; r < kWellRows; ++r) {
        int holes = 0;
        for (int c = kWellLeft; c <= kWellRight; ++c) {
            const int value = board[CellIndex(c, r)];
            holes += value == 0;
            EXPECT_LE(value, 7);
        }
        EXPECT_GE(holes, 1) << r;
        EXPECT_LE(holes, 4) << r;
    }
    EXPECT_EQ(board[CellIndex(kWellLeft, -1)], kEmpty);
}

TEST(Board, ToppedOutLooksAtRowTwoOnly) {
    Board board;
    ClearBoard(board, kEmpty);
    board[CellIndex(16, 1)] = 1;
    board[CellIndex(5, 3)] = 1;
    EXPECT_FALSE(IsToppedOut(board));
    board[CellIndex(16, 2)] = 1;
    EXPECT_TRUE(IsToppedOut(board));
}

TEST(Board, Measures) {
    Board board;
    ClearBoard(board, kEmpty);
    EXPECT_EQ(CountHoles(board), 0);
    EXPECT_EQ(StackHeight(board), 0);
    EXPECT_EQ(SurfaceRange(board), 0);

    board = BoardFromRows({"#...........", "#.#.........", "..#.......#.", "###.#.....#."});
    // Only column 0 has a hole under its top.
    EXPECT_EQ(CountHoles(board), 1);
    EXPECT_EQ(StackHeight(board), 4);
    // Empty columns count 25, the highest column top is row 21.
    EXPECT_EQ(SurfaceRange(board), 25 - 21);
}

TEST(Masks, ShiftsDropWhatLeavesTheBox) {
    const ShapeMask bar = PieceMask(16, 1);  // across box row 2
    EXPECT_EQ(ShiftMaskRight(bar), bar & ~(1u << BoxBit(0, 2)));
    EXPECT_EQ(ShiftMaskLeft(bar), bar & ~(1u << BoxBit(4, 2)));
    EXPECT_EQ(ShiftMaskDown(bar), bar << 1);
    const ShapeMask column = PieceMask(16, 0);  // down box column 2
    EXPECT_EQ(std::popcount(ShiftMaskDown(column)), 4);
    EXPECT_EQ(ShiftMaskDown(column), (column << 1) & column);
    EXPECT_EQ(ShiftMaskRight(kBoxMask) | ShiftMaskLeft(kBoxMask), kBoxMask);
    EXPECT_EQ(ShiftMaskDown(kBoxMask), 0x1EF7BDEu);
}

TEST(JoinCodes, PieceAndBoardCells) {
    // The T with its stem down: bar across box row 1, stem below its middle.
    const ShapeMask t = PieceMask(0, 0);
    EXPECT_EQ(PieceNeighbourCode(0, t, 1, 1), 8);
    EXPECT_EQ(PieceNeighbourCode(0, t, 2, 1), 2 | 4 | 8);
    EXPECT_EQ(PieceNeighbourCode(0, t, 2, 3), 1);
    EXPECT_EQ(PieceNeighbourCode(3, t, 2, 1), 0);
    EXPECT_EQ(PieceNeighbourCode(0, kBoxMask, 0, 0), 4 | 8);

    Board board = BoardFromRows({"33.4........", "3...........", "999........."});
    EXPECT_EQ(CellNeighbourCode(0, board, 5, 22), 4 | 8);
    EXPECT_EQ(CellNeighbourCode(0, board, 5, 23), 1);
    // Row 24 has walls on the left and floor below: neither joins.
    EXPECT_EQ(CellNeighbourCode(0, board, 5, 24), 8);
    EXPECT_EQ(CellNeighbourCode(0, board, 8, 22), 0);
    // Empty cells join empty cells.
    EXPECT_EQ(CellNeighbourCode(0, board, 10, 10), 1 | 2 | 4 | 8);
    EXPECT_EQ(CellNeighbourCode(0, board, 0, 10), 0);
    EXPECT_EQ(CellNeighbourCode(1, board, 5, 22), 0);
    ClearBoard(board, kWall);
    EXPECT_EQ(CellNeighbourCode(0, board, 10, 10), 0);
}

TEST(Colours, MirrorPairsShareAColour) {
    EXPECT_EQ(ColourIndex(0), 0);
    EXPECT_EQ(ColourIndex(7), 7);
    EXPECT_EQ(ColourIndex(255), 8);
    for (int piece = 0; piece < kPieceCount; ++piece) {
        EXPECT_EQ(ColourIndex(static_cast<std::uint8_t>(piece + 1)),
                  ColourIndex(static_cast<std::uint8_t>(MirrorPiece(piece) + 1)));
    }
    EXPECT_EQ(ColourIndex(14), 1);  // U, like T
    EXPECT_EQ(ColourIndex(18), 5);  // X
}

TEST(Speed, IntervalStepsEveryTenRows) {
    EXPECT_EQ(StartSpeedReduction(500, 0), 0);
    EXPECT_EQ(StartSpeedReduction(500, 3), 150);
    EXPECT_EQ(FallInterval(500, StartSpeedReduction(500, 10)), 0);
    // A hand-edited level cannot make the interval negative.
    EXPECT_EQ(FallInterval(500, StartSpeedReduction(500, 14)), 0);
    EXPECT_EQ(StartSpeedReduction(500, -2), 0);

    EXPECT_EQ(SpeedReductionAfter(0, 500, 8, 9), 0);
    EXPECT_EQ(SpeedReductionAfter(0, 500, 9, 10), 50);
    EXPECT_EQ(SpeedReductionAfter(50, 500, 18, 22), 100);
    EXPECT_EQ(SpeedReductionAfter(450, 500, 99, 100), 500);
    EXPECT_EQ(SpeedReductionAfter(500, 500, 109, 110), 500);
    EXPECT_EQ(SpeedReductionAfter(0, 37, 9, 10), 3);
}

}  // namespace
}  // namespace briko
