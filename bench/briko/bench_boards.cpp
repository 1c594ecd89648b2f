#include "bench/briko/bench_boards.h"

#include "briko/rules/demo_player.h"
#include "kit/random/random_source.h"

namespace briko::bench {

namespace {

constexpr std::size_t kPositions = 64;

std::vector<Position> Collect() {
    std::vector<Position> positions;
    kit::ClockRandomSource random(1995);
    DemoPlayer player;
    while (positions.size() < kPositions) {
        Board board;
        ClearBoard(board, kEmpty);
        AddStartingRows(board, 6, random);
        int next = RandomPiece(random);
        int moves = 0;
        while (!IsToppedOut(board) && positions.size() < kPositions) {
            const int piece = next;
            next = RandomPiece(random);
            const int height = StackHeight(board);
            if (height >= 5 && height <= 15 && moves % 7 == 0) {
                positions.push_back(Position{board, piece, next});
            }
            const auto move = ChooseMove(player, board, piece, next);
            if (!move) {
                break;
            }
            const int placed = move->Mirror ? MirrorPiece(piece) : piece;
            PlaceShape(board, move->Column, move->LandingRow, PieceMask(placed, move->Rotation),
                       static_cast<std::uint8_t>(placed + 1));
            RemoveFullRows(board);
            ++moves;
        }
    }
    return positions;
}

}  // namespace

const std::vector<Position>& MidGamePositions() {
    static const std::vector<Position> positions = Collect();
    return positions;
}

}  // namespace briko::bench
