#include "pillora/windows/options_window.h"

#include "pillora/windows/tests/window_harness.h"

#include <QTest>

#include <gtest/gtest.h>

namespace pillora {
namespace {

using testing::OnNextModal;

class OptionWindowTest : public ::testing::Test {
  protected:
    OptionWindowTest() {
        QObject::connect(&window_, &TPilloraOptionWindow::OptionsChanged, [this] { ++changes_; });
    }
    void Bind() { window_.BindOptions(options_); }
    const Ui::PilloraOptionWindow& form() { return window_.Form(); }

    TPilloraOptionWindow window_;
    // The options as the main window holds them, four of them off their defaults.
    kit::PilloraSettings options_{.nbAligne = 5, .level = 4, .singlesOk = true, .showNext = true};
    int changes_ = 0;
};

TEST_F(OptionWindowTest, ShowsTheBoundValues) {
    Bind();
    EXPECT_FALSE(form().CheckBox1->isChecked());
    EXPECT_TRUE(form().CheckBox2->isChecked());
    EXPECT_FALSE(form().CheckBox3->isChecked());
    EXPECT_TRUE(form().CheckBox4->isChecked());
    EXPECT_EQ(form().TrackBar1->value(), 4);
    EXPECT_EQ(form().TrackBar2->value(), 5);
}

TEST_F(OptionWindowTest, OkWritesEveryControlBack) {
    Bind();
    form().CheckBox1->setChecked(true);
    form().CheckBox2->setChecked(false);
    form().CheckBox3->setChecked(true);
    form().CheckBox4->setChecked(false);
    form().TrackBar1->setValue(0);
    form().TrackBar2->setValue(3);
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    EXPECT_EQ(options_, (kit::PilloraSettings{
                            .nbAligne = 3, .level = 0, .soundOk = true, .virusesMove = true}));
    EXPECT_EQ(changes_, 1);
}

TEST_F(OptionWindowTest, ValuesOutOfRangeShowAtTheNearestEndAndOkBringsThemIn) {
    for (const auto& [stored, shown] : {std::pair{1, 3}, {2, 3}, {7, 6}, {9, 6}}) {
        options_.nbAligne = stored;
        options_.level = stored + 4;  // 5, 6, 11 and 13
        Bind();
        EXPECT_EQ(form().TrackBar2->value(), shown) << stored;
        window_.Ok();
        EXPECT_EQ(options_.nbAligne, shown) << stored;
        EXPECT_EQ(options_.level, std::min(stored + 4, 10)) << stored;
    }
}

TEST_F(OptionWindowTest, TheCloseBoxWritesNothing) {
    options_.nbAligne = 8;
    Bind();
    const kit::PilloraSettings before = options_;
    const OnNextModal closeBox([&](QWidget*) {
        form().CheckBox1->setChecked(true);
        form().CheckBox4->setChecked(false);
        form().TrackBar1->setValue(10);
        window_.close();
    });
    window_.SetPlacement(QRect(100, 50, 300, 460));
    window_.exec();
    EXPECT_EQ(options_, before);
    EXPECT_EQ(changes_, 0);
}

TEST_F(OptionWindowTest, OpensBesideTheMainWindowAndEnterConfirms) {
    Bind();
    window_.SetPlacement(QRect(100, 50, 300, 460));
    QPoint at;
    const OnNextModal confirm([&](QWidget*) {
        at = window_.pos();
        form().TrackBar2->setValue(3);
        QTest::keyClick(&window_, Qt::Key_Return);
    });
    EXPECT_EQ(window_.exec(), QDialog::Accepted);
    EXPECT_EQ(at, QPoint(120, 70));
    EXPECT_EQ(options_.nbAligne, 3);
}

}  // namespace
}  // namespace pillora
