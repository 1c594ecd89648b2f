#include "kit/digits/digits.h"

#include <QColor>
#include <QPainter>

namespace kit {
namespace {

// A lowered one-pixel bevel: shadow along the left and top, highlight along
// the right and bottom; the bottom-left corner is shadow, the top-right highlight.
void drawLoweredBevel(QPainter& painter, int left, int top, int width, int height) {
    const QColor shadow(128, 128, 128);
    const QColor highlight(255, 255, 255);
    painter.fillRect(left, top, 1, height, shadow);
    painter.fillRect(left, top, width - 1, 1, shadow);
    painter.fillRect(left + width - 1, top, 1, height, highlight);
    painter.fillRect(left + 1, top + height - 1, width - 1, 1, highlight);
}

}  // namespace

QPixmap loadNumbersStrip(Program program) {
    return QPixmap(QString::fromLatin1(describe(program).numbersStrip));
}

void DrawCounter(QPainter& painter, const QPixmap& numbers, const QRect& frame, std::int64_t value,
                 int digits) {
    if (digits <= 0)
        return;
    drawLoweredBevel(painter, frame.left(), frame.top(), counterFrameWidth(digits),
                     kCounterFrameHeight);
    const std::vector<int> cells = counterDigits(value, digits);
    for (int i = 0; i < digits; ++i) {
        painter.drawPixmap(QPoint(frame.left() + 1 + kDigitCellWidth * i, frame.top() + 1), numbers,
                           QRect(0, digitCellTop(cells[i]), kDigitCellWidth, kDigitCellHeight));
    }
}

}  // namespace kit
