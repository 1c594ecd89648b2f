#include "kit/testing/form_style_testing.h"

#include <QAction>
#include <QImage>
#include <QMap>
#include <QMenuBar>
#include <QWidget>

#include <cmath>

#include <gtest/gtest.h>

#include "kit/desktop/form_style.h"

namespace kit::testing {
namespace {

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

QString describe(const QColor& colour) {
    return QStringLiteral("(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// The contrast ratio of two colours as the accessibility guidelines define it:
// 1 for the same colour, 21 for black on white.
double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a menu title looks like on a grab of its bar: the bar's ground (the
// colour that covers most of the title's cell) and the title's ink (the pixel
// that differs most from the ground).
struct MenuTitleLook {
    QColor ground;
    QColor ink;
};

MenuTitleLook LookOfMenuTitle(QMenuBar& bar, QAction* title) {
    const QImage image = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect cell = bar.actionGeometry(title).intersected(image.rect());
    QMap<QRgb, int> count;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            ++count[image.pixel(x, y)];
    MenuTitleLook look;
    int most = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            look.ground = QColor(it.key());
        }
    }
    double farthest = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it) {
        const double ratio = ContrastRatio(QColor(it.key()), look.ground);
        if (ratio > farthest) {
            farthest = ratio;
            look.ink = QColor(it.key());
        }
    }
    return look;
}

}  // namespace

void ExpectFormStyle(const QWidget& window) {
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(192, 192, 192))
        << window.objectName().toStdString();
    EXPECT_TRUE(window.autoFillBackground()) << window.objectName().toStdString();
    EXPECT_EQ(window.font(), kit::formFont()) << window.objectName().toStdString();
}

void ExpectGreyedButReadable(QMenuBar& bar, QAction* disabled, QAction* enabled) {
    ASSERT_FALSE(disabled->isEnabled());
    ASSERT_TRUE(enabled->isEnabled());
    const MenuTitleLook off = LookOfMenuTitle(bar, disabled);
    const MenuTitleLook on = LookOfMenuTitle(bar, enabled);
    EXPECT_EQ(off.ground, QColor(192, 192, 192));
    EXPECT_GE(ContrastRatio(off.ink, off.ground), 3.0)
        << disabled->text().toStdString() << " " << describe(off.ink).toStdString();
    EXPECT_GT(luminance(off.ink), luminance(on.ink));
    EXPECT_GE(ContrastRatio(off.ink, on.ink), 2.0)
        << describe(off.ink).toStdString() << " against " << describe(on.ink).toStdString();
}

}  // namespace kit::testing
