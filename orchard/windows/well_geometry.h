#pragma once

#include <QPoint>
#include <QRect>

namespace orchard {

// Where the main window draws the well, the falling column and the next block,
// all relative to the frame of the well (Bevel2) or of the next-block box
// (Bevel8). Kept apart so that the window and its tests agree on every pixel.
inline constexpr int kTileSize = 16;
inline constexpr int kWellColumns = 8;
// Rows -1 (the top strip) to 23 are shown; the others are never drawn.
inline constexpr int kFirstShownRow = -1;
inline constexpr int kLastShownRow = 23;

inline constexpr bool isShownRow(int row) {
    return row >= kFirstShownRow && row <= kLastShownRow;
}

// The tile of well cell (column, row), for a shown row.
inline QRect wellCellRect(const QPoint& wellFrame, int column, int row) {
    return QRect(wellFrame.x() + 1 + kTileSize * column, wellFrame.y() + 17 + kTileSize * row,
                 kTileSize, kTileSize);
}

// The tile of cell k (0 top) of a column placed at (columnX, columnY) pixels from
// the well's origin; only offsets columnY + 16k >= 0 are drawn.
inline QRect columnCellRect(const QPoint& wellFrame, int columnX, int columnY, int k) {
    return QRect(wellFrame.x() + 1 + columnX, wellFrame.y() + 1 + columnY + kTileSize * k,
                 kTileSize, kTileSize);
}

// Tile k (0 top) of the next-block box.
inline QRect nextCellRect(const QPoint& nextFrame, int k) {
    return QRect(nextFrame.x() + 1, nextFrame.y() + 1 + kTileSize * k, kTileSize, kTileSize);
}

// The inside of the well frame: 8 columns by 25 rows of tiles.
inline QRect wellInterior(const QPoint& wellFrame) {
    return QRect(wellFrame.x() + 1, wellFrame.y() + 1, kTileSize * kWellColumns,
                 kTileSize * (kLastShownRow - kFirstShownRow + 1));
}

// Where tile `code` lies in a tile set: ten tiles stacked top to bottom.
inline QRect tileSourceRect(int code) {
    return QRect(0, kTileSize * code, kTileSize, kTileSize);
}

}  // namespace orchard
