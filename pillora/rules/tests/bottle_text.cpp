#include "pillora/rules/tests/bottle_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace pillora::testing {

namespace {

constexpr std::string_view kColours = "RCYGM";
constexpr std::string_view kShapes = "+^>v<ox*";  // by kind, 0 to 7

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : std::string(text) + "\n") {
        if (c == '\n') {
            if (!line.empty()) {
                lines.push_back(line);
            }
            line.clear();
        } else if (c != ' ') {
            line += c;
        }
    }
    return lines;
}

std::string Text(Cell code) {
    if (code == kEmpty) {
        return "..";
    }
    if (code == kIdle) {
        return "##";
    }
    return {kColours[ColourOf(code) - 1], kShapes[code % 8]};
}

}  // namespace

Cell Code(std::string_view cell) {
    if (cell == "..") {
        return kEmpty;
    }
    if (cell == "##") {
        return kIdle;
    }
    const auto colour = kColours.find(cell[0]);
    const auto kind = kShapes.find(cell[1]);
    EXPECT_TRUE(cell.size() == 2 && colour != std::string_view::npos &&
                kind != std::string_view::npos)
        << "unknown cell '" << cell << "'";
    if (colour == std::string_view::npos || kind == std::string_view::npos) {
        return kEmpty;
    }
    // Kind 0 is the second virus frame, the last code of its colour.
    return static_cast<Cell>(colour * 8 + (kind == 0 ? 8 : kind));
}

void Load(Bottle& bottle, std::string_view text) {
    bottle.ClearBottle();
    const std::vector<std::string> lines = Lines(text);
    const int firstRow = Grid::kRows - static_cast<int>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 16u) << "row '" << lines[i] << "'";
        for (int column = 0; column < 8 && 2 * column + 1 < int(lines[i].size()); ++column) {
            bottle.SetCell(column, firstRow + static_cast<int>(i),
                           Code(std::string_view(lines[i]).substr(2 * column, 2)));
        }
    }
}

std::string Dump(const Bottle& bottle, int rows) {
    std::ostringstream out;
    for (int row = Grid::kRows - rows; row < Grid::kRows; ++row) {
        for (int column = 0; column < 8; ++column) {
            out << Text(bottle.At(column, row));
        }
        out << '\n';
    }
    return out.str();
}

std::string Normal(std::string_view text) {
    std::string out;
    for (const std::string& line : Lines(text)) {
        out += line + '\n';
    }
    return out;
}

}  // namespace pillora::testing
