// Draws the NUMBERS digit strips of the three programs: eleven 16 x 24
// seven-segment cells (0, 9, 8, ... 1, 0 from the top) in the program's glyph
// colour on black, stored as 4-bit uncompressed bitmaps with the standard
// 16-colour palette.
//
//   make_numbers <output folder>   writes orchard.bmp, briko.bmp, pillora.bmp
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 16;
constexpr int kCellHeight = 24;
constexpr int kCells = 11;
constexpr int kHeight = kCellHeight * kCells;

enum Segment { T, UL, UR, M, LL, LR, B };

// Lit segments of glyphs 0 to 9.
constexpr std::array<std::array<bool, 7>, 10> kLit = {{
    //  T     UL     UR     M      LL     LR     B
    {true, true, true, false, true, true, true},      // 0
    {false, false, true, false, false, true, false},  // 1
    {true, false, true, true, true, false, true},     // 2
    {true, false, true, true, false, true, true},     // 3
    {false, true, true, true, false, true, false},    // 4
    {true, true, false, true, false, true, true},     // 5
    {true, true, false, true, true, true, true},      // 6
    {true, false, true, false, false, true, false},   // 7
    {true, true, true, true, true, true, true},       // 8
    {true, true, true, true, false, true, false},     // 9
}};

using Cell = std::array<std::array<bool, kWidth>, kCellHeight>;

void horizontal(Cell& cell, int row) {
    for (int x = 6; x <= 9; ++x)
        cell[row][x] = true;
}

// A vertical segment from `top` to `top` + 4: one pixel wide at its ends, two between.
void vertical(Cell& cell, int top, bool left) {
    for (int y = top; y <= top + 4; ++y) {
        const bool end = y == top || y == top + 4;
        if (left) {
            cell[y][5] = true;
            cell[y][6] = cell[y][6] || !end;
        } else {
            cell[y][10] = true;
            cell[y][9] = cell[y][9] || !end;
        }
    }
}

Cell glyph(int digit) {
    Cell cell{};
    const auto& lit = kLit[digit];
    if (lit[T])
        horizontal(cell, 5);
    if (lit[M])
        horizontal(cell, 11);
    if (lit[B])
        horizontal(cell, 17);
    if (lit[UL])
        vertical(cell, 6, true);
    if (lit[UR])
        vertical(cell, 6, false);
    if (lit[LL])
        vertical(cell, 12, true);
    if (lit[LR])
        vertical(cell, 12, false);
    return cell;
}

// The standard 16-colour palette, in palette order.
constexpr std::uint8_t kPalette[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> stripBitmap(int glyphColour) {
    // Pixel rows of the whole strip, top first: cell c shows digit (10 - c) % 10.
    std::vector<std::array<std::uint8_t, kWidth>> pixels(kHeight);
    for (int c = 0; c < kCells; ++c) {
        const Cell cell = glyph((10 - c) % 10);
        for (int y = 0; y < kCellHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels[c * kCellHeight + y][x] = cell[y][x] ? glyphColour : 0;
    }
    constexpr std::uint32_t rowBytes = kWidth / 2;  // 8, already a multiple of 4
    constexpr std::uint32_t offset = 14 + 40 + 16 * 4;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + rowBytes * kHeight);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, kWidth);
    put32(out, kHeight);  // positive: bottom row first
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);  // uncompressed
    put32(out, rowBytes * kHeight);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 16);
    for (const auto& rgb : kPalette) {
        out.push_back(rgb[2]);
        out.push_back(rgb[1]);
        out.push_back(rgb[0]);
        out.push_back(0);
    }
    for (int y = kHeight - 1; y >= 0; --y)
        for (int x = 0; x < kWidth; x += 2)
            out.push_back(static_cast<std::uint8_t>(pixels[y][x] << 4 | pixels[y][x + 1]));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_numbers <output folder>\n");
        return 2;
    }
    const struct {
        const char* name;
        int colour;
    } programs[] = {{"orchard.bmp", 11}, {"briko.bmp", 15}, {"pillora.bmp", 10}};
    for (const auto& program : programs) {
        const std::string path = std::string(argv[1]) + "/" + program.name;
        const auto bytes = stripBitmap(program.colour);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "make_numbers: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
