#include <chrono>
#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

#include "kit/files/atomic_file.h"
#include "kit/testing/file_bytes.h"

namespace {

using kit::testing::readBytes;
using kit::testing::writeBytes;
namespace fs = std::filesystem;

TEST(AtomicFile, AReplacementKeepsTheModeAndWritesThroughASymbolicLink) {
    writeBytes("table", "old");
    fs::permissions("table", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("table", "link");
    ASSERT_TRUE(kit::replaceFileAtomically("link", "new"));
    EXPECT_TRUE(fs::is_symlink("link"));
    EXPECT_EQ(readBytes("table"), "new");
    EXPECT_EQ(fs::status("table").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(FileLock, AStuckWriterDelaysAWriteButNeverHangsIt) {
    const fs::path path = "Fallpack.ini";
    writeBytes(path, "[S]\nK=1\n");
    std::optional<kit::FileLock> stuck(std::in_place, path);
    ASSERT_TRUE(stuck->locked());
    EXPECT_FALSE(kit::FileLock(path, std::chrono::milliseconds(50)).locked());
    stuck.reset();
    EXPECT_TRUE(kit::FileLock(path, std::chrono::milliseconds(50)).locked());
}

}  // namespace
