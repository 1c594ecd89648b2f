#include "briko/rules/tests/reference_search.h"

namespace briko::testing {

namespace {

Candidate Evaluate(Board& trial, int rotation, int column, int landing) {
    const int rows = RemoveFullRows(trial);
    Candidate c{CountHoles(trial), StackHeight(trial), rotation, column, landing};
    if (SurfaceRange(trial) > 6 && rows == 0) {
        c.Penalty += 100;
    }
    if (IsToppedOut(trial)) {
        c.Penalty += 1000;
    }
    return c;
}

}  // namespace

int ChooseBestRecord(const CandidateList& list) {
    constexpr int kStart = 67108864;
    int penalty = kStart;
    int best = -1;
    for (int i = 0; i < list.Count; ++i) {
        if (list.Records[i].Penalty < penalty) {
            penalty = list.Records[i].Penalty;
            best = i;
        }
    }
    int height = kStart;
    for (int i = 0; i < list.Count; ++i) {
        if (list.Records[i].Penalty == penalty && list.Records[i].Height < height) {
            height = list.Records[i].Height;
            best = i;
        }
    }
    int landing = 0;
    int deepest = -1;
    for (int i = 0; i < list.Count; ++i) {
        const Candidate& c = list.Records[i];
        if (c.Penalty == penalty && c.Height == height && c.LandingRow > landing) {
            landing = c.LandingRow;
            deepest = i;
        }
    }
    return deepest >= 0 ? deepest : best;
}

void ReferenceSearch::Generate(CandidateList& list, const Board& board, int piece, bool withReply) {
    for (int x = 0; x <= 16; ++x) {
        for (int q = 0; q < 4; ++q) {
            const ShapeMask m = ShapeTable[4 * piece + q];
            if (!ShapeFits(board, x, 0, m)) {
                continue;
            }
            Board trial = board;
            const int y = DropShape(trial, m, x);
            bool replied = true;
            if (withReply) {
                replied = Reply(trial);
            }
            Candidate c = Evaluate(trial, q, x, y);
            if (!replied) {
                c.Penalty += 1000;
            }
            list.Records[list.Count++] = c;
        }
    }
}

bool ReferenceSearch::Reply(Board& trial) {
    ReplyCandidates.Count = 0;
    Generate(ReplyCandidates, trial, NextPiece, false);
    ReplyCandidates.MirrorStart = ReplyCandidates.Count;
    const int mirror = MirrorPiece(NextPiece);
    if (mirror != NextPiece) {
        Generate(ReplyCandidates, trial, mirror, false);
    }
    const int best = ChooseBestRecord(ReplyCandidates);
    if (best < 0) {
        return false;
    }
    const int piece = best >= ReplyCandidates.MirrorStart ? mirror : NextPiece;
    const Candidate& c = ReplyCandidates.Records[best];
    DropShape(trial, ShapeTable[4 * piece + c.Rotation], c.Column);
    return true;
}

std::optional<DemoMove> ReferenceSearch::ChooseMove(const Board& board, int piece, int nextPiece) {
    NextPiece = nextPiece;
    MoveCandidates.Count = 0;
    Generate(MoveCandidates, board, piece, true);
    MoveCandidates.MirrorStart = MoveCandidates.Count;
    if (MirrorPiece(piece) != piece) {
        Generate(MoveCandidates, board, MirrorPiece(piece), true);
    }
    const int best = ChooseBestRecord(MoveCandidates);
    if (best < 0) {
        return std::nullopt;
    }
    const Candidate& c = MoveCandidates.Records[best];
    return DemoMove{best >= MoveCandidates.MirrorStart, c.LandingRow, c.Column, c.Rotation};
}

}  // namespace briko::testing
