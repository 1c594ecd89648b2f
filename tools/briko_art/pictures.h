#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>

namespace briko_art {

// The tiles of the aggregated design (design 0): 16 join codes across, its nine
// colours down, 16 × 16 pixels a tile.
QImage tileSheet();

// The tiles of the four plain designs, which never join: one column, nine colours
// of design 1, then of designs 2, 3 and 4 down.
QImage plainTiles();

// The captions, the banner, the controls and the about picture hold words: they
// are drawn in the language of the translator installed (English without one).
struct Words {
    Q_DECLARE_TR_FUNCTIONS(BrikoPictures)
};

// A word as a picture for the side panel, drawn in the given block colour.
QImage caption(int width, const QString& word, int colour);

// The picture in the middle of the side panel.
QImage decoration();

// The banner across the top of the options window.
QImage optionsBanner();

// The keys and joystick moves of the game.
QImage controls();

// The picture of the about window.
QImage about();

// The words drawn so far that did not fit the room the picture has for them.
QStringList wordsThatOverflow();

// The program icon, `size` pixels square.
QImage icon(int size);

}  // namespace briko_art
