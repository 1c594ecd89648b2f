#pragma once

#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace kit {

// Runs `fill` once, when `widget` is first shown: with the Show event that comes
// before its first paint, not when the widget is made. For what a window shows
// but nobody needs earlier: the pictures of the dialogs, all created at start-up,
// are decoded at their first showing, so that none of them delays the main
// window's first frame.
void whenFirstShown(QWidget& widget, std::function<void()> fill);

// `label` shows the picture `resource`, in the language in use
// (kit::localizedResource), from its first showing on.
void showPictureWhenShown(QLabel& label, const QString& resource);

}  // namespace kit
