#include "orchard/windows/options_window.h"

#include <QTest>

#include <gtest/gtest.h>

#include "orchard/windows/tests/window_harness.h"

namespace orchard {
namespace {

using testing::MessageLog;

class OptionWindowTest : public ::testing::Test {
  protected:
    OptionWindowTest() {
        options.jocker = false;
        options.music = 0;
        QObject::connect(&window, &TTOrchardOptionWindow::OptionsChanged, [this] { ++changes; });
    }
    void Open() {
        window.SetPlacement(QRect(100, 80, 300, 450));
        window.BindOptions(options);
        window.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    const Ui::TOrchardOptionWindow& Form() const { return window.Form(); }

    MessageLog messages;
    kit::OrchardSettings options;
    int changes = 0;
    TTOrchardOptionWindow window;
};

TEST_F(OptionWindowTest, ShowsTheOptionsAtPlusTwenty) {
    options.which = 2;
    options.music = 2;
    options.nbAligned = 9;  // accepted from the settings file, shown as it is
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

TEST_F(OptionWindowTest, OkWithoutChangesKeepsEverythingAndSaysTheOptionsChanged) {
    const kit::OrchardSettings before = options;
    Open();
    QTest::mouseClick(Form().Button1, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(options, before);
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
    EXPECT_EQ(options.which, 2);
    EXPECT_TRUE(options.jocker);
    EXPECT_FALSE(options.nextPiece);
    EXPECT_EQ(options.nbAligned, 6);
    EXPECT_EQ(options.level, 0);
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
    EXPECT_EQ(options.level, 1);
    EXPECT_EQ(changes, 0);
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
        EXPECT_EQ(options.nbAligned, 3);
        EXPECT_EQ(options.level, 1);
        EXPECT_EQ(changes, 0);

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
    EXPECT_TRUE(options.joystick);
    Open();
    EXPECT_TRUE(Form().CheckBox5->isChecked());
}

}  // namespace
}  // namespace orchard
