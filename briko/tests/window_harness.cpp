#include "briko/tests/window_harness.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include <gtest/gtest.h>

#include "kit/profile.h"

namespace briko_window_testing {

int ScriptedDraws::Random(int range) {
    if (draws_.empty())
        return std::clamp(fallback_, 0, range - 1);
    const int draw = draws_.front();
    draws_.pop_front();
    return std::clamp(draw, 0, range - 1);
}

BrikoProgram::BrikoProgram(briko::RandomSource* random) {
    kit::setMessageResponder([this](const kit::MessageRequest& request) {
        messages.push_back(request);
        return answer;
    });
    kit::setBeeper(&beeper);
    main = std::make_unique<TBrikoMainWindow>(random);
    options = std::make_unique<TBRIKOOptionsWindow>();
    best = std::make_unique<kit::TBRIKOBestWindow>();
    about = std::make_unique<TBRIKOAboutBoxWindow>();
    controls = std::make_unique<TBRIKOControls>();
    main->SetWindows({options.get(), best.get(), about.get(), controls.get()});
}

BrikoProgram::~BrikoProgram() {
    // The about window may open while the main window closes; nobody is there to close it.
    main->SetWindows({});
    main.reset();
    kit::setBeeper(nullptr);
    kit::setMessageResponder({});
}

void BrikoProgram::Show() {
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
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

void WriteSetting(const std::string& key, const std::string& value, const std::string& section) {
    ASSERT_TRUE(kit::ProfileFile().writeString(section, key, value));
}

std::string ReadSetting(const std::string& key, const std::string& section) {
    return kit::ProfileFile().readString(section, key, "<missing>");
}

void SendKey(QWidget* widget, QEvent::Type type, Qt::Key key, bool autoRepeat,
             Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

}  // namespace briko_window_testing
