#include "orchard/windows/options_window.h"

#include <QApplication>
#include <QEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "orchard/windows/tests/window_harness.h"

namespace orchard {
namespace {

using testing::MessageLog;

// Stands in for the main window and counts the reload messages it gets.
class ReloadCounter : public QWidget {
  public:
    int reloads = 0;

  protected:
    bool event(QEvent* event) override {
        if (event->type() ==
            static_cast<QEvent::Type>(QEvent::User + TTOrchardMainWindow::kReloadMusicEvent))
            ++reloads;
        return QWidget::event(event);
    }
};

struct Options {
    bool sound = true;
    bool jocker = false;
    bool next = true;
    int music = 0;
    int tileSet = 1;
    std::uint32_t aligned = 3;
    std::uint32_t level = 1;

    OrchardOptionPlaces Places() {
        return {&sound, &jocker, &next, &music, &tileSet, &aligned, &level};
    }
};

class OptionWindowTest : public ::testing::Test {
  protected:
    void Open() {
        window.Setup(QRect(100, 80, 300, 450), &mainWindow, options.Places());
        window.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    Ui::TOrchardOptionWindow& Form() { return window.Form(); }

    MessageLog messages;
    ReloadCounter mainWindow;
    Options options;
    TTOrchardOptionWindow window;
};

TEST_F(OptionWindowTest, ShowsTheOptionsAtPlusTwenty) {
    options.tileSet = 2;
    options.music = 2;
    options.aligned = 9;  // accepted from the settings file, shown as it is
    Open();
    EXPECT_EQ(window.pos(), QPoint(120, 100));
    EXPECT_EQ(window.size(), QSize(292, 228));
    EXPECT_EQ(Form().PageControl1->currentIndex(), 0);
    EXPECT_TRUE(Form().CheckBox1->isChecked());
    EXPECT_FALSE(Form().CheckBox2->isChecked());
    EXPECT_FALSE(Form().CheckBox3->isChecked());
    EXPECT_TRUE(Form().CheckBox4->isChecked());
    EXPECT_EQ(Form().SpinEdit1->value(), 9);
    EXPECT_EQ(Form().SpinEdit2->value(), 1);
    EXPECT_TRUE(Form().RadioGroup1Item2->isChecked());
    EXPECT_FALSE(Form().CheckBox5->isChecked());
}

TEST_F(OptionWindowTest, OkWithoutChangesKeepsEverythingAndReloadsTheMusic) {
    Open();
    QTest::mouseClick(Form().Button1, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(mainWindow.reloads, 1);
    EXPECT_TRUE(options.sound);
    EXPECT_FALSE(options.jocker);
    EXPECT_TRUE(options.next);
    EXPECT_EQ(options.music, 0);
    EXPECT_EQ(options.tileSet, 1);
    EXPECT_EQ(options.aligned, 3u);
    EXPECT_EQ(options.level, 1u);
}

TEST_F(OptionWindowTest, OkCopiesEveryControlBack) {
    Open();
    Form().CheckBox1->setChecked(false);
    Form().CheckBox2->setChecked(false);
    Form().CheckBox3->setChecked(true);
    Form().CheckBox4->setChecked(false);
    Form().SpinEdit1->setValue(6);
    Form().SpinEdit2->setValue(0);  // both ends of the level range are accepted
    Form().RadioGroup1Item3->setChecked(true);
    QTest::mouseClick(Form().Button1, Qt::LeftButton);
    EXPECT_FALSE(options.sound);
    EXPECT_EQ(options.tileSet, 2);
    EXPECT_TRUE(options.jocker);
    EXPECT_FALSE(options.next);
    EXPECT_EQ(options.aligned, 6u);
    EXPECT_EQ(options.level, 0u);
    EXPECT_EQ(options.music, 3);
    EXPECT_TRUE(messages.Requests().empty());
}

TEST_F(OptionWindowTest, CancelCopiesNothing) {
    Open();
    Form().CheckBox1->setChecked(false);
    Form().SpinEdit2->setValue(10);
    QTest::mouseClick(Form().Button2, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_TRUE(options.sound);
    EXPECT_EQ(options.level, 1u);
    EXPECT_EQ(mainWindow.reloads, 0);
}

TEST_F(OptionWindowTest, BadValuesKeepTheWindowOpenWhicheverWayItCloses) {
    for (auto [aligned, level] : {std::pair{2, 1}, {7, 1}, {3, -1}, {3, 11}}) {
        Open();
        Form().SpinEdit1->setValue(aligned);
        Form().SpinEdit2->setValue(level);
        const std::size_t before = messages.Requests().size();
        QTest::mouseClick(Form().Button1, Qt::LeftButton);
        QTest::mouseClick(Form().Button2, Qt::LeftButton);
        window.close();
        EXPECT_TRUE(window.isVisible()) << aligned << " " << level;
        ASSERT_EQ(messages.Requests().size(), before + 3);
        EXPECT_EQ(messages.Requests().back().text, "Bad values !!!");
        EXPECT_EQ(messages.Requests().back().caption, "Error !");
        EXPECT_EQ(messages.Requests().back().icon, kit::MessageIcon::None);
        EXPECT_EQ(options.aligned, 3u);
        EXPECT_EQ(options.level, 1u);
        EXPECT_EQ(mainWindow.reloads, 0);

        Form().SpinEdit1->setValue(3);
        Form().SpinEdit2->setValue(1);
        QTest::mouseClick(Form().Button2, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(OptionWindowTest, JoystickBoxKeepsItsStateBetweenShowings) {
    Open();
    Form().CheckBox5->setChecked(true);
    QTest::mouseClick(Form().Button1, Qt::LeftButton);
    EXPECT_TRUE(window.JoystickEnabled());
    Open();
    EXPECT_TRUE(Form().CheckBox5->isChecked());
}

}  // namespace
}  // namespace orchard
