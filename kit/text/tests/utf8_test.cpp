#include <gtest/gtest.h>

#include "kit/text/utf8.h"

namespace {

TEST(CutUtf8, NeverSplitsACharacter) {
    EXPECT_EQ(kit::cutUtf8("abc", 5), "abc");
    EXPECT_EQ(kit::cutUtf8("a\xC3\xA9", 2), "a");
    EXPECT_EQ(kit::cutUtf8("\xC3\xA9\xE2\x82\xAC", 4), "\xC3\xA9");
    EXPECT_EQ(kit::cutUtf8("\xC3\xA9\xE2\x82\xAC", 2), "\xC3\xA9");
    EXPECT_EQ(kit::cutUtf8("\xF0\x9F\x8D\x8E!", 3), "");
    EXPECT_EQ(kit::cutUtf8("\xFF\xFF\xFF", 2), "\xFF\xFF") << "not UTF-8: cut as bytes";
}

}  // namespace
