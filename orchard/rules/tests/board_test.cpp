#include "orchard/rules/board.h"

#include <gtest/gtest.h>

namespace orchard {
namespace {

TEST(BoardTest, ProbesPastEveryEdgeReadAsOccupied) {
    Board board;
    board.FillRows(Board::TopRow, Board::FloorRow, Empty);
    EXPECT_TRUE(board.IsEmpty(0, -3));
    EXPECT_TRUE(board.IsEmpty(7, 24));
    EXPECT_FALSE(board.IsEmpty(0, -4));
    EXPECT_FALSE(board.IsEmpty(-1, 10));
    EXPECT_FALSE(board.IsEmpty(8, 10));
    EXPECT_FALSE(board.IsEmpty(3, 25));
}

TEST(BoardTest, WritesOutsideTheGridAreIgnored) {
    Board board;
    const Board before = board;
    board.Set(-1, 0, Empty);
    board.Set(8, 0, Empty);
    board.Set(0, -4, Empty);
    board.Set(0, 25, Empty);
    EXPECT_EQ(board, before);
    EXPECT_EQ(board.At(0, -3), Stone);
}

}  // namespace
}  // namespace orchard
