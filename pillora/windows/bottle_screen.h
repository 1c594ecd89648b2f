#pragma once

#include "pillora/rules/capsule_table.h"
#include "pillora/rules/cell.h"

#include <QPixmap>
#include <QRect>

#include <array>
#include <cstdint>

class QPainter;

namespace pillora {

// Where the main window shows the bottle, the preview and the counters, in
// client pixels: the frames of its form.
struct ScreenLayout {
    QRect bottle;   // Bevel2
    QRect preview;  // Bevel7
    QRect score;    // Bevel1
    QRect played;   // Bevel4
    QRect level;    // Bevel5
    QRect viruses;  // Bevel6
};

// What the main window shows: the tile in each bottle cell (rows −1 to 23),
// the two preview tiles and the four counter values. The rules draw into it
// cell by cell as they play; each change returns the client rectangle that has
// to be repainted, and a paint draws whatever part is asked for from the tile
// strip and the digit strip. A repaint by the system thus shows exactly what
// was last drawn, without asking the rules again.
class BottleScreen {
  public:
    static constexpr int kTileSize = 16;
    static constexpr int kFirstRow = -1;
    static constexpr int kRows = 25;  // rows −1 to 23
    static constexpr int kColumns = 8;

    BottleScreen(const ScreenLayout& layout, QPixmap tiles, QPixmap numbers);

    const ScreenLayout& layout() const { return layout_; }

    // The client rectangle of cell (column, row), row −1 to 23.
    QRect cellRect(int column, int row) const;
    // The client rectangle of the preview tile 0 (top) or 1.
    QRect previewRect(int index) const;

    // Each returns the rectangle to repaint; an empty one when the cell lies
    // outside the shown rows (row −2, for instance) or nothing changed.
    QRect setCell(int column, int row, Cell code);
    QRect setPreview(Pair pair);
    QRect setScore(std::uint16_t score);
    QRect setPlayed(std::uint16_t played);
    QRect setLevel(int level);
    QRect setViruses(int viruses);

    Cell cell(int column, int row) const;
    Pair preview() const { return preview_; }
    // True while a removal flash is on screen: some cell shows a ring.
    bool showsFlash() const { return flashCells_ > 0; }

    // Draws everything that meets `dirty`.
    void paint(QPainter& painter, const QRect& dirty) const;

  private:
    void drawTile(QPainter& painter, const QRect& place, Cell code) const;

    ScreenLayout layout_;
    QPixmap tiles_;
    QPixmap numbers_;
    std::array<std::array<Cell, kRows>, kColumns> cells_{};
    Pair preview_{kIdle, kIdle};
    std::uint16_t score_ = 0;
    std::uint16_t played_ = 0;
    int level_ = 0;
    int viruses_ = 0;
    int flashCells_ = 0;
};

}  // namespace pillora
