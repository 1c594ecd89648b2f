#pragma once

#include "briko/rules/BRIKOConstantes.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace briko::testing {

// Boards written as text, one string of 12 characters per well row: '.' is
// empty, '#' a block of value 1 and a digit that value. The rows given are the
// bottom rows of the well, the last one row 24; the rows above are empty.
Board BoardFromRows(std::initializer_list<std::string_view> rows);

// The rows from `firstRow` to 24 in the same notation ('#' for any value above 9).
std::string RowsOf(const Board& board, int firstRow);

}  // namespace briko::testing
