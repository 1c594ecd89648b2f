#include "pillora/windows/bottle_screen.h"

#include "kit/digits/digits.h"

#include <QPainter>

#include <utility>

namespace pillora {
namespace {

constexpr int kScoreDigits = 5;
constexpr int kPlayedDigits = 3;
constexpr int kLevelDigits = 2;
constexpr int kVirusDigits = 2;

bool isFlash(Cell code) {
    return code != kIdle && KindOf(code) == Kind::Destroyed;
}

template <typename T>
QRect changeCounter(T& shown, T value, const QRect& frame) {
    if (shown == value)
        return QRect();
    shown = value;
    return frame;
}

}  // namespace

BottleScreen::BottleScreen(const ScreenLayout& layout, QPixmap tiles, QPixmap numbers)
    : layout_(layout), tiles_(std::move(tiles)), numbers_(std::move(numbers)) {
    for (auto& column : cells_)
        column.fill(kIdle);
}

QRect BottleScreen::cellRect(int column, int row) const {
    return QRect(layout_.bottle.left() + 1 + kTileSize * column,
                 layout_.bottle.top() + 1 + kTileSize * (row - kFirstRow), kTileSize, kTileSize);
}

QRect BottleScreen::previewRect(int index) const {
    return QRect(layout_.preview.left() + 1, layout_.preview.top() + 1 + kTileSize * index,
                 kTileSize, kTileSize);
}

QRect BottleScreen::setCell(int column, int row, Cell code) {
    if (column < 0 || column >= kColumns || row < kFirstRow || row >= kFirstRow + kRows)
        return QRect();
    Cell& shown = cells_[column][row - kFirstRow];
    if (shown == code)
        return QRect();
    flashCells_ += int(isFlash(code)) - int(isFlash(shown));
    shown = code;
    return cellRect(column, row);
}

QRect BottleScreen::setPreview(Pair pair) {
    if (preview_ == pair)
        return QRect();
    preview_ = pair;
    return previewRect(0).united(previewRect(1));
}

QRect BottleScreen::setScore(std::uint16_t score) {
    return changeCounter(score_, score, layout_.score);
}

QRect BottleScreen::setPlayed(std::uint16_t played) {
    return changeCounter(played_, played, layout_.played);
}

QRect BottleScreen::setLevel(int level) {
    return changeCounter(level_, level, layout_.level);
}

QRect BottleScreen::setViruses(int viruses) {
    return changeCounter(viruses_, viruses, layout_.viruses);
}

Cell BottleScreen::cell(int column, int row) const {
    if (column < 0 || column >= kColumns || row < kFirstRow || row >= kFirstRow + kRows)
        return kIdle;
    return cells_[column][row - kFirstRow];
}

void BottleScreen::drawTile(QPainter& painter, const QRect& place, Cell code) const {
    painter.drawPixmap(place.topLeft(), tiles_, QRect(0, kTileSize * code, kTileSize, kTileSize));
}

void BottleScreen::paint(QPainter& painter, const QRect& dirty) const {
    for (int column = 0; column < kColumns; ++column) {
        for (int row = kFirstRow; row < kFirstRow + kRows; ++row) {
            const QRect place = cellRect(column, row);
            if (place.intersects(dirty))
                drawTile(painter, place, cells_[column][row - kFirstRow]);
        }
    }
    for (int index = 0; index < 2; ++index) {
        if (previewRect(index).intersects(dirty))
            drawTile(painter, previewRect(index), index == 0 ? preview_.first : preview_.second);
    }
    // Counters past their digits show their last digits.
    const auto counter = [&](const QRect& frame, std::int64_t value, int digits) {
        if (frame.intersects(dirty))
            kit::DrawCounter(painter, numbers_, frame, value, digits);
    };
    counter(layout_.score, score_, kScoreDigits);
    counter(layout_.played, played_, kPlayedDigits);
    counter(layout_.level, level_, kLevelDigits);
    counter(layout_.viruses, viruses_, kVirusDigits);
}

}  // namespace pillora
