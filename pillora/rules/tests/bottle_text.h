#pragma once

#include "pillora/rules/bottle.h"

#include <string>
#include <string_view>

namespace pillora::testing {

// Bottles written as text, one line a row, the last line being row 23 (the
// bottom row). A cell is two characters: a colour, R C Y G M for dark red, dark
// cyan, olive, green and magenta, then its shape: ^ > v < for a half whose
// partner is above, right, below or left, o for a single, * and + for the two
// virus frames, x for the flash; ".." is an empty cell. Spaces are ignored.
//   "Rv .. .. .. .. .. .. .."
//   "C^ Y> G< .. .. .. .. R*"

// Empties rows −2 to 23 and fills the bottom rows from `text`.
void Load(Bottle& bottle, std::string_view text);
// The bottom `rows` rows, in the same notation (no spaces, one line a row).
std::string Dump(const Bottle& bottle, int rows);
// `text` as Dump would write it: spaces and blank lines dropped.
std::string Normal(std::string_view text);
// The code of one cell written as above, such as "Ro".
Cell Code(std::string_view cell);

}  // namespace pillora::testing
