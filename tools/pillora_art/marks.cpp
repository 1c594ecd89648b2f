#include "tools/pillora_art/marks.h"

#include <array>

#include "tools/pillora_art/palette.h"

namespace pillora_art {
namespace {

constexpr int kTile = 16;
constexpr int kMark = 5;

using Glyph = std::array<const char*, kMark>;

// 'w' is the white of the mark, 'k' a black detail inside it.
const Glyph& glyphOf(int colour) {
    static const Glyph glyphs[5] = {
        {"w.w.w", ".www.", "wwwww", ".www.", "w.w.w"},  // spiky ball
        {".www.", "wwwww", "wwkww", "wwwww", ".www."},  // one big eye
        {".www.", "wwwww", "wwwww", "w.w.w", "w.w.w"},  // jelly dome on legs
        {"w...w", "ww.ww", "wwwww", "wwwww", ".www."},  // horned head
        {"..w..", ".w.w.", "w...w", ".w.w.", "..w.."},  // diamond
    };
    return glyphs[colour];
}

bool inGlyph(const Glyph& glyph, int x, int y) {
    return x >= 0 && y >= 0 && x < kMark && y < kMark && glyph[y][x] != '.';
}

}  // namespace

void paintMark(QImage& image, int left, int top, int centreX, int centreY, int colour) {
    const Glyph& glyph = glyphOf(colour);
    const Ramp ramp = rampOf(colour);
    const QRect tile(left, top, kTile, kTile);
    const int x0 = left + centreX - kMark / 2, y0 = top + centreY - kMark / 2;
    // The rim first: the light pixels next to the glyph (sideways or up and
    // down) that are not part of it.
    for (int y = -1; y <= kMark; ++y) {
        for (int x = -1; x <= kMark; ++x) {
            if (inGlyph(glyph, x, y))
                continue;
            const bool touches = inGlyph(glyph, x - 1, y) || inGlyph(glyph, x + 1, y) ||
                                 inGlyph(glyph, x, y - 1) || inGlyph(glyph, x, y + 1);
            if (!touches || !tile.contains(x0 + x, y0 + y))
                continue;
            const int under = image.pixelIndex(x0 + x, y0 + y);
            if (under == White || (under == ramp.light && ramp.light != ramp.base))
                image.setPixel(x0 + x, y0 + y, ramp.shadow);
        }
    }
    for (int y = 0; y < kMark; ++y)
        for (int x = 0; x < kMark; ++x)
            if (inGlyph(glyph, x, y) && tile.contains(x0 + x, y0 + y))
                image.setPixel(x0 + x, y0 + y, glyph[y][x] == 'k' ? Black : White);
}

}  // namespace pillora_art
