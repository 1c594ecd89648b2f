#pragma once

#include "kit/random/random_source.h"

#include <array>
#include <cstdint>

// The rules core of Briko: the eighteen one-sided pentominoes in their four
// rotations, the walled board, and the tests and moves that the game and the
// demonstration player apply to it. Every operation works on a board passed to
// it and keeps no state, so the demonstration player can run them on copies.
namespace briko {

// The board is 22 columns of 35 cells stored column after column: columns 0 to
// 4 and 17 to 21 are walls, rows 25 to 29 the floor, rows −5 to −1 a hidden
// margin above the well of columns 5 to 16 and rows 0 to 24.
inline constexpr int kBoardColumns = 22;
inline constexpr int kColumnCells = 35;
inline constexpr int kBoardCells = kBoardColumns * kColumnCells;
inline constexpr int kTopRow = -5;
inline constexpr int kBottomRow = 29;
inline constexpr int kWellLeft = 5;
inline constexpr int kWellRight = 16;
inline constexpr int kWellColumns = 12;
inline constexpr int kWellRows = 25;
inline constexpr int kPieceCount = 18;
inline constexpr std::uint8_t kEmpty = 0;
inline constexpr std::uint8_t kWall = 255;

using Board = std::array<std::uint8_t, kBoardCells>;

// Index of cell (column, row) in a board; row may be −5 to 29.
constexpr int CellIndex(int column, int row) {
    return kColumnCells * column + row - kTopRow;
}

// A piece in one rotation: bit 5·dx + dy stands for the cell (dx, dy) of its 5×5 box.
using ShapeMask = std::uint32_t;
inline constexpr ShapeMask kBoxMask = (1u << 25) - 1;
constexpr int BoxBit(int dx, int dy) {
    return 5 * dx + dy;
}

namespace detail {
// The box cells of every piece in rotations 0 to 3, as bit indexes 5·dx + dy.
inline constexpr std::uint8_t kShapeCells[4 * kPieceCount][5] = {
    {6, 11, 12, 13, 16},  {6, 7, 8, 12, 17},    {8, 11, 12, 13, 18},  {7, 12, 16, 17, 18},
    {6, 7, 12, 17, 18},   {8, 11, 12, 13, 16},  {6, 7, 12, 17, 18},   {8, 11, 12, 13, 16},
    {2, 7, 12, 17, 18},   {11, 12, 13, 14, 16}, {6, 7, 12, 17, 22},   {8, 10, 11, 12, 13},
    {7, 8, 12, 13, 17},   {6, 7, 8, 12, 13},    {8, 12, 13, 17, 18},  {6, 7, 11, 12, 13},
    {6, 11, 12, 13, 17},  {7, 8, 11, 12, 17},   {7, 11, 12, 13, 18},  {7, 12, 13, 16, 17},
    {2, 7, 12, 13, 17},   {11, 12, 13, 14, 17}, {7, 11, 12, 17, 22},  {7, 10, 11, 12, 13},
    {2, 7, 11, 12, 16},   {6, 7, 12, 13, 14},   {3, 7, 8, 12, 17},    {6, 7, 8, 13, 14},
    {7, 8, 12, 16, 17},   {6, 11, 12, 13, 18},  {7, 8, 12, 16, 17},   {6, 11, 12, 13, 18},
    {2, 7, 12, 16, 17},   {6, 11, 12, 13, 14},  {7, 8, 12, 17, 22},   {10, 11, 12, 13, 18},
    {7, 8, 12, 13, 18},   {7, 8, 11, 12, 13},   {7, 12, 13, 17, 18},  {6, 7, 8, 11, 12},
    {8, 11, 12, 13, 17},  {7, 11, 12, 17, 18},  {7, 11, 12, 13, 16},  {6, 7, 12, 13, 17},
    {2, 7, 11, 12, 17},   {7, 11, 12, 13, 14},  {7, 12, 13, 17, 22},  {10, 11, 12, 13, 17},
    {1, 6, 11, 12, 17},   {7, 8, 9, 11, 12},    {2, 7, 8, 13, 18},    {8, 9, 11, 12, 13},
    {7, 8, 12, 17, 18},   {11, 12, 13, 16, 18}, {6, 7, 12, 16, 17},   {6, 8, 11, 12, 13},
    {6, 11, 12, 17, 18},  {7, 8, 11, 12, 16},   {6, 7, 12, 13, 18},   {8, 12, 13, 16, 17},
    {6, 7, 8, 11, 16},    {6, 7, 8, 13, 18},    {8, 13, 16, 17, 18},  {6, 11, 16, 17, 18},
    {10, 11, 12, 13, 14}, {2, 7, 12, 17, 22},   {10, 11, 12, 13, 14}, {2, 7, 12, 17, 22},
    {7, 11, 12, 13, 17},  {7, 11, 12, 13, 17},  {7, 11, 12, 13, 17},  {7, 11, 12, 13, 17},
};
}  // namespace detail

// Builds the 72 masks, entry 4·piece + rotation, from the cells above; each
// rotation step turns the piece a quarter turn counter-clockwise on screen.
constexpr std::array<ShapeMask, 4 * kPieceCount> FillShapeTable() {
    std::array<ShapeMask, 4 * kPieceCount> table{};
    for (int entry = 0; entry < 4 * kPieceCount; ++entry) {
        for (int bit : detail::kShapeCells[entry]) {
            table[entry] += 1u << bit;
        }
    }
    return table;
}

// Built at compile time, so it is ready before anything runs.
inline constexpr std::array<ShapeMask, 4 * kPieceCount> ShapeTable = FillShapeTable();

inline ShapeMask PieceMask(int piece, int rotation) {
    return ShapeTable[4 * piece + rotation];
}

// Walls and floor to 255, rows −5 to 24 of the well to fill (0 for a game, 255 while idle).
void ClearBoard(Board& board, std::uint8_t fill);

// Fills count rows from row 24 upward with random colours 1 to 7 and empties four
// random cells of each (the draws may repeat); nothing unless 1 <= count <= 25.
void AddStartingRows(Board& board, int count, kit::RandomSource& random);

// Bit 5·dx + dy is set when cell (x + dx, y + dy) is not empty; walls, floor and
// landed blocks all count, and so does anything beyond the board's edges.
ShapeMask ShapeMaskAt(const Board& board, int x, int y);

// Whether mask can stand with its box at (x, y).
inline bool ShapeFits(const Board& board, int x, int y, ShapeMask mask) {
    return (mask & ShapeMaskAt(board, x, y)) == 0;
}

// Writes value into every cell that mask covers at (x, y).
void PlaceShape(Board& board, int x, int y, ShapeMask mask, std::uint8_t value);

// Lets mask fall from row 0 in box column x, places it with value 1 where it stops
// and returns that box row. The mask must fit at (x, 0).
int DropShape(Board& board, ShapeMask mask, int x);

// Removes every full row (row 0 is never tested, but reaches row 1 when a row
// below is removed) and returns how many, 0 to 5.
int RemoveFullRows(Board& board);

// A game is lost when any well cell of row 2 is occupied.
bool IsToppedOut(const Board& board);

// The demonstration player's measures of a board.
int CountHoles(const Board& board);
int StackHeight(const Board& board);
int SurfaceRange(const Board& board);

// p + 6 for 1 to 6, p − 6 for 7 to 12; the symmetric pieces are their own mirror.
int MirrorPiece(int piece);

// The mask moved by one box column or row; cells leaving the box are dropped.
ShapeMask ShiftMaskRight(ShapeMask mask);
ShapeMask ShiftMaskLeft(ShapeMask mask);
ShapeMask ShiftMaskDown(ShapeMask mask);

// Which neighbours belong to the same block, for the aggregated design 0:
// 1 above, 2 left, 4 below, 8 right; 0 for every other design and for walls.
int PieceNeighbourCode(int design, ShapeMask mask, int dx, int dy);
int CellNeighbourCode(int design, const Board& board, int column, int row);

// Colour index 0 to 8 of a cell value: mirror pairs share a colour, 8 is the wall.
int ColourIndex(std::uint8_t value);

// A new piece is always one chirality of each pentomino: 0 or 7 to 17.
int RandomPiece(kit::RandomSource& random);

// Points of a player's game at level L and of a demonstration game.
inline int PlayerPiecePoints(int level) {
    return 4 * (level + 1);
}
inline int PlayerRowPoints(int rows, int level) {
    return rows * 50 * (level + 1);
}
inline constexpr int kDemoPiecePoints = 4;
inline int DemoRowPoints(int rows) {
    return 50 * rows;
}

// The fall interval's reduction at the start of a game: (base div 10)·level, kept
// between 0 and base so that a hand-edited level cannot make the interval negative.
int StartSpeedReduction(int base, int level);
// The reduction after a landing took the removed-row count from rowsBefore to
// rowsAfter: one more step of base div 10 when they fall into different tens, never beyond base.
int SpeedReductionAfter(int reduction, int base, int rowsBefore, int rowsAfter);
// base − reduction, and never below 0.
int FallInterval(int base, int reduction);

}  // namespace briko
