#pragma once

#include <QFont>
#include <QStringList>

namespace orchard {

// The forms were laid out for a small, narrow system font of 8 points, and their
// texts fill their controls almost exactly. A wide font of the same size would
// cut them off, so the windows use the first narrow sans-serif font installed,
// at 10 pixels, about the size that font had on the screens of its time.
inline QFont formFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(10);
    return font;
}

}  // namespace orchard
