#pragma once

#include "kit/desktop/zoom_range.h"

class QWidget;

// The zoom scales all of a program's windows at once: forms, fonts, pictures,
// the board, the counters, dialogs and message boxes.
namespace kit {

// The zoom of a first start: the largest whose main window, `windowHeight`
// pixels high at 1x, fits in two thirds of `availableHeight` (the screen's
// available height at 1x); 1 when not even 1x fits.
int firstStartZoom(int windowHeight, int availableHeight);

// The zoom every window of the program is shown at.
int currentZoom();

// Shows every window of the program `zoom` times (brought into 1 to 4) as large
// as at 1x, on top of the desktop's own scale. Pixel art is scaled by whole
// pixels, text and frames are drawn anew at the new size. The windows keep
// their top-left corner, unless the larger window would then leave the screen's
// available area.
void setZoom(int zoom);

// The zoom of a main window, the same in every program: applies `storedZoom`
// when it is chosen and otherwise the first-start zoom of `mainWindow` (which
// must have its 1x size by now) on its screen, and adds the window-wide
// shortcuts Ctrl++ (also Ctrl+=), Ctrl+- and Ctrl+0. `storedZoom`, the setting
// that SaveSettings writes, holds the zoom in use from then on. At a fractional
// scale a one-pixel frame line would cover a row or column of the pixel art
// inside it here and not there, so the raised and sunken panels of `mainWindow`
// are drawn as whole device pixels instead (the same pixels at 1x).
void useZoom(QWidget& mainWindow, int& storedZoom);

}  // namespace kit
