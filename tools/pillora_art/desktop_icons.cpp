#include "tools/pillora_art/desktop_icons.h"

#include "tools/pillora_art/pictures.h"
#include "tools/pixel_map/pixel_map.h"

namespace pillora_art {
namespace {

// The capsule at 16 pixels, drawn by hand so that its outline, seam and shine
// stay sharp.
QImage smallCapsule() {
    return fallpack_art::pixelMap(
        {
            "...........kkkk.",
            "..........ktTTDk",
            ".........ktwTTDk",
            "........ktwTTTDk",
            ".......ktwTTTDDk",
            "......ktwTTTTDk.",
            ".....kktTTTTDk..",
            "....krrkTTTDk...",
            "...krwRRkTDk....",
            "..krwRRRRkk.....",
            ".krwRRRRMk......",
            "krwRRRRMk.......",
            "krRRRRMk........",
            "krRRRMMk........",
            "kMMMMMk.........",
            ".kkkk...........",
        },
        {{'k', qRgb(30, 30, 30)},
         {'T', qRgb(0, 166, 166)},
         {'t', qRgb(120, 220, 220)},
         {'D', qRgb(0, 90, 90)},
         {'R', qRgb(192, 0, 0)},
         {'r', qRgb(240, 110, 110)},
         {'M', qRgb(110, 0, 0)},
         {'w', qRgb(255, 255, 255)}});
}

}  // namespace

bool saveDesktopIcons(const QString& folder) {
    return fallpack_art::saveDesktopIcons(
        folder, [](int size) { return size == 16 ? smallCapsule() : programIcon(size); });
}

}  // namespace pillora_art
