#include "briko/windows/tests/window_harness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "kit/settings/profile.h"

namespace briko::testing {

BrikoWindows::BrikoWindows(kit::RandomSource* random)
    : main(random), options(&main), best(&main), about(&main), controls(&main) {
    main.SetWindows({&options, &best, &about, &controls});
}

void BrikoWindows::Show() {
    main.show();
    main.activateWindow();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
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

}  // namespace briko::testing
