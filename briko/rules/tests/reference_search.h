#pragma once

#include "briko/rules/BRIKOConstantes.h"
#include "briko/rules/demo_player.h"

#include <optional>

namespace briko::testing {

// The demonstration player's search written the plain way: byte boards, a full
// copy for every trial, the board operations as they are, and the three-pass
// choice of the best record. The production search must choose what this does.
struct ReferenceSearch {
    CandidateList MoveCandidates;
    CandidateList ReplyCandidates;
    int NextPiece = 0;

    std::optional<DemoMove> ChooseMove(const Board& board, int piece, int nextPiece);

  private:
    void Generate(CandidateList& list, const Board& board, int piece, bool withReply);
    bool Reply(Board& trial);
};

// Index of the best record by the three-pass rule, or −1 for an empty list.
int ChooseBestRecord(const CandidateList& list);

}  // namespace briko::testing
