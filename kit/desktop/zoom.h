#pragma once

#include "kit/desktop/zoom_range.h"

class QWidget;

// The zoom scales all of a program's windows at once: forms, fonts, pictures,
// the board, the counters, dialogs and message boxes.
namespace kit {

// The zoom a main window, `windowHeight` pixels high at 1x, starts at on a
// screen `availableHeight` pixels high at 1x (its available area). On a first
// start (`storedZoom` not chosen) the largest whose window fits in two thirds of
// that height, or 1; after, the stored zoom, brought down as far as needed for
// the window to fit the screen (a zoom chosen on a larger screen).
int startZoom(int storedZoom, int windowHeight, int availableHeight);

// The zoom every window of the program is shown at.
int currentZoom();

// Shows every window of the program `zoom` times (brought into 1 to 4) as large
// as at 1x, on top of the desktop's own scale. Pixel art is scaled by whole
// pixels, text and frames are drawn anew at the new size. The windows keep
// their top-left corner, unless the larger window would then leave the screen's
// available area.
void setZoom(int zoom);

// The zoom of a main window, the same in every program: applies the start zoom
// of `storedZoom` for `mainWindow` (which must have its 1x size by now) on its
// screen, and adds the window-wide
// shortcuts Ctrl++ (also Ctrl+=), Ctrl+- and Ctrl+0. `storedZoom`, the setting
// that SaveSettings writes, holds the zoom of a first start or of the player's
// last change. At a fractional
// scale a one-pixel frame line would cover a row or column of the pixel art
// inside it here and not there, so the raised and sunken panels of `mainWindow`
// are drawn as whole device pixels instead (the same pixels at 1x).
void useZoom(QWidget& mainWindow, int& storedZoom);

}  // namespace kit
