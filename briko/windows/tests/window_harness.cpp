#include "briko/windows/tests/window_harness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

#include "kit/settings/profile.h"

namespace briko_window_testing {

int ScriptedDraws::Random(int range) {
    if (draws_.empty())
        return std::clamp(fallback_, 0, range - 1);
    const int draw = draws_.front();
    draws_.pop_front();
    return std::clamp(draw, 0, range - 1);
}

BrikoProgram::BrikoProgram(kit::RandomSource* random) {
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
}

void BrikoProgram::Show() {
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
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
