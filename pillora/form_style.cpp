#include "pillora/form_style.h"

#include <QPalette>
#include <QWidget>

namespace pillora {

void useSilverForm(QWidget& form) {
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
    form.setPalette(palette);
    form.setAutoFillBackground(true);
}

QIcon pilloraIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/pillora/MainIcon-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace pillora
