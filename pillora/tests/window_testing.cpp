#include "pillora/tests/window_testing.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace pillora::testing {

int ScriptedRandom::Random(int range) {
    if (draws_.empty())
        return 0;
    const int draw = draws_.front();
    draws_.pop_front();
    return draw % range;
}

MessageLog::MessageLog() {
    kit::setMessageResponder([this](const kit::MessageRequest& request) {
        requests_.push_back(request);
        if (callback_)
            callback_(request);
        if (request.buttons == kit::MessageButtons::Ok)
            return kit::MessageAnswer::Ok;
        if (answers_.empty())
            return kit::MessageAnswer::Yes;
        const kit::MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MessageLog::~MessageLog() {
    kit::setMessageResponder({});
}

int MessageLog::Count(const QString& caption) const {
    int count = 0;
    for (const kit::MessageRequest& request : requests_)
        count += request.caption == caption ? 1 : 0;
    return count;
}

OnNextModal::OnNextModal(std::function<void(QWidget*)> act) : poll_(new QTimer) {
    poll_->setInterval(5);
    QObject::connect(poll_, &QTimer::timeout, [this, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        poll_->stop();
        ran_ = true;
        act(modal);
    });
    poll_->start();
}

OnNextModal::~OnNextModal() {
    delete poll_;
}

QImage Tile(Cell code) {
    static const QImage strip =
        QImage(QStringLiteral(":/pillora/Pillora.png")).convertToFormat(QImage::Format_RGB32);
    return strip.copy(0, 16 * code, 16, 16);
}

bool ShowsTile(const QImage& image, const QRect& place, Cell code) {
    return image.copy(place).convertToFormat(QImage::Format_RGB32) == Tile(code);
}

}  // namespace pillora::testing
