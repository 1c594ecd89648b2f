#include "kit/testing/window_testing.h"

#include <QApplication>
#include <QApplicationStateChangeEvent>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <memory>

#include <gtest/gtest.h>

#include "kit/desktop/start_check.h"

namespace kit::testing {

MessageLog::MessageLog(kit::MessageAnswer questions) : standing_(questions) {
    kit::setMessageResponder([this](const kit::MessageRequest& request) {
        requests_.push_back(request);
        if (callback_)
            callback_(request);
        if (request.buttons != kit::MessageButtons::YesNo)
            return kit::MessageAnswer::Ok;
        if (next_.empty())
            return standing_;
        const kit::MessageAnswer answer = next_.front();
        next_.pop_front();
        return answer;
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

int MessageLog::Count(const QString& caption) const {
    int count = 0;
    for (const kit::MessageRequest& request : requests_)
        count += request.caption == caption ? 1 : 0;
    return count;
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
    kit::dismissModal(modal);
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

void WhenModal(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer(qApp);
    auto started = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, action, started] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            // A failed expectation inside the action must not leave the test blocked.
            auto* dialog = qobject_cast<QDialog*>(modal);
            auto finished = std::make_shared<bool>(false);
            if (dialog)
                QObject::connect(dialog, &QDialog::finished, [finished] { *finished = true; });
            action(modal);
            QTimer::singleShot(1000, [guard = QPointer<QDialog>(dialog), finished] {
                if (!guard || *finished)
                    return;
                ADD_FAILURE() << "the modal window stayed open";
                guard->reject();
            });
            return;
        }
        if (++*started > 300) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal window opened";
        }
    });
    poll->start(10);
}

namespace {

// What a program is told when another program's window takes the focus (false):
// none of its windows is active and it turns inactive as a whole; and when it gets
// the focus back (true).
void SetProgramActive(bool active) {
    if (!active)
        QApplication::setActiveWindow(nullptr);
    QApplicationStateChangeEvent event(active ? Qt::ApplicationActive : Qt::ApplicationInactive);
    QCoreApplication::sendEvent(qApp, &event);
}

}  // namespace

void LookAwayAndBack(QWidget& window, LookAway how) {
    switch (how) {
        case LookAway::DownWhilePaused:
            QTest::keyClick(&window, Qt::Key_F3);
            QTest::keyPress(&window, Qt::Key_Down);
            [[fallthrough]];
        case LookAway::AnotherProgram:
            SetProgramActive(false);
            SetProgramActive(true);
            break;
        case LookAway::Minimise:
            window.showMinimized();
            window.showNormal();
            break;
        case LookAway::OwnModalBox: {
            QDialog own(&window);
            own.setModal(true);
            own.show();
            QApplication::setActiveWindow(&own);
            break;
        }
    }
    window.activateWindow();
    QApplication::setActiveWindow(&window);
}

}  // namespace kit::testing
