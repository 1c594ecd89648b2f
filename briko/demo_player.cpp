#include "briko/demo_player.h"

namespace briko {

std::optional<DemoMove> ChooseMove(DemoPlayer& player, const Board&, int, int nextPiece) {
    player.NextPiece = nextPiece;
    player.MoveCandidates.Count = 0;
    return std::nullopt;
}

}  // namespace briko
