#include "tools/briko_art/blocks.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace briko_art {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

void put(QImage& image, int x, int y, const QColor& colour) {
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        image.setPixelColor(x, y, colour);
}

void fill(QImage& image, int x, int y, int w, int h, const QColor& colour) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            put(image, x + i, y + j, colour);
}

// The wall: a raised light-grey square, the same in every design.
void drawWall(QImage& image, int x, int y, int size) {
    const QColor face(192, 192, 192);
    const QColor light(255, 255, 255);
    const QColor shadow(128, 128, 128);
    const QColor edge(64, 64, 64);
    fill(image, x, y, size, size, face);
    const int last = size - 1;
    for (int i = 0; i < size; ++i) {
        put(image, x + i, y, light);
        put(image, x, y + i, light);
        put(image, x + i, y + last, edge);
        put(image, x + last, y + i, edge);
    }
    for (int i = 1; i < last; ++i) {
        put(image, x + i, y + last - 1, shadow);
        put(image, x + last - 1, y + i, shadow);
    }
}

// Aggregated blocks: a black margin and a bevel on every side that does not
// join, so that the cells of one piece read as one outlined shape.
void drawAggregated(QImage& image, int x, int y, int size, const Shade& s, int joins) {
    const bool top = joins & JoinTop, left = joins & JoinLeft;
    const bool bottom = joins & JoinBottom, right = joins & JoinRight;
    const int bevel = size >= 12 ? 2 : 1;
    const int x0 = left ? 0 : 1, y0 = top ? 0 : 1;
    const int x1 = right ? size - 1 : size - 2, y1 = bottom ? size - 1 : size - 2;
    fill(image, x, y, size, size, kBlack);
    // The face is lit a little from the top left.
    for (int j = y0; j <= y1; ++j)
        for (int i = x0; i <= x1; ++i) {
            const double t = (i + j) / double(2 * size);
            put(image, x + i, y + j,
                mix(mix(s.bright, kWhite, 0.12), s.bright, std::min(1.0, t * 1.6)));
        }
    for (int b = 0; b < bevel; ++b) {
        const double soft = b == 0 ? 0.0 : 0.5;
        const QColor light = mix(kWhite, s.bright, soft);
        const QColor dark = mix(s.dark, s.bright, soft);
        if (!bottom)
            for (int i = x0; i <= x1; ++i)
                put(image, x + i, y + y1 - b, dark);
        if (!right)
            for (int j = y0; j <= y1; ++j)
                put(image, x + x1 - b, y + j, dark);
        if (!top)
            for (int i = x0; i <= x1 - (right ? 0 : b + 1); ++i)
                put(image, x + i, y + y0 + b, light);
        if (!left)
            for (int j = y0; j <= y1 - (bottom ? 0 : b + 1); ++j)
                put(image, x + x0 + b, y + j, light);
    }
}

// A bevelled block whose middle is pressed in.
void drawConcave(QImage& image, int x, int y, int size, const Shade& s) {
    fill(image, x, y, size, size, kBlack);
    const int last = size - 2;
    fill(image, x + 1, y + 1, size - 2, size - 2, s.bright);
    auto ring = [&](int a, int b, const QColor& topLeft, const QColor& bottomRight) {
        for (int i = a; i <= b; ++i) {
            put(image, x + i, y + b, bottomRight);
            put(image, x + b, y + i, bottomRight);
        }
        for (int i = a; i < b; ++i) {
            put(image, x + i, y + a, topLeft);
            put(image, x + a, y + i, topLeft);
        }
    };
    ring(1, last, kWhite, s.dark);
    ring(2, last - 1, mix(kWhite, s.bright, 0.5), mix(s.dark, s.bright, 0.5));
    const int inner = size / 4 + 1;
    ring(inner, size - 1 - inner, s.dark, mix(kWhite, s.bright, 0.3));
    fill(image, x + inner + 1, y + inner + 1, size - 2 * inner - 2, size - 2 * inner - 2,
         mix(s.bright, s.dark, 0.25));
}

// Four facets meeting in the middle, lit from the top left.
void drawPyramidal(QImage& image, int x, int y, int size, const Shade& s) {
    fill(image, x, y, size, size, kBlack);
    const double centre = (size - 1) / 2.0;
    const QColor topFace = mix(s.bright, kWhite, 0.55);
    const QColor leftFace = mix(s.bright, kWhite, 0.15);
    const QColor rightFace = mix(s.bright, s.dark, 0.45);
    const QColor bottomFace = s.dark;
    for (int j = 1; j < size - 1; ++j)
        for (int i = 1; i < size - 1; ++i) {
            const double dx = i - centre, dy = j - centre;
            QColor c;
            if (std::abs(dy) >= std::abs(dx))
                c = dy < 0 ? topFace : bottomFace;
            else
                c = dx < 0 ? leftFace : rightFace;
            put(image, x + i, y + j, c);
        }
}

// One flat colour with a thin dark rim.
void drawFlat(QImage& image, int x, int y, int size, const Shade& s) {
    fill(image, x, y, size, size, kBlack);
    fill(image, x + 1, y + 1, size - 2, size - 2, s.dark);
    fill(image, x + 2, y + 2, size - 4, size - 4, s.bright);
}

// A rounded dome with a highlight near its top-left.
void drawConvex(QImage& image, int x, int y, int size, const Shade& s) {
    fill(image, x, y, size, size, kBlack);
    const double spot = size * 0.33;
    const double reach = size * 0.95;
    for (int j = 1; j < size - 1; ++j)
        for (int i = 1; i < size - 1; ++i) {
            const bool corner = (i == 1 || i == size - 2) && (j == 1 || j == size - 2);
            if (corner)
                continue;
            const double d = std::hypot(i - spot, j - spot) / reach;
            const QColor c = d < 0.3 ? mix(kWhite, s.bright, d / 0.3)
                                     : mix(s.bright, s.dark, std::min(1.0, (d - 0.3) / 0.7));
            put(image, x + i, y + j, c);
        }
}

}  // namespace

const Shade& shade(int colour) {
    static const std::array<Shade, 9> shades{{
        {QColor(0, 0, 0), QColor(0, 0, 0)},
        {QColor(255, 0, 0), QColor(128, 0, 0)},
        {QColor(0, 255, 0), QColor(0, 128, 0)},
        {QColor(255, 255, 0), QColor(128, 128, 0)},
        {QColor(0, 0, 255), QColor(0, 0, 128)},
        {QColor(255, 0, 255), QColor(128, 0, 128)},
        {QColor(0, 255, 255), QColor(0, 128, 128)},
        {QColor(192, 192, 192), QColor(128, 128, 128)},
        {QColor(192, 192, 192), QColor(128, 128, 128)},
    }};
    return shades.at(std::clamp(colour, 0, 8));
}

QColor mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int p, int q) { return int(std::lround(p + (q - p) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

void drawBlock(QImage& image, int x, int y, int size, Design design, int colour, int joins) {
    if (colour <= 0) {
        fill(image, x, y, size, size, kBlack);
        return;
    }
    if (colour >= 8) {
        drawWall(image, x, y, size);
        return;
    }
    const Shade& s = shade(colour);
    switch (design) {
        case Design::Aggregated:
            drawAggregated(image, x, y, size, s, joins);
            break;
        case Design::Concave:
            drawConcave(image, x, y, size, s);
            break;
        case Design::Pyramidal:
            drawPyramidal(image, x, y, size, s);
            break;
        case Design::Flat:
            drawFlat(image, x, y, size, s);
            break;
        case Design::Convex:
            drawConvex(image, x, y, size, s);
            break;
    }
}

void drawBlockPicture(QImage& image, int x, int y, int size, Design design,
                      const std::vector<std::string>& grid, const ColourOf& colourOf) {
    auto at = [&](int c, int r) -> char {
        if (r < 0 || r >= int(grid.size()) || c < 0 || c >= int(grid[r].size()))
            return '.';
        return grid[r][c];
    };
    for (int r = 0; r < int(grid.size()); ++r)
        for (int c = 0; c < int(grid[r].size()); ++c) {
            const char v = at(c, r);
            if (v == '.' || v == ' ')
                continue;
            int joins = 0;
            if (at(c, r - 1) == v)
                joins |= JoinTop;
            if (at(c - 1, r) == v)
                joins |= JoinLeft;
            if (at(c, r + 1) == v)
                joins |= JoinBottom;
            if (at(c + 1, r) == v)
                joins |= JoinRight;
            const int colour = colourOf ? colourOf(v) : v - '0';
            drawBlock(image, x + c * size, y + r * size, size, design, colour, joins);
        }
}

}  // namespace briko_art
