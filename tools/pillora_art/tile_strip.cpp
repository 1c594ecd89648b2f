#include "tools/pillora_art/tile_strip.h"

#include <cmath>

#include "tools/pillora_art/marks.h"
#include "tools/pillora_art/palette.h"
#include "tools/pillora_art/shading.h"
#include "tools/pillora_art/viruses.h"

namespace pillora_art {
namespace {

constexpr int kTile = 16;
constexpr double kRadius = 6.0;

QRect tileRect(int code) {
    return QRect(0, code * kTile, kTile, kTile);
}

// A capsule half: the round end faces away from its partner and the body runs
// to the tile edge on the partner's side, so that two halves join seamlessly.
// Its colour's mark sits in the middle of the round end.
void paintHalf(QImage& image, int code, int colour, int kind, const Ramp& ramp) {
    RoundBody body{8, 8, 8, 8, kRadius};
    switch (kind) {
        case 1:  // partner above
            body = {8, 9, 8, -8, kRadius};
            break;
        case 2:  // partner right
            body = {7, 8, 24, 8, kRadius};
            break;
        case 3:  // partner below
            body = {8, 7, 8, 24, kRadius};
            break;
        case 4:  // partner left
            body = {9, 8, -8, 8, kRadius};
            break;
    }
    paintBody(image, 0, code * kTile, body, ramp, tileRect(code));
    paintMark(image, 0, code * kTile, static_cast<int>(body.ax), static_cast<int>(body.ay), colour);
}

void paintSingle(QImage& image, int code, int colour, const Ramp& ramp) {
    paintBody(image, 0, code * kTile, {8, 8, 8, 8, 5.6}, ramp, tileRect(code));
    paintMark(image, 0, code * kTile, 8, 8, colour);
}

// The flash of a removed half: a bright ring crossed out, with the colour's
// mark where the arms of the cross meet.
void paintDestroy(QImage& image, int code, int colour, const Ramp& ramp) {
    const int top = code * kTile;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double px = x + 0.5 - 8, py = y + 0.5 - 8;
            const double d = std::sqrt(px * px + py * py);
            if (d < 6.6 && d >= 5.0)
                image.setPixel(x, top + y, ramp.light);
            else if (d >= 3.0 && d < 5.0 && (std::abs(px - py) < 1.0 || std::abs(px + py) < 1.0))
                image.setPixel(x, top + y, White);
        }
    }
    paintMark(image, 0, top, 8, 8, colour);
}

// A raised light grey square: the bottle and the preview between games.
void paintIdle(QImage& image, int code) {
    const int top = code * kTile;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            Ink ink = LightGrey;
            if (x == kTile - 1 || y == kTile - 1)
                ink = DarkGrey;
            else if (x == 0 || y == 0)
                ink = White;
            image.setPixel(x, top + y, ink);
        }
    }
}

}  // namespace

QImage tileStrip() {
    QImage image = paletteImage(kTile, 43 * kTile);
    for (int colour = 0; colour < 5; ++colour) {
        const Ramp ramp = rampOf(colour);
        const int first = colour * 8;
        for (int kind = 1; kind <= 4; ++kind)
            paintHalf(image, first + kind, colour, kind, ramp);
        paintSingle(image, first + 5, colour, ramp);
        paintDestroy(image, first + 6, colour, ramp);
        paintVirus(image, 0, (first + 7) * kTile, colour, 0);
        paintVirus(image, 0, (first + 8) * kTile, colour, 1);
    }
    paintIdle(image, 41);
    return image;
}

}  // namespace pillora_art
