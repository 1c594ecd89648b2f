#include "tools/pillora_art/viruses.h"

#include <array>

#include "tools/pillora_art/palette.h"
#include "tools/pillora_art/shading.h"

namespace pillora_art {
namespace {

using Overlay = std::array<const char*, 16>;

// Paints the marks of an overlay over a tile: '.' leaves the pixel, 'k' is
// black, 'w' white, 'r' red, and 's', 'b', 'l' take the shadow, base and light
// tones of the virus's colour.
void stamp(QImage& image, int left, int top, const Overlay& rows, const Ramp& ramp) {
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16 && rows[y][x] != '\0'; ++x) {
            int ink = -1;
            switch (rows[y][x]) {
                case 'k':
                    ink = Black;
                    break;
                case 'w':
                    ink = White;
                    break;
                case 'r':
                    ink = Red;
                    break;
                case 's':
                    ink = ramp.shadow;
                    break;
                case 'b':
                    ink = ramp.base;
                    break;
                case 'l':
                    ink = ramp.light;
                    break;
            }
            if (ink >= 0)
                image.setPixel(left + x, top + y, ink);
        }
    }
}

void body(QImage& image, int left, int top, const RoundBody& shape, const Ramp& ramp) {
    paintBody(image, left, top, shape, ramp, QRect(left, top, 16, 16));
}

// Colour 0: a round body with eight knobbed spikes that turn between the poses.
void spiky(QImage& image, int left, int top, int pose, const Ramp& ramp) {
    static const Overlay spikes[2] = {{
                                          ".......ll.......",
                                          ".......bb.......",
                                          "..l....bb....l..",
                                          "...b........b...",
                                          "................",
                                          "................",
                                          "................",
                                          "lbb..........bbl",
                                          "lbb..........bbl",
                                          "................",
                                          "................",
                                          "................",
                                          "...b........b...",
                                          "..l....bb....l..",
                                          ".......bb.......",
                                          ".......ll.......",
                                      },
                                      {
                                          ".....l....l.....",
                                          ".....b....b.....",
                                          "......b..b......",
                                          "................",
                                          "................",
                                          "lb............bl",
                                          "..b..........b..",
                                          "................",
                                          "................",
                                          "..b..........b..",
                                          "lb............bl",
                                          "................",
                                          "................",
                                          "......b..b......",
                                          ".....b....b.....",
                                          ".....l....l.....",
                                      }};
    static const Overlay faces[2] = {{
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "....k......k....",
                                         ".....k....k.....",
                                         "....wwk..kww....",
                                         "....www..www....",
                                         "................",
                                         "......kkkk......",
                                         ".....k....k.....",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                     },
                                     {
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "....k......k....",
                                         ".....k....k.....",
                                         "....wkw..wkw....",
                                         "....www..www....",
                                         "................",
                                         "......kkkk......",
                                         ".....kwwwwk.....",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                     }};
    stamp(image, left, top, spikes[pose], ramp);
    body(image, left, top, {8, 8, 8, 8, 5.5}, ramp);
    stamp(image, left, top, faces[pose], ramp);
}

// Colour 1: a wide blob with one big eye and two antennae that wave.
void cyclops(QImage& image, int left, int top, int pose, const Ramp& ramp) {
    static const Overlay extras[2] = {{
                                          "...l........l...",
                                          "....b......b....",
                                          ".....b....b.....",
                                          "......b..b......",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "...bb......bb...",
                                          "..bb........bb..",
                                      },
                                      {
                                          "......l..l......",
                                          "......b..b......",
                                          "......b..b......",
                                          "......b..b......",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "....bb....bb....",
                                          "....bb....bb....",
                                      }};
    static const Overlay faces[2] = {{
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "......wwww......",
                                         ".....wwwwww.....",
                                         ".....wkkwww.....",
                                         ".....wkkwww.....",
                                         "......wwww......",
                                         "................",
                                         "......kkkk......",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                     },
                                     {
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "......wwww......",
                                         ".....wwwwww.....",
                                         ".....wwwkkw.....",
                                         ".....wwwkkw.....",
                                         "......wwww......",
                                         "................",
                                         ".......kk.......",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                     }};
    stamp(image, left, top, extras[pose], ramp);
    body(image, left, top, {6, 8.5, 10, 8.5, 5.2}, ramp);
    stamp(image, left, top, faces[pose], ramp);
}

// Colour 2: a jelly dome on four legs that step between the poses.
void jelly(QImage& image, int left, int top, int pose, const Ramp& ramp) {
    static const Overlay legs[2] = {{
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "...bbbbbbbbbb...",
                                        "...bbbbbbbbbb...",
                                        "...bb.bb.bb.bb..",
                                        "...b..b..b...b..",
                                        "..b...b...b...b.",
                                        "..b....b..b...b.",
                                    },
                                    {
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "................",
                                        "...bbbbbbbbbb...",
                                        "...bbbbbbbbbb...",
                                        "..bb.bb.bb.bb...",
                                        "..b...b..b..b...",
                                        ".b...b...b...b..",
                                        ".b...b..b....b..",
                                    }};
    static const Overlay faces[2] = {{
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "......w..w......",
                                         ".....wk.wk......",
                                         ".....wk.wk......",
                                         "................",
                                         ".......rr.......",
                                         ".......rr.......",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                     },
                                     {
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "......w..w......",
                                         "......kw.kw.....",
                                         "......kw.kw.....",
                                         "................",
                                         "........rr......",
                                         "........rr......",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                     }};
    body(image, left, top, {8, 8, 8, 10, 5.2}, ramp);
    stamp(image, left, top, legs[pose], ramp);
    stamp(image, left, top, faces[pose], ramp);
}

// Colour 3: a squat body with two horns and a toothy grin; its arms go up and
// down between the poses.
void grinner(QImage& image, int left, int top, int pose, const Ramp& ramp) {
    static const Overlay extras[2] = {{
                                          "................",
                                          "................",
                                          "...l........l...",
                                          "...bl......lb...",
                                          "....b......b....",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "b..............b",
                                          ".b............b.",
                                          "..b..........b..",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                      },
                                      {
                                          "................",
                                          "................",
                                          "...l........l...",
                                          "...bl......lb...",
                                          "....b......b....",
                                          "................",
                                          "b..............b",
                                          ".b............b.",
                                          "..b..........b..",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                          "................",
                                      }};
    static const Overlay faces[2] = {{
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         ".....wk..kw.....",
                                         "................",
                                         "....kkkkkkkk....",
                                         "....kwkwwkwk....",
                                         ".....kkkkkk.....",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                     },
                                     {
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         ".....kk..kk.....",
                                         "................",
                                         "....kkkkkkkk....",
                                         "....kwkwwkwk....",
                                         ".....kkkkkk.....",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                         "................",
                                     }};
    stamp(image, left, top, extras[pose], ramp);
    body(image, left, top, {6.5, 9, 9.5, 9, 5.0}, ramp);
    stamp(image, left, top, faces[pose], ramp);
}

// Colour 4: a diamond that swells to a rounded square and back, with sleepy
// eyes and a zigzag mouth.
void diamond(QImage& image, int left, int top, int pose, const Ramp& ramp) {
    static const Overlay shapes[2] = {{
                                          ".......ll.......",
                                          "......lbbs......",
                                          ".....lbbbbs.....",
                                          "....lbbbbbbs....",
                                          "...lbbbbbbbbs...",
                                          "..lbbbbbbbbbbs..",
                                          ".lbbbbbbbbbbbbs.",
                                          "lbbbbbbbbbbbbbbs",
                                          "lbbbbbbbbbbbbbbs",
                                          ".sbbbbbbbbbbbbs.",
                                          "..sbbbbbbbbbbs..",
                                          "...sbbbbbbbbs...",
                                          "....sbbbbbbs....",
                                          ".....sbbbbs.....",
                                          "......sbbs......",
                                          ".......ss.......",
                                      },
                                      {
                                          "................",
                                          "...llllllllll...",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..lbbbbbbbbbbs..",
                                          "..sbbbbbbbbbbs..",
                                          "...ssssssssss...",
                                          "................",
                                      }};
    static const Overlay face = {
        "................", "................", "................", "................",
        "................", "................", ".....kkk.kkk....", "......w...w.....",
        "................", "................", ".....k.k.k.k....", "......k.k.k.....",
        "................", "................", "................", "................",
    };
    stamp(image, left, top, shapes[pose], ramp);
    stamp(image, left, top, face, ramp);
}

}  // namespace

void paintVirus(QImage& image, int left, int top, int colour, int pose) {
    const Ramp ramp = rampOf(colour);
    switch (colour) {
        case 0:
            spiky(image, left, top, pose, ramp);
            break;
        case 1:
            cyclops(image, left, top, pose, ramp);
            break;
        case 2:
            jelly(image, left, top, pose, ramp);
            break;
        case 3:
            grinner(image, left, top, pose, ramp);
            break;
        default:
            diamond(image, left, top, pose, ramp);
            break;
    }
}

}  // namespace pillora_art
