#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <stdexcept>

#include <gtest/gtest.h>

#include "kit/desktop/application.h"
#include "kit/desktop/message_box.h"
#include "kit/testing/form_style_testing.h"

namespace {

struct Recorded {
    std::vector<kit::MessageRequest> requests;
    kit::MessageAnswer answer = kit::MessageAnswer::Yes;
};

class MessageBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        kit::setMessageResponder([this](const kit::MessageRequest& r) {
            recorded.requests.push_back(r);
            return recorded.answer;
        });
    }
    void TearDown() override { kit::setMessageResponder({}); }
    Recorded recorded;
};

TEST_F(MessageBoxTest, ResponderSeesTheExactTextAndAnswers) {
    recorded.answer = kit::MessageAnswer::No;
    const auto answer = kit::showMessage(nullptr, "Really ?", "Abort Game ?",
                                         kit::MessageIcon::Question, kit::MessageButtons::YesNo);
    EXPECT_EQ(answer, kit::MessageAnswer::No);
    ASSERT_EQ(recorded.requests.size(), 1u);
    EXPECT_EQ(recorded.requests[0].text, "Really ?");
    EXPECT_EQ(recorded.requests[0].caption, "Abort Game ?");
    EXPECT_EQ(recorded.requests[0].icon, kit::MessageIcon::Question);
}

TEST_F(MessageBoxTest, AboutBoxSplitsCaptionAtHash) {
    kit::showAboutBox(nullptr, "Orchard#Orchard", "Orchard version 1.95", QIcon());
    kit::showAboutBox(nullptr, "Pillora", "", QIcon());
    ASSERT_EQ(recorded.requests.size(), 2u);
    EXPECT_EQ(recorded.requests[0].kind, kit::MessageKind::About);
    EXPECT_EQ(recorded.requests[0].caption, "Orchard");
    EXPECT_EQ(recorded.requests[0].text, "Orchard\nOrchard version 1.95");
    EXPECT_EQ(recorded.requests[1].caption, "About Pillora");
}

TEST_F(MessageBoxTest, ReportedExceptionShowsItsTextAsAnError) {
    kit::reportException(std::runtime_error("Disk full"));
    ASSERT_EQ(recorded.requests.size(), 1u);
    EXPECT_EQ(recorded.requests[0].text, "Disk full");
    EXPECT_EQ(recorded.requests[0].icon, kit::MessageIcon::Error);
}

// The real boxes, shown and closed again from inside their own event loop.
TEST(MessageBoxOnScreen, BoxesWearTheHouseStyleAndTheirExactCaption) {
    const struct {
        const char* caption;
        std::function<void()> show;
    } boxes[] = {
        {"Abort Game ?",
         [] {
             kit::showMessage(nullptr, "Really ?", "Abort Game ?", kit::MessageIcon::Question,
                              kit::MessageButtons::YesNo);
         }},
        {"Sorry !",
         [] { kit::showMessage(nullptr, "Game Over ...", "Sorry !", kit::MessageIcon::Error); }},
        {"About Pillora",
         [] { kit::showAboutBox(nullptr, "Pillora", "Pillora version 1.95", {}); }},
    };
    for (const auto& box : boxes) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            seen = true;
            EXPECT_EQ(shown->windowTitle(), box.caption);
            kit::testing::ExpectFormStyle(*shown);
            shown->done(0);
        });
        box.show();
        EXPECT_TRUE(seen) << box.caption;
    }
}

}  // namespace
