#include "tools/briko_art/pictures.h"

#include "tools/briko_art/blocks.h"
#include "tools/briko_art/tiling.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <map>
#include <random>

namespace briko_art {
namespace {

const QColor kSilver(192, 192, 192);

// The words drawn so far that did not fit the box they were given.
QStringList& overflows() {
    static QStringList words;
    return words;
}

QFont font(double pixelSize, bool bold = true, bool italic = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// A word filled with a vertical gradient and outlined, centred in `box`
// (or left-aligned at its left edge).
void drawWord(QPainter& p, const QRectF& box, const QString& word, const QFont& f,
              const QColor& top, const QColor& bottom, const QColor& outline, bool centred = true,
              double spacing = 0) {
    QFont spaced = f;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    QPainterPath path;
    path.addText(0, 0, spaced, word);
    const QRectF bounds = path.boundingRect();
    if (bounds.width() > box.width() || bounds.height() > box.height())
        overflows() << word;
    const double x = centred ? box.center().x() - bounds.center().x() : box.left() - bounds.left();
    const double y = box.center().y() - bounds.center().y();
    path.translate(x, y);
    QLinearGradient gradient(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gradient);
    p.drawPath(path);
    p.restore();
}

// Plain text with a one-pixel drop shadow.
void drawText(QPainter& p, const QRectF& box, const QString& text, const QFont& f,
              const QColor& colour, int flags, const QColor& shadow = QColor()) {
    const QRectF needed = QFontMetricsF(f).boundingRect(box, flags, text);
    if (needed.width() > box.width() || needed.height() > box.height())
        overflows() << text;
    p.save();
    p.setFont(f);
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(box.translated(1, 1), flags, text);
    }
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

// Block letters of the title, five cells high.
const std::map<QChar, std::vector<std::string>>& blockLetters() {
    static const std::map<QChar, std::vector<std::string>> letters{
        // Every stroke joins its neighbours side by side, so that each letter
        // reads as one outlined shape.
        {'B', {"####.", "#..##", "####.", "#..##", "####."}},
        {'R', {"####.", "#..##", "####.", "#.##.", "#..##"}},
        {'I', {"###", ".#.", ".#.", ".#.", "###"}},
        {'K', {"#..##", "#.##.", "###..", "#.##.", "#..##"}},
        {'O', {"#####", "#...#", "#...#", "#...#", "#####"}},
    };
    return letters;
}

// "BRIKO" in blocks, each letter in a colour of its own.
std::vector<std::string> titleGrid() {
    std::vector<std::string> rows(5);
    const QString word = QStringLiteral("BRIKO");
    const char colours[] = {'1', '4', '3', '2', '5'};
    for (int i = 0; i < word.size(); ++i) {
        const auto& letter = blockLetters().at(word[i]);
        for (int r = 0; r < 5; ++r) {
            std::string line = letter[r];
            for (char& ch : line)
                ch = ch == '#' ? colours[i] : '.';
            rows[r] += line + (i + 1 < word.size() ? "." : "");
        }
    }
    return rows;
}

int titleColumns() {
    return int(titleGrid()[0].size());
}

// A drop shadow under a block picture, so that it stands off the background.
void drawBlockShadow(QImage& image, int x, int y, int size, const std::vector<std::string>& rows,
                     int offset) {
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[r].size()); ++c)
            if (rows[r][c] != '.')
                p.drawRect(x + c * size + offset, y + r * size + offset, size, size);
}

// Piece letters of a packed rectangle in the game's colours, neighbours apart.
int tilingColour(char piece) {
    static const int colours[12] = {1, 4, 3, 2, 5, 6, 7, 3, 6, 2, 4, 1};
    return colours[(piece - 'a') % 12];
}

void sunkenFrame(QPainter& p, const QRect& r) {
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(255, 255, 255));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// A night-blue backdrop with a few small pieces drifting down it.
void drawBackdrop(QImage& image, unsigned seed) {
    {
        QPainter p(&image);
        QLinearGradient sky(0, 0, 0, image.height());
        sky.setColorAt(0, QColor(0, 0, 64));
        sky.setColorAt(1, QColor(0, 40, 128));
        p.fillRect(image.rect(), sky);
    }
    static const std::vector<std::vector<std::string>> pieces{
        {"111", ".1.", ".1."},
        {"2.2", "222"},
        {"33", "33", "3."},
        {"4", "4", "4", "44"},
        {".5.", "555", ".5."},
        {
            "66.",
            ".66",
            "..6",
        },
        {"77", ".7", ".77"},
    };
    std::mt19937 random(seed);
    for (int i = 0; i < 9; ++i) {
        const auto& piece = pieces[random() % pieces.size()];
        const int x = int(random() % unsigned(image.width() - 10)) - 6;
        const int y = int(random() % unsigned(image.height() - 10)) - 6;
        drawBlockPicture(image, x, y, 5, Design::Aggregated, piece);
    }
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(0, 0, 48, 140));
}

// One keyboard key with its label, raised like a real keycap.
void drawKey(QPainter& p, const QRect& r, const QString& label) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(224, 224, 224));
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(248, 248, 248));
    p.drawRoundedRect(QRectF(r).adjusted(2.5, 1.5, -2.5, -4.5), 2, 2);
    p.restore();
    drawText(p, QRectF(r).adjusted(2, 0, -2, -3), label, font(label.size() > 1 ? 9 : 12),
             QColor(0, 0, 0), Qt::AlignCenter);
}

// A joystick seen from the front, its stick leaning slightly.
void drawJoystick(QPainter& p, const QPointF& centre) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(centre.x() - 30, 0, centre.x() + 30, 0);
    base.setColorAt(0, QColor(90, 90, 90));
    base.setColorAt(0.5, QColor(40, 40, 40));
    base.setColorAt(1, QColor(20, 20, 20));
    p.setPen(QColor(0, 0, 0));
    p.setBrush(base);
    p.drawRoundedRect(QRectF(centre.x() - 30, centre.y() + 8, 60, 18), 6, 6);
    p.setPen(QPen(QColor(30, 30, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre.x(), centre.y() + 12), QPointF(centre.x() + 3, centre.y() - 16));
    QRadialGradient knob(centre.x() + 1, centre.y() - 22, 10);
    knob.setColorAt(0, QColor(255, 120, 120));
    knob.setColorAt(1, QColor(160, 0, 0));
    p.setPen(QColor(96, 0, 0));
    p.setBrush(knob);
    p.drawEllipse(QPointF(centre.x() + 3, centre.y() - 19), 8, 8);
    // Button 1 on the base.
    QRadialGradient button(centre.x() - 17, centre.y() + 12, 6);
    button.setColorAt(0, QColor(255, 255, 140));
    button.setColorAt(1, QColor(180, 150, 0));
    p.setBrush(button);
    p.setPen(QColor(90, 70, 0));
    p.drawEllipse(QPointF(centre.x() - 17, centre.y() + 14), 5, 4);
    p.restore();
}

void drawArrow(QPainter& p, const QPointF& from, const QPointF& to) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length, n(-u.y(), u.x());
    QPolygonF head{to + u * 2, to - u * 5 + n * 4, to - u * 5 - n * 4};
    p.setBrush(QColor(0, 0, 128));
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
    p.restore();
}

}  // namespace

QImage tileSheet() {
    QImage sheet(256, 144, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int colour = 0; colour < 9; ++colour)
        for (int code = 0; code < 16; ++code)
            drawBlock(sheet, 16 * code, 16 * colour, 16, Design(0), colour, code);
    return sheet;
}

QImage plainTiles() {
    QImage sheet(16, 576, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int design = 1; design < 5; ++design)
        for (int colour = 0; colour < 9; ++colour)
            drawBlock(sheet, 0, 16 * (colour + 9 * (design - 1)), 16, Design(design), colour);
    return sheet;
}

QImage caption(int width, const QString& word, int colour) {
    QImage image(width, 16, QImage::Format_RGB32);
    image.fill(kSilver);
    QPainter p(&image);
    const Shade& s = shade(colour);
    drawWord(p, QRectF(0, 0, width, 16), word, font(14), mix(s.bright, QColor(255, 255, 255), 0.35),
             s.dark, QColor(0, 0, 0), true, 2.0);
    return image;
}

QImage decoration() {
    QImage image(106, 129, QImage::Format_RGB32);
    image.fill(kSilver);
    {
        QPainter p(&image);
        drawWord(p, QRectF(0, 1, 106, 30), QStringLiteral("BRIKO"), font(25, true, true),
                 QColor(255, 255, 160), QColor(200, 0, 0), QColor(0, 0, 0), true, 1.0);
    }
    // A little well of 8-pixel cells: one piece falling over a floor of all twelve.
    const int cell = 8, left = 5, top = 35;
    {
        QPainter p(&image);
        p.fillRect(left, top, 12 * cell, 11 * cell, Qt::black);
        sunkenFrame(p, QRect(left - 1, top - 1, 12 * cell + 1, 11 * cell + 1));
    }
    const std::vector<std::string> floor = pentominoRectangle(12, 5);
    drawBlockPicture(image, left, top + 6 * cell, cell, Design::Aggregated, floor, tilingColour);
    drawBlockPicture(image, left + 5 * cell, top + 1 * cell, cell, Design::Aggregated,
                     {".55", "55.", ".5."});
    return image;
}

QImage optionsBanner() {
    QImage image(270, 142, QImage::Format_RGB32);
    drawBackdrop(image, 7);
    // The window shows this picture from (5, 9) down to the tabs at 137.
    const int size = 9;
    const std::vector<std::string> title = titleGrid();
    const int x = 5 + (265 - titleColumns() * size) / 2, y = 22;
    drawBlockShadow(image, x, y, size, title, 3);
    drawBlockPicture(image, x, y, size, Design::Aggregated, title);
    QPainter p(&image);
    drawWord(p, QRectF(5, 78, 265, 36), Words::tr("Options"), font(26, true, true),
             QColor(255, 255, 255), QColor(120, 200, 255), QColor(0, 0, 40), true, 1.5);
    return image;
}

QImage controls() {
    QImage image(345, 185, QImage::Format_RGB32);
    image.fill(kSilver);
    QPainter p(&image);
    // The window shows 338 × 168 of it.
    const QFont heading = font(12);
    const QFont body = font(11, false);
    drawText(p, QRectF(10, 4, 160, 18), Words::tr("Keyboard"), heading, QColor(0, 0, 128),
             Qt::AlignLeft | Qt::AlignVCenter, QColor(255, 255, 255));
    drawText(p, QRectF(196, 4, 140, 18), Words::tr("Joystick"), heading, QColor(0, 0, 128),
             Qt::AlignLeft | Qt::AlignVCenter, QColor(255, 255, 255));
    sunkenFrame(p, QRect(186, 6, 1, 142));

    struct Row {
        std::vector<std::pair<QString, int>> keys;  // label, width
        QString action;
    };
    const std::vector<Row> rows{
        {{{QStringLiteral("\u2190"), 22}, {QStringLiteral("\u2192"), 22}}, Words::tr("move")},
        {{{QStringLiteral("\u2191"), 22}}, Words::tr("rotate")},
        {{{Words::tr("Shift"), 46}}, Words::tr("mirror")},
        {{{QStringLiteral("\u2193"), 22}}, Words::tr("fall fast (hold)")},
        {{{Words::tr("Space"), 68}}, Words::tr("drop at once")},
    };
    int y = 26;
    for (const Row& row : rows) {
        int x = 10;
        for (const auto& [label, width] : row.keys) {
            drawKey(p, QRect(x, y, width, 21), label);
            x += width + 4;
        }
        drawText(p, QRectF(86, y, 100, 20), row.action, body, QColor(0, 0, 0),
                 Qt::AlignLeft | Qt::AlignVCenter);
        y += 24;
    }

    const QPointF stick(262, 80);
    drawJoystick(p, stick);
    drawArrow(p, stick + QPointF(-30, -22), stick + QPointF(-50, -22));
    drawArrow(p, stick + QPointF(36, -22), stick + QPointF(56, -22));
    drawArrow(p, stick + QPointF(3, -32), stick + QPointF(3, -46));
    drawArrow(p, stick + QPointF(38, 18), stick + QPointF(38, 34));
    const QFont small = font(10, false);
    drawText(p, QRectF(192, 46, 40, 14), Words::tr("move"), small, QColor(0, 0, 0), Qt::AlignLeft);
    drawText(p, QRectF(298, 46, 40, 14), Words::tr("move"), small, QColor(0, 0, 0), Qt::AlignLeft);
    drawText(p, QRectF(230, 24, 70, 14), Words::tr("rotate"), small, QColor(0, 0, 0),
             Qt::AlignHCenter);
    drawText(p, QRectF(304, 96, 36, 28), Words::tr("drop"), small, QColor(0, 0, 0), Qt::AlignLeft);
    drawArrow(p, stick + QPointF(-40, 42), stick + QPointF(-20, 20));
    drawText(p, QRectF(192, 122, 100, 26), Words::tr("button 1:\nmirror"), small, QColor(0, 0, 0),
             Qt::AlignLeft);

    sunkenFrame(p, QRect(8, 150, 322, 1));
    drawText(p, QRectF(8, 151, 324, 16),
             Words::tr("F2 new \u2022 F3 pause \u2022 F10 demo \u2022 F4 or right click: best"),
             font(10, false), QColor(64, 64, 64), Qt::AlignCenter);
    return image;
}

QImage about() {
    QImage image(300, 177, QImage::Format_RGB32);
    drawBackdrop(image, 11);
    const int size = 10;
    const std::vector<std::string> title = titleGrid();
    const int x = (300 - titleColumns() * size) / 2, y = 14;
    drawBlockShadow(image, x, y, size, title, 3);
    drawBlockPicture(image, x, y, size, Design::Aggregated, title);
    QPainter p(&image);
    const QColor white(255, 255, 255), shadow(0, 0, 0);
    drawText(p, QRectF(0, 72, 300, 20), QStringLiteral("Brikoline for Windows 95"), font(14), white,
             Qt::AlignCenter, shadow);
    drawText(p, QRectF(0, 96, 300, 32),
             Words::tr("Twelve pentominoes to turn and mirror,\n"
                       "and a player of its own for the demonstration."),
             font(11, false), QColor(200, 220, 255), Qt::AlignCenter, shadow);
    drawText(p, QRectF(0, 134, 300, 16), Words::tr("Version 1.95 \u2022 a Fallpack game"),
             font(11, false, true), QColor(255, 255, 160), Qt::AlignCenter, shadow);
    drawText(p, QRectF(0, 152, 300, 14), Words::tr("Press a key or click to close."),
             font(10, false), QColor(160, 170, 200), Qt::AlignCenter);
    return image;
}

QStringList wordsThatOverflow() {
    return overflows();
}

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    drawBlockPicture(image, 0, 0, size / 4, Design::Aggregated, {"aaab", "cabb", "cabb", "ccdd"},
                     [](char piece) {
                         return std::map<char, int>{{'a', 1}, {'b', 4}, {'c', 3}, {'d', 2}}[piece];
                     });
    return image;
}

}  // namespace briko_art
