#include <QFile>
#include <QImage>
#include <QPainter>

#include <array>
#include <string>

#include <gtest/gtest.h>

#include "kit/digits/digits.h"

namespace {

using kit::Program;

// Where each segment lies in a 16 x 24 cell: T top, M middle, B bottom,
// a upper left, b upper right, c lower left, d lower right.
const std::array<std::string, 24> kSegmentMap = {
    "................", "................", "................", "................",
    "................", "......TTTT......", ".....a....b.....", ".....aa..bb.....",
    ".....aa..bb.....", ".....aa..bb.....", ".....a....b.....", "......MMMM......",
    ".....c....d.....", ".....cc..dd.....", ".....cc..dd.....", ".....cc..dd.....",
    ".....c....d.....", "......BBBB......", "................", "................",
    "................", "................", "................", "................",
};

// The lit segments of glyphs 0 to 9.
const std::array<std::string, 10> kLit = {"TabcdB", "bd",     "TbMcB", "TbMdB",   "abMd",
                                          "TaMdB",  "TaMcdB", "Tbd",   "TabMcdB", "TabMd"};

struct ProgramColour {
    Program program;
    QRgb glyph;
};
const ProgramColour kPrograms[] = {{Program::Orchard, qRgb(255, 255, 0)},
                                   {Program::Briko, qRgb(255, 255, 255)},
                                   {Program::Pillora, qRgb(0, 255, 0)}};

QImage strip(Program program) {
    return kit::loadNumbersStrip(program).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(NumbersStrip, EveryPixelFollowsTheSegmentTable) {
    for (const auto& [program, glyph] : kPrograms) {
        const QImage image = strip(program);
        ASSERT_EQ(image.size(), QSize(16, 264));
        for (int cell = 0; cell < 11; ++cell) {
            const int digit = (10 - cell) % 10;
            for (int y = 0; y < 24; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const char segment = kSegmentMap[y][x];
                    const bool lit =
                        segment != '.' && kLit[digit].find(segment) != std::string::npos;
                    ASSERT_EQ(image.pixel(x, cell * 24 + y), lit ? glyph : qRgb(0, 0, 0))
                        << "cell " << cell << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(NumbersStrip, IsAFourBitUncompressedBitmapWithTheStandardPalette) {
    QFile file(":/kit/numbers/pillora.bmp");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 118 + 8 * 264);
    EXPECT_EQ(bytes[28], 4);  // bits per pixel
    EXPECT_EQ(bytes[30], 0);  // no compression
    const auto paletteEntry = [&](int i) {
        return qRgb(static_cast<unsigned char>(bytes[54 + 4 * i + 2]),
                    static_cast<unsigned char>(bytes[54 + 4 * i + 1]),
                    static_cast<unsigned char>(bytes[54 + 4 * i]));
    };
    EXPECT_EQ(paletteEntry(0), qRgb(0, 0, 0));
    EXPECT_EQ(paletteEntry(7), qRgb(192, 192, 192));
    EXPECT_EQ(paletteEntry(8), qRgb(128, 128, 128));
    EXPECT_EQ(paletteEntry(10), qRgb(0, 255, 0));
    EXPECT_EQ(paletteEntry(11), qRgb(255, 255, 0));
    EXPECT_EQ(paletteEntry(15), qRgb(255, 255, 255));
}

class DrawCounterTest : public ::testing::Test {
  protected:
    // Draws into a canvas of a colour no counter uses and returns it.
    QImage draw(Program program, std::int64_t value, int digits) {
        numbers = strip(program);
        QImage canvas(150, 40, QImage::Format_RGB32);
        canvas.fill(kCanvas);
        QPainter painter(&canvas);
        kit::DrawCounter(painter, kit::loadNumbersStrip(program), QRect(3, 5, 1, 1), value, digits);
        return canvas;
    }
    // True when cell i of the counter drawn at (3, 5) shows `digit`.
    bool cellShows(const QImage& canvas, int i, int digit) const {
        return canvas.copy(3 + 1 + 16 * i, 5 + 1, 16, 24) ==
               numbers.copy(0, (10 - digit) * 24, 16, 24);
    }
    std::string shown(const QImage& canvas, int digits) const {
        std::string text;
        for (int i = 0; i < digits; ++i) {
            char c = '?';
            for (int d = 0; d < 10; ++d)
                if (cellShows(canvas, i, d))
                    c = static_cast<char>('0' + d);
            text += c;
        }
        return text;
    }
    static constexpr QRgb kCanvas = qRgb(1, 2, 3);
    QImage numbers;
};

TEST_F(DrawCounterTest, ShowsEveryCellWithLeadingZeros) {
    EXPECT_EQ(shown(draw(Program::Orchard, 0, 3), 3), "000");
    EXPECT_EQ(shown(draw(Program::Orchard, 42, 5), 5), "00042");
    EXPECT_EQ(shown(draw(Program::Pillora, 65535, 5), 5), "65535");
    EXPECT_EQ(shown(draw(Program::Briko, 987654, 6), 6), "987654");
    EXPECT_EQ(shown(draw(Program::Briko, 7, 1), 1), "7");
}

TEST_F(DrawCounterTest, OutOfRangeValuesShowTheirLastDigitsAndNegativesShowZeros) {
    EXPECT_EQ(shown(draw(Program::Pillora, 123456, 5), 5), "23456");
    EXPECT_EQ(shown(draw(Program::Pillora, 100000, 5), 5), "00000");
    EXPECT_EQ(shown(draw(Program::Briko, -42, 6), 6), "000000");
}

TEST_F(DrawCounterTest, DrawsALoweredFrameAndNothingOutsideIt) {
    const QImage canvas = draw(Program::Briko, 12, 2);  // frame 34 x 26 at (3, 5)
    const QRgb shadow = qRgb(128, 128, 128);
    const QRgb light = qRgb(255, 255, 255);
    EXPECT_EQ(canvas.pixel(3, 5), shadow);
    EXPECT_EQ(canvas.pixel(35, 5), shadow);
    EXPECT_EQ(canvas.pixel(36, 5), light);   // top-right corner
    EXPECT_EQ(canvas.pixel(3, 30), shadow);  // bottom-left corner
    EXPECT_EQ(canvas.pixel(3, 18), shadow);
    EXPECT_EQ(canvas.pixel(20, 30), light);
    EXPECT_EQ(canvas.pixel(36, 30), light);
    EXPECT_EQ(canvas.pixel(36, 18), light);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (!QRect(3, 5, 34, 26).contains(x, y)) {
                ASSERT_EQ(canvas.pixel(x, y), kCanvas) << x << "," << y;
            }
}

}  // namespace
