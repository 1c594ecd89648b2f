#include "pillora/windows/bottle_screen.h"

#include "kit/digits/digits.h"
#include "kit/program/program.h"
#include "pillora/windows/tests/window_harness.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace pillora {
namespace {

using testing::ShowsTile;

ScreenLayout Layout() {
    return {QRect(7, 8, 130, 402),  QRect(227, 160, 18, 34), QRect(155, 32, 82, 26),
            QRect(155, 80, 50, 26), QRect(155, 128, 34, 26), QRect(155, 176, 34, 26)};
}

BottleScreen Screen() {
    return BottleScreen(Layout(), QPixmap(QStringLiteral(":/pillora/Pillora.png")),
                        kit::loadNumbersStrip(kit::Program::Pillora));
}

QImage Paint(const BottleScreen& screen) {
    QImage image(282, 418, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    screen.paint(painter, image.rect());
    return image;
}

TEST(BottleScreenTest, CellsSitInsideTheBottleFrameFromTheStripRowDown) {
    const BottleScreen screen = Screen();
    EXPECT_EQ(screen.cellRect(0, -1), QRect(8, 9, 16, 16));
    EXPECT_EQ(screen.cellRect(0, 0), QRect(8, 25, 16, 16));
    EXPECT_EQ(screen.cellRect(7, 23), QRect(120, 393, 16, 16));
    EXPECT_EQ(screen.previewRect(0), QRect(228, 161, 16, 16));
    EXPECT_EQ(screen.previewRect(1), QRect(228, 177, 16, 16));
}

TEST(BottleScreenTest, PaintsEachCellWithTheTileOfItsCode) {
    BottleScreen screen = Screen();
    EXPECT_EQ(screen.setCell(2, 5, 19), screen.cellRect(2, 5));
    screen.setCell(7, 23, 40);
    screen.setCell(0, -1, kEmpty);
    screen.setPreview({3, 33});
    const QImage image = Paint(screen);
    EXPECT_TRUE(ShowsTile(image, screen.cellRect(2, 5), 19));
    EXPECT_TRUE(ShowsTile(image, screen.cellRect(7, 23), 40));
    EXPECT_TRUE(ShowsTile(image, screen.cellRect(0, -1), kEmpty));
    EXPECT_TRUE(ShowsTile(image, screen.cellRect(1, 0), kIdle));
    EXPECT_TRUE(ShowsTile(image, screen.previewRect(0), 3));
    EXPECT_TRUE(ShowsTile(image, screen.previewRect(1), 33));
}

TEST(BottleScreenTest, IgnoresCellsOutsideTheShownRowsAndUnchangedValues) {
    BottleScreen screen = Screen();
    EXPECT_TRUE(screen.setCell(3, -2, 9).isNull());
    EXPECT_TRUE(screen.setCell(8, 0, 9).isNull());
    EXPECT_TRUE(screen.setCell(0, 24, 9).isNull());
    EXPECT_TRUE(screen.setCell(0, 0, kIdle).isNull());
    EXPECT_TRUE(screen.setScore(0).isNull());
    EXPECT_EQ(screen.setScore(42), Layout().score);
}

TEST(BottleScreenTest, KnowsWhileARemovalFlashIsShown) {
    BottleScreen screen = Screen();
    screen.setCell(1, 4, 6);   // a ring of colour 0
    screen.setCell(1, 5, 38);  // a ring of colour 4
    EXPECT_TRUE(screen.showsFlash());
    screen.setCell(1, 4, kEmpty);
    EXPECT_TRUE(screen.showsFlash());
    screen.setCell(1, 5, 37);
    EXPECT_FALSE(screen.showsFlash());
}

TEST(BottleScreenTest, CountersShowTheirLastDigits) {
    BottleScreen screen = Screen();
    screen.setPlayed(1234);
    screen.setViruses(7);
    const QImage image = Paint(screen);
    const QImage numbers = kit::loadNumbersStrip(kit::Program::Pillora)
                               .toImage()
                               .convertToFormat(QImage::Format_RGB32);
    const auto showsDigit = [&](const QRect& frame, int cell, int digit) {
        const QRect place(frame.left() + 1 + 16 * cell, frame.top() + 1, 16, 24);
        return image.copy(place) == numbers.copy(0, kit::digitCellTop(digit), 16, 24);
    };
    EXPECT_TRUE(showsDigit(Layout().played, 0, 2));
    EXPECT_TRUE(showsDigit(Layout().played, 1, 3));
    EXPECT_TRUE(showsDigit(Layout().played, 2, 4));
    EXPECT_TRUE(showsDigit(Layout().viruses, 0, 0));
    EXPECT_TRUE(showsDigit(Layout().viruses, 1, 7));
}

}  // namespace
}  // namespace pillora
