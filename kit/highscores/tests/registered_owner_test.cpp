#include <gtest/gtest.h>

#include "kit/highscores/registered_owner.h"

namespace {

TEST(RegisteredOwner, FullNameThenLoginThenPlayer) {
    EXPECT_EQ(kit::ownerNameFrom("Ann Smith,Room 4,555-1234,", "ann"), "Ann Smith");
    EXPECT_EQ(kit::ownerNameFrom("Zoé", "zoe"), "Zoé");
    EXPECT_EQ(kit::ownerNameFrom(",,,", "ann"), "ann");
    EXPECT_EQ(kit::ownerNameFrom(nullptr, "ann"), "ann");
    EXPECT_EQ(kit::ownerNameFrom("", ""), "Player");
    EXPECT_EQ(kit::ownerNameFrom(nullptr, nullptr), "Player");
    EXPECT_FALSE(kit::RegisteredOwnerName().empty());
}

}  // namespace
