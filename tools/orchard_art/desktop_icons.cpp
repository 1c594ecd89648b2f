#include "tools/orchard_art/desktop_icons.h"

#include "tools/orchard_art/art.h"
#include "tools/pixel_map/pixel_map.h"

namespace orchard_art {
namespace {

// The apple at 16 pixels, drawn by hand: a painted one blurs its stem and leaf.
QImage smallApple() {
    return fallpack_art::pixelMap(
        {
            "........s.......",
            "........s.ggg...",
            "........sgggG...",
            "....kkk.sGGkk...",
            "..kkrrrkskrrrk..",
            ".krhhrrrrrrrrRk.",
            ".krhrrrrrrrrrRk.",
            "krhrrrrrrrrrrrRk",
            "krrrrrrrrrrrrrRk",
            "krrrrrrrrrrrrrRk",
            "krrrrrrrrrrrrRRk",
            ".krrrrrrrrrrRRk.",
            ".kRrrrrrrrrRRRk.",
            "..kRRrrrrRRRRk..",
            "...kkRRkkRRkk...",
            ".....kk..kk.....",
        },
        {{'k', qRgb(110, 0, 10)},
         {'r', qRgb(210, 25, 30)},
         {'R', qRgb(150, 10, 20)},
         {'h', qRgb(255, 160, 150)},
         {'g', qRgb(60, 170, 40)},
         {'G', qRgb(0, 100, 0)},
         {'s', qRgb(100, 60, 20)}});
}

}  // namespace

bool saveDesktopIcons(const QString& folder) {
    return fallpack_art::saveDesktopIcons(
        folder, [](int size) { return size == 16 ? smallApple() : mainIcon(size); });
}

}  // namespace orchard_art
