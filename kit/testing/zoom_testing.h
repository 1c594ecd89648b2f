#pragma once

#include <QImage>
#include <QSize>

#include <initializer_list>

class QWidget;

namespace kit::testing {

// What the top-level `window` shows, in device pixels: the picture handed to
// the platform, once every pending repaint has been drawn.
QImage ShownImage(QWidget& window);

// Presses Ctrl++ on `mainWindow`, shown at 1x, and fails the test unless the
// window is then twice as large in device pixels at the same logical size, and
// each of the `frames` (children of the window, by name) shows what it showed
// at 1x with every pixel doubled.
void ExpectCtrlPlusDoubles(QWidget& mainWindow, std::initializer_list<const char*> frames);

// Fails the test unless the cells inside `frame` (a child of `mainWindow`, by
// name, holding like cells of size `cell` within its one-pixel border) are all
// alike on the screen: a cell drawn one device pixel wider or narrower, or
// partly covered, breaks the pattern.
void ExpectEqualCells(QWidget& mainWindow, const char* frame, const QSize& cell);

// The desktop's scale, as QT_SCALE_FACTOR sets it at start-up, for the windows
// created while it lives.
class ScopedDesktopScale {
  public:
    explicit ScopedDesktopScale(double scale);
    ~ScopedDesktopScale();
    ScopedDesktopScale(const ScopedDesktopScale&) = delete;
    ScopedDesktopScale& operator=(const ScopedDesktopScale&) = delete;
};

}  // namespace kit::testing
