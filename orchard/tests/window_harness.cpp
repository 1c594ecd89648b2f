#include "orchard/tests/window_harness.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include "orchard/well_geometry.h"

namespace orchard::testing {

MessageLog::MessageLog() {
    kit::setMessageResponder([this](const kit::MessageRequest& request) {
        requests_.push_back(request);
        return request.buttons == kit::MessageButtons::YesNo ? answer_ : kit::MessageAnswer::Ok;
    });
}

MessageLog::~MessageLog() {
    kit::setMessageResponder({});
}

bool MessageLog::Saw(const QString& text) const {
    for (const kit::MessageRequest& request : requests_)
        if (request.text == text)
            return true;
    return false;
}

ModalCloser::ModalCloser() {
    connect(&timer_, &QTimer::timeout, this, &ModalCloser::Check);
    timer_.start(10);
}

void ModalCloser::Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        last_ = nullptr;
        return;
    }
    if (modal != last_) {
        last_ = modal;
        seen_.push_back(QString::fromLatin1(modal->metaObject()->className()));
        if (action_) {
            action_(modal);
            return;
        }
    }
    if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("Button1")); ok && ok->isVisible())
        ok->click();
    else
        modal->close();
}

OrchardWindows::OrchardWindows(RandomSource* random)
    : main(nullptr, random), best(&main), options(&main), about(&main) {
    main.AttachWindows(best, options, about);
    main.SetSettlePause(0);
}

void OrchardWindows::ShowActive() {
    main.show();
    main.activateWindow();
    QApplication::setActiveWindow(&main);
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&main);
    main.setFocus();
}

QWidget& OrchardWindows::ClientArea() const {
    return *main.findChild<QWidget*>(QStringLiteral("ClientArea"));
}

QPoint OrchardWindows::Frame(const char* name) const {
    return main.findChild<QWidget*>(QString::fromLatin1(name))->geometry().topLeft();
}

QImage OrchardWindows::Grab() const {
    return ClientArea().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Tile(const QString& tileSet, int code) {
    return QPixmap(tileSet)
        .toImage()
        .copy(tileSourceRect(code))
        .convertToFormat(QImage::Format_RGB32);
}

bool ShowsTile(const QImage& picture, const QPoint& topLeft, const QImage& tile) {
    return picture.copy(QRect(topLeft, tile.size())) == tile;
}

}  // namespace orchard::testing
