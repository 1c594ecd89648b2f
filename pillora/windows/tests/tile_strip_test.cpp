// The tile strip drawn by tools/pillora_art, as the game loads it.
#include "pillora/rules/cell.h"
#include "pillora/windows/tests/window_harness.h"

#include <QImage>
#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

namespace pillora {
namespace {

using testing::TileImage;

const QImage& Strip() {
    static const QImage strip = QImage(QStringLiteral(":/pillora/Pillora.png"));
    return strip;
}

// The colour that covers most of the tile, black left aside; 0 for none.
QRgb MainColour(const QImage& tile) {
    QMap<QRgb, int> count;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((tile.pixel(x, y) & 0xffffff) != 0)
                ++count[tile.pixel(x, y) | 0xff000000];
    QRgb best = 0;
    int most = 0;
    for (auto it = count.begin(); it != count.end(); ++it) {
        if (it.value() > most) {
            best = it.key();
            most = it.value();
        }
    }
    return best;
}

// Which pixels are drawn, whatever their colour.
QImage Silhouette(const QImage& tile) {
    QImage mask(16, 16, QImage::Format_Mono);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            mask.setPixel(x, y, (tile.pixel(x, y) & 0xffffff) != 0 ? 1 : 0);
    return mask;
}

TEST(TileStripTest, IsFortyThreeTilesInTheSixteenStandardColours) {
    ASSERT_EQ(Strip().size(), QSize(16, 688));
    const QSet<QRgb> standard = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    const QImage strip = Strip().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            ASSERT_TRUE(standard.contains(strip.pixel(x, y) | 0xff000000)) << x << "," << y;
}

TEST(TileStripTest, EmptyIsBlackAndIdleIsLightGrey) {
    EXPECT_EQ(Silhouette(TileImage(kEmpty)), Silhouette(TileImage(42)));
    EXPECT_EQ(MainColour(TileImage(kEmpty)), 0u);
    EXPECT_EQ(MainColour(TileImage(kIdle)), qRgb(192, 192, 192));
}

TEST(TileStripTest, EachColoursPiecesAreMostlyItsOwnColour) {
    const QRgb colours[kColourCount] = {qRgb(128, 0, 0), qRgb(0, 128, 128), qRgb(128, 128, 0),
                                        qRgb(0, 128, 0), qRgb(255, 0, 255)};
    for (int colour = 1; colour <= kColourCount; ++colour) {
        for (const Kind kind : {Kind::PartnerAbove, Kind::PartnerRight, Kind::PartnerBelow,
                                Kind::PartnerLeft, Kind::Single}) {
            EXPECT_EQ(MainColour(TileImage(CodeOf(colour, kind))), colours[colour - 1])
                << colour << " " << int(kind);
        }
    }
}

TEST(TileStripTest, HalvesReachTheEdgeTowardsTheirPartnerOnly) {
    // Column or row 0 / 15 of the tile, on the partner's side and the far side.
    const auto edgeDrawn = [](const QImage& tile, Kind side) {
        int drawn = 0;
        for (int i = 0; i < 16; ++i) {
            const QPoint at = side == Kind::PartnerAbove   ? QPoint(i, 0)
                              : side == Kind::PartnerBelow ? QPoint(i, 15)
                              : side == Kind::PartnerLeft  ? QPoint(0, i)
                                                           : QPoint(15, i);
            drawn += (tile.pixel(at) & 0xffffff) != 0 ? 1 : 0;
        }
        return drawn;
    };
    const std::pair<Kind, Kind> opposite[] = {{Kind::PartnerAbove, Kind::PartnerBelow},
                                              {Kind::PartnerRight, Kind::PartnerLeft},
                                              {Kind::PartnerBelow, Kind::PartnerAbove},
                                              {Kind::PartnerLeft, Kind::PartnerRight}};
    for (int colour = 1; colour <= kColourCount; ++colour) {
        for (const auto& [kind, far] : opposite) {
            const QImage tile = TileImage(CodeOf(colour, kind));
            EXPECT_GE(edgeDrawn(tile, kind), 8) << colour << " " << int(kind);
            EXPECT_EQ(edgeDrawn(tile, far), 0) << colour << " " << int(kind);
        }
    }
}

// Which pixels are white: a piece's mark, and the shine, which is the same
// in every colour.
QImage WhitePixels(const QImage& tile) {
    QImage mask(16, 16, QImage::Format_Mono);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            mask.setPixel(x, y, (tile.pixel(x, y) | 0xff000000) == qRgb(255, 255, 255) ? 1 : 0);
    return mask;
}

TEST(TileStripTest, EveryPieceCarriesAMarkThatTellsItsColourWithoutColour) {
    for (const Kind kind : {Kind::PartnerAbove, Kind::PartnerRight, Kind::PartnerBelow,
                            Kind::PartnerLeft, Kind::Single, Kind::Destroyed}) {
        for (int a = 1; a <= kColourCount; ++a) {
            const QImage mark = WhitePixels(TileImage(CodeOf(a, kind)));
            int drawn = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    drawn += mark.pixelIndex(x, y);
            EXPECT_GE(drawn, 8) << a << " " << int(kind);
            for (int b = a + 1; b <= kColourCount; ++b)
                EXPECT_NE(mark, WhitePixels(TileImage(CodeOf(b, kind))))
                    << a << " " << b << " " << int(kind);
        }
    }
}

TEST(TileStripTest, VirusesDifferInShapeNotOnlyInColourAndMoveBetweenPoses) {
    for (int a = 1; a <= kColourCount; ++a) {
        EXPECT_NE(TileImage(VirusCode(a, 0)), TileImage(VirusCode(a, 1))) << a;
        for (int b = a + 1; b <= kColourCount; ++b) {
            for (int pose = 0; pose < 2; ++pose) {
                EXPECT_NE(Silhouette(TileImage(VirusCode(a, pose))),
                          Silhouette(TileImage(VirusCode(b, pose))))
                    << a << " " << b;
            }
        }
    }
}

}  // namespace
}  // namespace pillora
