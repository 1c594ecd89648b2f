#include <gtest/gtest.h>

#include "kit/desktop/message_box.h"
#include "kit/settings/cdrom.h"
#include "kit/settings/cdrom_warning.h"

namespace {

class CdRomTest : public ::testing::Test {
  protected:
    void SetUp() override {
        kit::setMessageResponder([this](const kit::MessageRequest& r) {
            boxes.push_back(r);
            return kit::MessageAnswer::Ok;
        });
    }
    void TearDown() override {
        kit::setMessageResponder({});
        kit::setCdRomProbe({});
    }
    std::vector<kit::MessageRequest> boxes;
};

TEST_F(CdRomTest, OnACdRomTheWarningBoxShowsAndTheCallerStops) {
    kit::setCdRomProbe([] { return true; });
    EXPECT_TRUE(kit::warnIfRunningFromCdRom(nullptr));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Warning !");
    EXPECT_EQ(boxes[0].text,
              "You're running this game from a CDROM drive\n\rPlease, copy all the files on a "
              "hard drive !");
    EXPECT_EQ(boxes[0].icon, kit::MessageIcon::Error);
}

TEST_F(CdRomTest, OnAHardDiskNothingIsShown) {
    EXPECT_FALSE(kit::runningFromCdRom()) << "the test folder is not on a disc";
    EXPECT_FALSE(kit::warnIfRunningFromCdRom(nullptr));
    kit::setCdRomProbe([] { return false; });
    EXPECT_FALSE(kit::warnIfRunningFromCdRom(nullptr));
    EXPECT_TRUE(boxes.empty());
}

}  // namespace
