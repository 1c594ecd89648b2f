#include "tools/orchard_art/art.h"
#include "tools/orchard_art/fruit_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>

namespace orchard_art {
namespace {

const QColor kRed(200, 25, 30);
const QColor kDeepRed(160, 20, 35);
const QColor kGolden(235, 195, 40);
const QColor kGreenApple(120, 190, 45);
const QColor kPear(200, 200, 60);
const QColor kPurple(110, 30, 90);

// A tiny fixed-seed generator, so that the brush texture is the same on every build.
class Speckle {
  public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 40) / static_cast<double>(1ULL << 24);
    }

  private:
    std::uint64_t state_ = 0x5eed;
};

// Faint strokes over a surface, so that it reads as paint rather than as a flat fill.
void paintCanvasTexture(QPainter& p, const QRectF& area, int strokes, int alpha) {
    Speckle s;
    p.save();
    p.setClipRect(area);
    for (int i = 0; i < strokes; ++i) {
        const QPointF a(area.left() + s.next() * area.width(),
                        area.top() + s.next() * area.height());
        const QPointF b = a + QPointF(2 + s.next() * 5, (s.next() - 0.5) * 3);
        const bool light = s.next() > 0.5;
        p.setPen(QPen(light ? QColor(255, 240, 210, alpha) : QColor(0, 0, 0, alpha), 1.0));
        p.drawLine(a, b);
    }
    p.restore();
}

void paintTitleText(QPainter& p, const QRectF& box, const QString& text, int pixelSize, QColor fill,
                    bool italic) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    p.save();
    p.setPen(QPen(QColor(40, 20, 5, 200), pixelSize / 7.0 + 1, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(1, 1));
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, fill.lighter(140));
    g.setColorAt(0.55, fill);
    g.setColorAt(1, fill.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

void paintBasket(QPainter& p, const QRectF& rim, double bottomWidth, double height) {
    const QColor wicker(185, 130, 60);
    const double cx = rim.center().x();
    const double top = rim.center().y();
    QPainterPath body;
    body.moveTo(rim.left(), top);
    body.lineTo(cx - bottomWidth / 2, top + height);
    body.quadTo(cx, top + height + 6, cx + bottomWidth / 2, top + height);
    body.lineTo(rim.right(), top);
    body.quadTo(cx, top + rim.height(), rim.left(), top);
    QLinearGradient shade(rim.left(), 0, rim.right(), 0);
    shade.setColorAt(0, wicker.darker(160));
    shade.setColorAt(0.35, wicker.lighter(115));
    shade.setColorAt(1, wicker.darker(200));
    p.setPen(QPen(wicker.darker(300), 1.2));
    p.setBrush(shade);
    p.drawPath(body);
    // The weave: rows of short curved strands, alternating between the ribs.
    p.save();
    p.setClipPath(body);
    const int rows = 7;
    for (int row = 0; row < rows; ++row) {
        const double y = top + 4 + row * (height / rows);
        for (int i = -8; i <= 8; ++i) {
            const double x = cx + i * 9 + (row % 2 == 0 ? 0 : 4.5);
            p.setPen(QPen(wicker.darker(190), 1.0));
            p.setBrush(wicker.lighter(row % 2 == 0 ? 120 : 105));
            p.drawRoundedRect(QRectF(x - 4, y, 8, height / rows - 1.2), 3, 3);
        }
    }
    p.restore();
    // The rim, a thick twisted band.
    QPainterPath band;
    band.addEllipse(rim);
    p.setPen(QPen(wicker.darker(260), 5.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(rim, 180 * 16, 180 * 16);
    p.setPen(QPen(wicker.lighter(125), 3.0, Qt::DashLine));
    p.drawArc(rim, 180 * 16, 180 * 16);
}

void paintPlate(QPainter& p, QPointF centre, double width, double height) {
    const QRectF outer(centre.x() - width / 2, centre.y() - height / 2, width, height);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(outer.translated(2, 3));
    QLinearGradient g(outer.topLeft(), outer.bottomLeft());
    g.setColorAt(0, QColor(250, 250, 255));
    g.setColorAt(1, QColor(190, 195, 215));
    p.setPen(QPen(QColor(70, 90, 160), 1.2));
    p.setBrush(g);
    p.drawEllipse(outer);
    p.setPen(QPen(QColor(60, 90, 190), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(outer.adjusted(width * 0.08, height * 0.1, -width * 0.08, -height * 0.1));
    p.setPen(QPen(QColor(170, 175, 200), 1.0));
    p.setBrush(QColor(235, 237, 248));
    p.drawEllipse(outer.adjusted(width * 0.22, height * 0.24, -width * 0.22, -height * 0.2));
    p.restore();
}

}  // namespace

QImage titlePicture() {
    QImage image(126, 158, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 0, 0, 120);
    wall.setColorAt(0, QColor(45, 35, 25));
    wall.setColorAt(1, QColor(105, 80, 50));
    p.fillRect(image.rect(), wall);
    QRadialGradient light(QPointF(40, 50), 90);
    light.setColorAt(0, QColor(255, 220, 160, 70));
    light.setColorAt(1, QColor(255, 220, 160, 0));
    p.fillRect(image.rect(), light);
    QLinearGradient table(0, 118, 0, 158);
    table.setColorAt(0, QColor(120, 70, 35));
    table.setColorAt(1, QColor(70, 38, 18));
    p.fillRect(QRectF(0, 118, 126, 40), table);
    p.fillRect(QRectF(0, 118, 126, 1.5), QColor(160, 105, 60));
    paintCanvasTexture(p, image.rect(), 900, 18);

    paintTitleText(p, QRectF(0, 2, 126, 22), QStringLiteral("Orchard"), 19, kGolden, true);

    // The handle behind the apples.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 55, 25), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(20, 30, 86, 100), 10 * 16, 160 * 16);
    p.setPen(QPen(QColor(190, 140, 70), 3, Qt::DotLine, Qt::RoundCap));
    p.drawArc(QRectF(20, 30, 86, 100), 10 * 16, 160 * 16);

    // A heap of apples, the back ones first.
    paintApple(p, QPointF(46, 64), 15, kDeepRed, false);
    paintApple(p, QPointF(80, 63), 15, kGolden, true);
    paintApple(p, QPointF(63, 50), 14, kRed, true);
    paintApple(p, QPointF(30, 80), 15, kRed, false);
    paintApple(p, QPointF(63, 76), 16, kGreenApple, false);
    paintApple(p, QPointF(96, 80), 15, kDeepRed, false);

    paintBasket(p, QRectF(13, 82, 100, 16), 72, 48);

    // Shadow and one apple that rolled out onto the table.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QRectF(20, 132, 88, 10));
    p.drawEllipse(QRectF(95, 146, 28, 7));
    paintApple(p, QPointF(108, 140), 10, kRed, true);
    paintLeaf(p, QPointF(12, 146), 14, -20, QColor(70, 140, 40));
    return image;
}

QImage optionsPicture() {
    QImage image(128, 130, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 0, 0, 46);
    wall.setColorAt(0, QColor(70, 90, 120));
    wall.setColorAt(1, QColor(150, 165, 185));
    p.fillRect(QRectF(0, 0, 128, 46), wall);
    // A gingham cloth: white with translucent red stripes both ways.
    p.fillRect(QRectF(0, 46, 128, 84), QColor(245, 240, 230));
    for (int i = 0; i < 16; ++i) {
        p.fillRect(QRectF(i * 10 - 3, 46, 5, 84), QColor(200, 40, 40, 110));
        p.fillRect(QRectF(0, 46 + i * 7, 128, 3.5), QColor(200, 40, 40, 110));
    }
    p.fillRect(QRectF(0, 46, 128, 1.5), QColor(120, 40, 30));
    paintCanvasTexture(p, image.rect(), 500, 14);

    paintPlate(p, QPointF(40, 74), 72, 30);
    paintGrapes(p, QPointF(30, 56), 18, kPurple, 4, 0.22);
    paintCherries(p, QPointF(55, 66), 11);

    paintPlate(p, QPointF(88, 108), 74, 30);
    paintPear(p, QPointF(101, 88), 15, kPear);
    paintApple(p, QPointF(75, 94), 13, kRed, true);

    paintStrawberry(p, QPointF(18, 110), 9);
    paintStrawberry(p, QPointF(34, 117), 8);
    return image;
}

QImage aboutPicture() {
    QImage image(300, 225, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The gilded frame.
    QLinearGradient gold(0, 0, 300, 225);
    gold.setColorAt(0, QColor(240, 205, 100));
    gold.setColorAt(0.5, QColor(160, 115, 35));
    gold.setColorAt(1, QColor(230, 190, 80));
    p.fillRect(image.rect(), gold);
    const QRectF canvas(8, 8, 284, 209);
    p.setPen(QPen(QColor(90, 60, 15), 2));
    p.drawRect(canvas.adjusted(-1, -1, 1, 1));

    // A dark, warm ground lit from the upper left, as the old still lifes are.
    QRadialGradient ground(QPointF(90, 60), 260);
    ground.setColorAt(0, QColor(95, 70, 40));
    ground.setColorAt(0.6, QColor(40, 28, 18));
    ground.setColorAt(1, QColor(15, 10, 8));
    p.fillRect(canvas, ground);
    // The ledge.
    QLinearGradient ledge(0, 148, 0, 190);
    ledge.setColorAt(0, QColor(110, 75, 40));
    ledge.setColorAt(1, QColor(55, 35, 20));
    p.fillRect(QRectF(8, 148, 284, 42), ledge);
    p.fillRect(QRectF(8, 148, 284, 2), QColor(150, 105, 60));
    // A white cloth falling over the ledge.
    QPainterPath cloth;
    cloth.moveTo(150, 148);
    cloth.cubicTo(190, 140, 240, 146, 292, 140);
    cloth.lineTo(292, 190);
    cloth.cubicTo(260, 186, 240, 194, 214, 186);
    cloth.cubicTo(196, 180, 180, 188, 168, 176);
    cloth.closeSubpath();
    QLinearGradient clothShade(150, 140, 292, 190);
    clothShade.setColorAt(0, QColor(240, 235, 220));
    clothShade.setColorAt(1, QColor(150, 145, 135));
    p.setPen(QPen(QColor(120, 110, 95), 1));
    p.setBrush(clothShade);
    p.drawPath(cloth);

    // The bowl.
    QPainterPath bowl;
    bowl.moveTo(70, 118);
    bowl.cubicTo(76, 150, 104, 158, 126, 158);
    bowl.cubicTo(148, 158, 176, 150, 182, 118);
    bowl.closeSubpath();
    QLinearGradient bowlShade(70, 0, 182, 0);
    bowlShade.setColorAt(0, QColor(60, 80, 110));
    bowlShade.setColorAt(0.35, QColor(150, 175, 200));
    bowlShade.setColorAt(1, QColor(30, 40, 60));

    // Fruit behind the rim of the bowl, then the bowl, then what lies in front.
    paintGrapes(p, QPointF(92, 104), 28, kPurple, 5, 0.2);
    paintPear(p, QPointF(158, 88), 26, kPear);
    paintApple(p, QPointF(124, 100), 22, kRed, true);
    paintApple(p, QPointF(100, 116), 18, kGolden, false);
    paintApple(p, QPointF(150, 116), 18, kGreenApple, false);
    p.setPen(QPen(QColor(20, 25, 40), 1.2));
    p.setBrush(bowlShade);
    p.drawPath(bowl);
    p.setBrush(QColor(200, 215, 230));
    p.drawEllipse(QRectF(68, 113, 116, 10));
    p.setBrush(bowlShade);
    p.drawRoundedRect(QRectF(108, 156, 36, 6), 2, 2);
    paintGrapes(p, QPointF(76, 132), 16, QColor(140, 200, 70), 3, 0.28);

    paintWatermelonSlice(p, QPointF(226, 160), 26);
    paintCherries(p, QPointF(196, 160), 14);
    paintStrawberry(p, QPointF(262, 160), 12);
    paintStrawberry(p, QPointF(40, 168), 11);
    paintLeaf(p, QPointF(48, 152), 22, 200);
    paintCanvasTexture(p, canvas, 3500, 16);

    // The title line on the frame's plaque.
    const QRectF plaque(60, 193, 180, 22);
    QLinearGradient plaqueShade(plaque.topLeft(), plaque.bottomLeft());
    plaqueShade.setColorAt(0, QColor(60, 30, 15));
    plaqueShade.setColorAt(1, QColor(30, 15, 8));
    p.setPen(QPen(QColor(230, 190, 90), 1.5));
    p.setBrush(plaqueShade);
    p.drawRoundedRect(plaque, 4, 4);
    paintTitleText(p, plaque, QStringLiteral("Orchard for Windows 95"), 13, kGolden, false);
    return image;
}

}  // namespace orchard_art
