#pragma once

#include "briko/rules/BRIKOConstantes.h"

#include <array>
#include <cstdint>
#include <optional>

namespace briko {

// One placement the search considered; lower Penalty, then lower Height, then a
// deeper LandingRow is better.
struct Candidate {
    std::int32_t Penalty;
    std::int32_t Height;
    std::int32_t Rotation;
    std::int32_t Column;
    std::int32_t LandingRow;
};

// A piece yields at most 42 placements per chirality; the list has room to spare.
inline constexpr int kMaxCandidates = 97;

// Candidates in search order: columns left to right, rotations 0 to 3 within a
// column, the unmirrored piece before its mirror, which starts at MirrorStart.
struct CandidateList {
    std::array<Candidate, kMaxCandidates> Records;
    int Count = 0;
    int MirrorStart = 0;
};

// The move the demonstration plays: mirror first (when set), then rotate, slide
// to Column and fall to LandingRow.
struct DemoMove {
    bool Mirror;
    int LandingRow;
    int Column;
    int Rotation;
};

// The demonstration player's work area, owned by the game for the whole run; its
// lists are overwritten by every search, which allocates nothing.
struct DemoPlayer {
    CandidateList MoveCandidates;
    int NextPiece = 0;
};

// Searches every placement of piece, answers each with the best placement of
// nextPiece, and returns the best by the evaluation of the board holding both.
// The board is only read. Empty when neither chirality of piece fits at row 0.
std::optional<DemoMove> ChooseMove(DemoPlayer& player, const Board& board, int piece,
                                   int nextPiece);

}  // namespace briko
