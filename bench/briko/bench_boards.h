#pragma once

#include "briko/rules/BRIKOConstantes.h"

#include <vector>

namespace briko::bench {

// A position the demonstration meets: the board and the two pieces it searches.
struct Position {
    Board board;
    int piece;
    int next;
};

// Mid-game positions (stacks of 5 to 15 rows, debris included) taken from
// demonstration games with a fixed seed, so every run measures the same boards.
const std::vector<Position>& MidGamePositions();

}  // namespace briko::bench
