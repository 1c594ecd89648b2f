#include "tools/briko_art/tiling.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>
#include <utility>

namespace briko_art {
namespace {

using Cell = std::pair<int, int>;  // column, row
using Shape = std::vector<Cell>;

// The twelve pentominoes, one orientation each, as column/row cells.
const std::array<Shape, 12> kPentominoes{{
    {{0, 0}, {1, 0}, {2, 0}, {1, 1}, {1, 2}},  // T
    {{0, 0}, {0, 1}, {1, 1}, {2, 1}, {2, 0}},  // U
    {{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}},  // V
    {{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2}},  // W
    {{1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}},  // X
    {{0, 0}, {1, 0}, {1, 1}, {1, 2}, {2, 2}},  // Z
    {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}},  // I
    {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 3}},  // L
    {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}},  // P
    {{1, 0}, {2, 0}, {0, 1}, {1, 1}, {1, 2}},  // F
    {{0, 0}, {0, 1}, {1, 1}, {0, 2}, {0, 3}},  // Y
    {{0, 0}, {0, 1}, {1, 1}, {1, 2}, {1, 3}},  // N
}};

Shape normalised(Shape s) {
    int minC = s[0].first, minR = s[0].second;
    for (auto [c, r] : s) {
        minC = std::min(minC, c);
        minR = std::min(minR, r);
    }
    for (auto& [c, r] : s) {
        c -= minC;
        r -= minR;
    }
    // Row-major order, so that the first cell is the one a scan meets first.
    std::sort(s.begin(), s.end(), [](Cell a, Cell b) {
        return a.second != b.second ? a.second < b.second : a.first < b.first;
    });
    return s;
}

std::vector<Shape> orientations(const Shape& base) {
    std::set<Shape> found;
    Shape s = base;
    for (int mirror = 0; mirror < 2; ++mirror) {
        for (int turn = 0; turn < 4; ++turn) {
            found.insert(normalised(s));
            for (auto& [c, r] : s)
                std::tie(c, r) = std::pair(-r, c);
        }
        for (auto& cell : s)
            cell.first = -cell.first;
    }
    return {found.begin(), found.end()};
}

class Solver {
  public:
    Solver(int columns, int rows)
        : columns_(columns), rows_(rows), grid_(rows, std::string(columns, '.')) {
        for (const Shape& p : kPentominoes)
            shapes_.push_back(orientations(p));
    }

    bool solve(unsigned used) {
        int c = -1, r = -1;
        for (int j = 0; j < rows_ && r < 0; ++j)
            for (int i = 0; i < columns_; ++i)
                if (grid_[j][i] == '.') {
                    c = i;
                    r = j;
                    break;
                }
        if (r < 0)
            return true;
        for (int p = 0; p < 12; ++p) {
            if (used & (1u << p))
                continue;
            for (const Shape& s : shapes_[p]) {
                const int dc = c - s[0].first, dr = r - s[0].second;
                if (!fits(s, dc, dr))
                    continue;
                put(s, dc, dr, char('a' + p));
                if (solve(used | (1u << p)))
                    return true;
                put(s, dc, dr, '.');
            }
        }
        return false;
    }

    const std::vector<std::string>& grid() const { return grid_; }

  private:
    bool fits(const Shape& s, int dc, int dr) const {
        for (auto [c, r] : s) {
            const int x = c + dc, y = r + dr;
            if (x < 0 || y < 0 || x >= columns_ || y >= rows_ || grid_[y][x] != '.')
                return false;
        }
        return true;
    }
    void put(const Shape& s, int dc, int dr, char v) {
        for (auto [c, r] : s)
            grid_[r + dr][c + dc] = v;
    }

    int columns_, rows_;
    std::vector<std::string> grid_;
    std::vector<std::vector<Shape>> shapes_;
};

}  // namespace

std::vector<std::string> pentominoRectangle(int columns, int rows) {
    Solver solver(columns, rows);
    solver.solve(0);
    return solver.grid();
}

}  // namespace briko_art
