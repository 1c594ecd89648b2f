#include "briko/windows/options_window.h"

#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace briko {
namespace {

class OptionsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window_.SetPlacement(QRect(100, 50, 350, 470));
        window_.BindOptions(options_);
        QObject::connect(&window_, &TBRIKOOptionsWindow::OptionsChanged, [this] { ++changed_; });
    }

    // Shows the window, lets `edit` change it, then presses `button`.
    void ShowAndPress(const std::function<void()>& edit, QAbstractButton* button) {
        QTimer::singleShot(0, &window_, [edit, button] {
            edit();
            QTest::mouseClick(button, Qt::LeftButton);
        });
        window_.exec();
    }

    TBRIKOOptionsWindow window_;
    const Ui::BRIKOOptionsWindow& form_ = window_.Form();
    kit::BrikoSettings options_{.start = 4,
                                .rows = 2,
                                .demoSpeed = 3,
                                .sound = true,
                                .music = 1,
                                .which = 3,
                                .joyEnabled = true};
    int changed_ = 0;
};

TEST_F(OptionsWindow, ShowsTheBoundSettingsOnTheFirstPageAtItsPlace) {
    QPoint placed;
    ShowAndPress(
        [&] {
            placed = window_.frameGeometry().topLeft();
            EXPECT_EQ(form_.PageControl1->currentIndex(), 0);
            EXPECT_TRUE(form_.CheckBox1->isChecked());
            EXPECT_FALSE(form_.CheckBox3->isChecked());
            EXPECT_TRUE(form_.CheckBox4->isChecked());
            EXPECT_TRUE(form_.RadioGroup1Item3->isChecked());
            EXPECT_TRUE(form_.RadioGroup2Item1->isChecked());
            EXPECT_EQ(form_.TrackBar1->value(), 2);
            EXPECT_EQ(form_.TrackBar2->value(), 4);
            EXPECT_EQ(form_.TrackBar3->value(), 3);
            EXPECT_EQ(form_.TrackBar3->maximum(), 20);
        },
        form_.Button2);
    EXPECT_EQ(placed, QPoint(120, 70));
    EXPECT_EQ(window_.windowTitle(), "BRIKO Options");
    EXPECT_EQ(window_.size(), QSize(267, 361));
}

TEST_F(OptionsWindow, OkStoresEveryControlAndTellsTheMainWindow) {
    ShowAndPress(
        [&] {
            form_.RadioGroup1Item0->click();
            form_.RadioGroup2Item3->click();
            form_.CheckBox1->setChecked(false);
            form_.CheckBox3->setChecked(true);
            form_.CheckBox4->setChecked(false);
            form_.TrackBar1->setValue(10);
            form_.TrackBar2->setValue(0);
            form_.TrackBar3->setValue(20);
        },
        form_.Button1);
    EXPECT_EQ(options_, (kit::BrikoSettings{.start = 0,
                                            .rows = 10,
                                            .demoSpeed = 20,
                                            .sound = false,
                                            .demoLoop = true,
                                            .music = 3,
                                            .which = 0,
                                            .joyEnabled = false}));
    EXPECT_EQ(changed_, 1);
    EXPECT_EQ(window_.result(), QDialog::Accepted);
}

TEST_F(OptionsWindow, CancelChangesNothingAndTheNextShowingHasTheOldValues) {
    ShowAndPress(
        [&] {
            form_.TrackBar2->setValue(9);
            form_.CheckBox4->setChecked(false);
        },
        form_.Button2);
    EXPECT_EQ(options_.start, 4);
    EXPECT_TRUE(options_.joyEnabled);
    EXPECT_EQ(changed_, 0);

    int shown = -1;
    ShowAndPress([&] { shown = form_.TrackBar2->value(); }, form_.Button2);
    EXPECT_EQ(shown, 4);
}

TEST_F(OptionsWindow, AValueOutsideTheChoicesIsKeptWhenLeftAlone) {
    options_.which = 7;
    ShowAndPress([] {}, form_.Button1);
    EXPECT_EQ(options_.which, 7);
}

}  // namespace
}  // namespace briko
