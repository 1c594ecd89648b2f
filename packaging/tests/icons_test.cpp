// The desktop icons: every size of the icon theme, painted by the art tools, and
// the scalable drawing of each game.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

const char* const kGames[] = {"orchard", "briko", "pillora"};
const char* const kIds[] = {"org.fallpack.Orchard", "org.fallpack.Briko", "org.fallpack.Pillora"};
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage paintedIcon(const char* game, int size) {
    return QImage(QStringLiteral(FALLPACK_ICON_DIR "/%1/%2.png").arg(game).arg(size));
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    return count;
}

TEST(DesktopIcons, EverySizeIsPaintedSquareAndFilled) {
    for (const char* game : kGames) {
        for (const int size : kSizes) {
            const QImage icon = paintedIcon(game, size);
            ASSERT_FALSE(icon.isNull()) << game << " " << size;
            EXPECT_EQ(icon.size(), QSize(size, size)) << game;
            // A picture, not a speck: at least a sixth of it is solid.
            EXPECT_GT(opaquePixels(icon), size * size / 6) << game << " " << size;
        }
    }
}

TEST(DesktopIcons, TheSmallestSizeIsDrawnPixelByPixelNotScaledDown) {
    // A scaled or smoothed drawing leaves half-transparent pixels on its edges.
    for (const char* game : kGames) {
        const QImage icon = paintedIcon(game, 16).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const int alpha = qAlpha(icon.pixel(x, y));
                EXPECT_TRUE(alpha == 0 || alpha == 255) << game << " at " << x << "," << y;
            }
    }
}

TEST(DesktopIcons, EachScalableIconIsAValidSquareDrawing) {
    for (const char* id : kIds) {
        QSvgRenderer svg(QStringLiteral(FALLPACK_SVG_DIR "/%1.svg").arg(id));
        ASSERT_TRUE(svg.isValid()) << id;
        EXPECT_EQ(svg.viewBoxF().width(), svg.viewBoxF().height()) << id;
        QImage image(64, 64, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        EXPECT_GT(opaquePixels(image), 64 * 64 / 4) << id;
    }
}

}  // namespace
