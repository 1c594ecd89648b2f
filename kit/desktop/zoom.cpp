#include "kit/desktop/zoom.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QFrame>
#include <QHash>
#include <QKeySequence>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>

// Qt scales all of a screen's windows by one factor, and keeps pixmaps sharp
// (nearest pixel) and text and frames drawn at the device's resolution. The
// factor of a screen can only be set through Qt's private interface, which ties
// the program to the Qt version it was built with (the package depends on it).
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>

#include <algorithm>
#include <functional>

namespace kit {
namespace {

struct ZoomState {
    int zoom = kSmallestZoom;
    // Each screen's own scale as Qt had it before any zoom (from the screen's
    // DPI or QT_SCREEN_SCALE_FACTORS); the zoom multiplies it. QT_SCALE_FACTOR
    // applies on top of both.
    QHash<const QScreen*, qreal> desktopScales;
    bool watchingScreens = false;
};

ZoomState& state() {
    static ZoomState instance;
    return instance;
}

qreal desktopScale(QScreen* screen) {
    QHash<const QScreen*, qreal>& scales = state().desktopScales;
    const auto found = scales.constFind(screen);
    if (found != scales.cend())
        return *found;
    const qreal global = QHighDpiScaling::factor(static_cast<const QScreen*>(nullptr));
    const qreal own = QHighDpiScaling::factor(static_cast<const QScreen*>(screen)) / global;
    scales.insert(screen, own);
    QObject::connect(screen, &QObject::destroyed,
                     [screen] { state().desktopScales.remove(screen); });
    return own;
}

void scaleScreen(QScreen* screen, int zoom) {
    QHighDpiScaling::setScreenFactor(screen, desktopScale(screen) * zoom);
}

// A screen plugged in later shows the windows at the same zoom.
void watchScreens() {
    if (state().watchingScreens)
        return;
    state().watchingScreens = true;
    QObject::connect(qApp, &QGuiApplication::screenAdded, [](QScreen* screen) {
        if (state().zoom != kSmallestZoom)
            scaleScreen(screen, state().zoom);
    });
}

// Moves a window grown past the screen's available area back into it, as far
// as it fits; a window that still fits stays where it is.
void keepOnScreen(QWindow& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const int x =
        std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y =
        std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top())
        window.setFramePosition(QPoint(x, y));
}

// The offscreen platform has no window manager to tell the sizes, and would
// warn that it cannot at each change.
bool hasWindowManager() {
    return QGuiApplication::platformName() != QLatin1String("offscreen");
}

// The picture of a window is kept in device pixels, and the toolkit makes it
// anew only when the window's size in logical pixels changes.
void remakePicture(QWidget& widget) {
    if (QBackingStore* store = widget.backingStore())
        store->resize(widget.size());
}

// A window hidden at a change of zoom (a dialog shown before) has its picture
// made anew when it is shown again, not now: making it now would create the
// native window, which some platforms then activate.
class RemakePictureOnShow : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            remakePicture(*static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
        }
        return false;
    }
};

// A native window keeps its size in device pixels when its screen's factor
// changes, so its size in logical pixels shrinks or grows: every window that
// exists gets its own size again, the window manager its new limits first (the
// fixed-size windows have equal least and largest sizes).
void refitWindows() {
    static auto* onShow = new RemakePictureOnShow(qApp);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        QWindow* window = widget->windowHandle();
        if (window == nullptr || window->handle() == nullptr) {
            if (widget->backingStore() != nullptr)
                widget->installEventFilter(onShow);
            continue;
        }
        if (hasWindowManager())
            window->handle()->propagateSizeHints();
        window->resize(widget->size());
        if (widget->isVisible())
            keepOnScreen(*window);
        remakePicture(*widget);
        widget->update();
    }
}

bool isPanel(const QObject* object) {
    const auto* frame = qobject_cast<const QFrame*>(object);
    return frame != nullptr && frame->metaObject() == &QFrame::staticMetaObject &&
           frame->frameShape() == QFrame::Panel && frame->frameShadow() != QFrame::Plain;
}

// A raised or sunken panel as whole rectangles: the first colour along the top
// (but its last pixel) and the left (but its last pixel), the second along the
// right and the bottom, line after line inwards. At 1x these are the pixels of
// the toolkit's own panel; at a fractional scale the fills end on the same
// device pixel as the pixel art inside begins, where a line could cover it.
void paintPanel(QFrame& frame) {
    QPainter painter(&frame);
    const bool sunken = frame.frameShadow() == QFrame::Sunken;
    const QColor first = sunken ? frame.palette().dark().color() : frame.palette().light().color();
    const QColor second = sunken ? frame.palette().light().color() : frame.palette().dark().color();
    QRect r = frame.frameRect();
    for (int line = 0; line < frame.lineWidth() && r.width() > 0 && r.height() > 0; ++line) {
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, first);
        painter.fillRect(r.left(), r.top(), 1, r.height() - 1, first);
        painter.fillRect(r.right(), r.top(), 1, r.height(), second);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, second);
        r.adjust(1, 1, -1, -1);
    }
}

// The zoom shortcuts of a main window, and the painter of its panels.
class WindowZoom : public QObject {
  public:
    WindowZoom(QWidget& mainWindow, int& storedZoom);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Apply(int zoom);

    int& stored_;
};

WindowZoom::WindowZoom(QWidget& mainWindow, int& storedZoom)
    : QObject(&mainWindow), stored_(storedZoom) {
    const QScreen* screen = mainWindow.screen();
    const int available = screen ? screen->availableGeometry().height() * currentZoom() : 0;
    setZoom(startZoom(storedZoom, mainWindow.height(), available));
    // A zoom chosen before stays stored as chosen, for the larger screen it was
    // chosen on, until the player changes it.
    if (!isChosenZoom(storedZoom))
        storedZoom = currentZoom();

    const auto addShortcuts = [&](QList<QKeySequence> keys, std::function<void()> command) {
        auto* action = new QAction(&mainWindow);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, command);
        mainWindow.addAction(action);
    };
    addShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                 [this] { Apply(currentZoom() + 1); });
    addShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { Apply(currentZoom() - 1); });
    addShortcuts({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { Apply(kSmallestZoom); });

    for (QFrame* frame : mainWindow.findChildren<QFrame*>())
        if (isPanel(frame))
            frame->installEventFilter(this);
}

void WindowZoom::Apply(int zoom) {
    setZoom(zoom);
    stored_ = currentZoom();
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && isPanel(watched)) {
        paintPanel(*static_cast<QFrame*>(watched));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace

int startZoom(int storedZoom, int windowHeight, int availableHeight) {
    const bool firstStart = !isChosenZoom(storedZoom);
    // The part of the screen's height the window may take, in thirds.
    const int thirds = firstStart ? 2 : 3;
    int zoom = firstStart ? kLargestZoom : storedZoom;
    while (zoom > kSmallestZoom && 3 * zoom * windowHeight > thirds * availableHeight)
        --zoom;
    return zoom;
}

int currentZoom() {
    return state().zoom;
}

void setZoom(int zoom) {
    zoom = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    if (zoom == state().zoom)
        return;
    watchScreens();
    state().zoom = zoom;
    for (QScreen* screen : QGuiApplication::screens())
        scaleScreen(screen, zoom);
    refitWindows();
}

void useZoom(QWidget& mainWindow, int& storedZoom) {
    new WindowZoom(mainWindow, storedZoom);  // a child of the window
}

}  // namespace kit
