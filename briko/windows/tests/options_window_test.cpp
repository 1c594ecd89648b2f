#include "briko/windows/options_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Stands in for the main window: counts the messages that say the options changed.
class AppliedCounter : public QWidget {
  public:
    int applied = 0;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == kOptionsAppliedEvent) {
            ++applied;
            return true;
        }
        return QWidget::event(event);
    }
};

struct Settings {
    int demoSpeed = 3, startRows = 2, startLevel = 4, musicType = 1, blockDesign = 3;
    bool demoLoop = false, soundOn = true, joystickOn = true;
};

class OptionsWindow : public ::testing::Test {
  protected:
    void Bind() {
        window_.BindOptions(QRect(100, 50, 350, 470), &main_, &s_.demoSpeed, &s_.startRows,
                            &s_.startLevel, &s_.musicType, &s_.blockDesign, &s_.demoLoop,
                            &s_.soundOn, &s_.joystickOn);
    }

    // Shows the window, lets `edit` change it, then presses the named button.
    void ShowAndPress(const std::function<void()>& edit, const char* button) {
        QTimer::singleShot(0, &window_, [this, edit, button] {
            edit();
            QTest::mouseClick(Child<QAbstractButton>(button), Qt::LeftButton);
        });
        window_.exec();
    }

    template <typename T>
    T* Child(const char* name) {
        T* child = window_.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    TBRIKOOptionsWindow window_;
    AppliedCounter main_;
    Settings s_;
};

TEST_F(OptionsWindow, ShowsTheBoundSettingsOnTheFirstPageAtItsPlace) {
    Bind();
    QPoint placed;
    ShowAndPress(
        [&] {
            placed = window_.frameGeometry().topLeft();
            EXPECT_EQ(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
            EXPECT_TRUE(Child<QCheckBox>("CheckBox1")->isChecked());
            EXPECT_FALSE(Child<QCheckBox>("CheckBox3")->isChecked());
            EXPECT_TRUE(Child<QCheckBox>("CheckBox4")->isChecked());
            EXPECT_TRUE(Child<QAbstractButton>("RadioGroup1Item3")->isChecked());
            EXPECT_TRUE(Child<QAbstractButton>("RadioGroup2Item1")->isChecked());
            EXPECT_EQ(Child<QSlider>("TrackBar1")->value(), 2);
            EXPECT_EQ(Child<QSlider>("TrackBar2")->value(), 4);
            EXPECT_EQ(Child<QSlider>("TrackBar3")->value(), 3);
            EXPECT_EQ(Child<QSlider>("TrackBar3")->maximum(), 20);
        },
        "Button2");
    EXPECT_EQ(placed, QPoint(120, 70));
    EXPECT_EQ(window_.windowTitle(), "BRIKO Options");
    EXPECT_EQ(window_.size(), QSize(267, 361));
}

TEST_F(OptionsWindow, OkStoresEveryControlAndTellsTheMainWindow) {
    Bind();
    ShowAndPress(
        [&] {
            Child<QAbstractButton>("RadioGroup1Item0")->click();
            Child<QAbstractButton>("RadioGroup2Item3")->click();
            Child<QCheckBox>("CheckBox1")->setChecked(false);
            Child<QCheckBox>("CheckBox3")->setChecked(true);
            Child<QCheckBox>("CheckBox4")->setChecked(false);
            Child<QSlider>("TrackBar1")->setValue(10);
            Child<QSlider>("TrackBar2")->setValue(0);
            Child<QSlider>("TrackBar3")->setValue(20);
        },
        "Button1");
    EXPECT_EQ(s_.blockDesign, 0);
    EXPECT_EQ(s_.musicType, 3);
    EXPECT_FALSE(s_.soundOn);
    EXPECT_TRUE(s_.demoLoop);
    EXPECT_FALSE(s_.joystickOn);
    EXPECT_EQ(s_.startRows, 10);
    EXPECT_EQ(s_.startLevel, 0);
    EXPECT_EQ(s_.demoSpeed, 20);
    EXPECT_EQ(main_.applied, 1);
}

TEST_F(OptionsWindow, CancelChangesNothingAndTheNextShowingHasTheOldValues) {
    Bind();
    ShowAndPress(
        [&] {
            Child<QSlider>("TrackBar2")->setValue(9);
            Child<QCheckBox>("CheckBox4")->setChecked(false);
        },
        "Button2");
    EXPECT_EQ(s_.startLevel, 4);
    EXPECT_TRUE(s_.joystickOn);
    EXPECT_EQ(main_.applied, 0);

    int shown = -1;
    ShowAndPress([&] { shown = Child<QSlider>("TrackBar2")->value(); }, "Button2");
    EXPECT_EQ(shown, 4);
}

TEST_F(OptionsWindow, AValueOutsideTheChoicesIsKeptWhenLeftAlone) {
    s_.blockDesign = 7;
    Bind();
    ShowAndPress([] {}, "Button1");
    EXPECT_EQ(s_.blockDesign, 7);
}

}  // namespace
