#include "kit/desktop/form_style.h"

#include <QMenu>
#include <QStringList>
#include <QWidget>

namespace kit {

QColor formSilver() {
    return QColor(192, 192, 192);
}

QFont formFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(10);
    return font;
}

QPalette formPalette() {
    const QColor silver = formSilver();
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    QPalette palette(black, silver, white, QColor(128, 128, 128), QColor(160, 160, 160), black,
                     white, white, silver);
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::ButtonText, black);
    const QColor disabledText(88, 88, 88);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, disabledText);
    return palette;
}

void useFormStyle(QWidget& window) {
    const QPalette palette = formPalette();
    const QFont font = formFont();
    window.setPalette(palette);
    window.setFont(font);
    window.setAutoFillBackground(true);
    // Drop-down menus stand on silver too, not on the white of the fields.
    QPalette menuPalette = palette;
    menuPalette.setColor(QPalette::Base, formSilver());
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        menu->setPalette(menuPalette);
        menu->setFont(font);
    }
}

}  // namespace kit
