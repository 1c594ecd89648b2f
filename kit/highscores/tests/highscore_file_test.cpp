#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "kit/highscores/highscore_file.h"
#include "kit/testing/file_bytes.h"
#include "kit/testing/file_size_limit.h"

namespace {

using kit::HighScoreFile;
using kit::HighScoreFileState;
using kit::HighScoreTable;
using kit::Program;

using kit::testing::readBytes;
using kit::testing::writeBytes;

std::string asText(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(HighScoreFile, AMissingFileIsCreatedWithTheDefaultTable) {
    for (Program program : {Program::Orchard, Program::Briko, Program::Pillora}) {
        HighScoreFile file(program);
        EXPECT_EQ(file.open(), HighScoreFileState::Created);
        EXPECT_TRUE(file.storable());
        EXPECT_EQ(file.table(), HighScoreTable::defaults());
        EXPECT_EQ(readBytes(file.path()), asText(HighScoreTable::defaults().encode(program)));
    }
    EXPECT_EQ(std::filesystem::file_size("OrchardHighScores97"), 440u);
    EXPECT_EQ(std::filesystem::file_size("BRIKOHighScores97"), 440u);
    EXPECT_EQ(std::filesystem::file_size("PilloraHighScores97"), 425u);
}

TEST(HighScoreFile, WriteReplacesTheTableAndKeepsForeignTrailingBytes) {
    auto table = HighScoreTable::defaults();
    table.insert(2, 1500, "Ann");
    writeBytes("PilloraHighScores97", asText(table.encode(Program::Pillora)) + "extra");
    HighScoreFile file(Program::Pillora);
    ASSERT_EQ(file.open(), HighScoreFileState::Ready);
    EXPECT_EQ(file.table(), table);
    table.insert(1, 3000, "Bob");
    ASSERT_TRUE(file.write(table));
    EXPECT_EQ(readBytes(file.path()), asText(table.encode(Program::Pillora)) + "extra");
}

TEST(HighScoreFile, ShortReadOnlyOrUnreadableFilesAreLeftExactlyAsTheyWere) {
    const std::string shortBytes =
        asText(HighScoreTable::defaults().encode(Program::Orchard)).substr(0, 200);
    writeBytes("OrchardHighScores97", shortBytes);
    HighScoreFile shortFile(Program::Orchard);
    EXPECT_EQ(shortFile.open(), HighScoreFileState::Short);
    EXPECT_FALSE(shortFile.storable());
    EXPECT_FALSE(shortFile.write(HighScoreTable::defaults()));
    EXPECT_EQ(readBytes("OrchardHighScores97"), shortBytes);

    auto table = HighScoreTable::defaults();
    table.insert(1, 7777, "Locked");
    writeBytes("BRIKOHighScores97", asText(table.encode(Program::Briko)));
    std::filesystem::permissions("BRIKOHighScores97", std::filesystem::perms::owner_read);
    HighScoreFile readOnly(Program::Briko);
    EXPECT_EQ(readOnly.open(), HighScoreFileState::ReadOnly);
    EXPECT_EQ(readOnly.table(), table) << "what could be read is shown";
    EXPECT_FALSE(readOnly.write(HighScoreTable::defaults()));
    EXPECT_EQ(readBytes("BRIKOHighScores97"), asText(table.encode(Program::Briko)));

    std::filesystem::create_directory("PilloraHighScores97");
    HighScoreFile unreadable(Program::Pillora);
    EXPECT_EQ(unreadable.open(), HighScoreFileState::Unreadable);
    EXPECT_EQ(unreadable.table(), HighScoreTable::defaults());
    EXPECT_FALSE(unreadable.lastError().empty());
    EXPECT_TRUE(std::filesystem::is_directory("PilloraHighScores97"));
}

TEST(HighScoreFile, APipeInPlaceOfTheFileIsUnreadableAtOnce) {
    ::alarm(20);  // an open that waits for a writer would otherwise hang the test
    ASSERT_EQ(::mkfifo("OrchardHighScores97", 0644), 0);
    HighScoreFile file(Program::Orchard);
    EXPECT_EQ(file.open(), HighScoreFileState::Unreadable);
    EXPECT_FALSE(file.storable());
    EXPECT_FALSE(file.write(HighScoreTable::defaults()));
    EXPECT_TRUE(std::filesystem::is_fifo("OrchardHighScores97"));
    ::alarm(0);
}

TEST(HighScoreFile, AKilledWritersTemporaryIsRemovedByTheNextWrite) {
    writeBytes(".BRIKOHighScores97.q1W2e3", std::string(300, 'x'));
    writeBytes(".BRIKOHighScores97.Busy00", "being written");
    const int busy = ::open(".BRIKOHighScores97.Busy00", O_RDONLY);
    ASSERT_GE(busy, 0);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    HighScoreFile file(Program::Briko);
    ASSERT_EQ(file.open(), HighScoreFileState::Created);
    ::close(busy);
    EXPECT_FALSE(std::filesystem::exists(".BRIKOHighScores97.q1W2e3"));
    EXPECT_TRUE(std::filesystem::exists(".BRIKOHighScores97.Busy00"));
}

TEST(HighScoreFile, AFailedWriteKeepsTheOldTable) {
    HighScoreFile file(Program::Orchard);
    ASSERT_EQ(file.open(), HighScoreFileState::Created);
    auto table = HighScoreTable::defaults();
    table.insert(1, 5000, "Lost");
    {
        kit::testing::FileSizeLimit full(100);
        EXPECT_FALSE(file.write(table));
    }
    EXPECT_FALSE(file.lastError().empty());
    EXPECT_EQ(readBytes(file.path()), asText(HighScoreTable::defaults().encode(Program::Orchard)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";
}

TEST(HighScoreFile, AFolderWhereNothingCanBeCreatedShowsTheDefaults) {
    HighScoreFile file(Program::Briko, std::filesystem::current_path() / "no" / "such" / "folder");
    EXPECT_EQ(file.open(), HighScoreFileState::CreateFailed);
    EXPECT_EQ(file.table(), HighScoreTable::defaults());
    EXPECT_FALSE(file.lastError().empty());
}

}  // namespace
