#pragma once

#include "briko/rules/BRIKOConstantes.h"
#include "kit/testing/scripted_random.h"

namespace briko::testing {

// The draw that deals `piece`: pieces 7 to 17 are the draws 0 to 10, piece 0 is 11.
inline int PieceDraw(int piece) {
    return piece == 0 ? 11 : piece - 7;
}

// Scripts `rows` starting rows of colour 1 whose four holes all fall in well
// column `holeColumn` (0 to 11).
inline void ScriptStartingRows(kit::testing::ScriptedRandom& random, int rows, int holeColumn) {
    for (int row = 0; row < rows; ++row) {
        for (int cell = 0; cell < kWellColumns; ++cell) {
            random.Script({0});
        }
        random.Script({holeColumn, holeColumn, holeColumn, holeColumn});
    }
}

}  // namespace briko::testing
