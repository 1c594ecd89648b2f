#include "kit/highscores/orchard_best_window.h"

#include "kit/desktop/first_show.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kit {
namespace {

// The still life of fruit beside the table, drawn from its vector source.
QPixmap stillLife() {
    QImage image(116, 145, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QSvgRenderer renderer(QStringLiteral(":/kit/orchard_still_life.svg"));
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, 116, 145));
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

TOrchardBestWindow::TOrchardBestWindow(QWidget* parent) : BestWindow(Program::Orchard, parent) {
    ui_.setupUi(this);
    BestWindowControls controls = commonControls(ui_);
    controls.candidateBevel = ui_.Bevel11;
    whenFirstShown(*ui_.Image1, [this] { ui_.Image1->setPixmap(stillLife()); });
    attachControls(controls);
}

}  // namespace kit
