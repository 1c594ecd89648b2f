#include <gtest/gtest.h>

#include "kit/highscores/highscore_table.h"

namespace {

using kit::HighScoreTable;
using kit::Program;

std::vector<std::int32_t> scores(const HighScoreTable& table) {
    std::vector<std::int32_t> result;
    for (const auto& entry : table.entries())
        result.push_back(entry.score);
    return result;
}

TEST(HighScoreTable, RankGoesAboveTheFirstLowerScoreAndTiesGoBelow) {
    const auto table = HighScoreTable::defaults();
    EXPECT_EQ(table.rankFor(0), 0);
    EXPECT_EQ(table.rankFor(100), 0);
    EXPECT_EQ(table.rankFor(101), 5);
    EXPECT_EQ(table.rankFor(500), 4);
    EXPECT_EQ(table.rankFor(2000), 2);
    EXPECT_EQ(table.rankFor(2001), 1);
    EXPECT_EQ(table.rankFor(-5), 0);
}

TEST(HighScoreTable, InsertMovesTheLowerEntriesDownAndDropsTheLast) {
    auto table = HighScoreTable::defaults();
    table.insert(4, 500, "Tie");
    EXPECT_EQ(scores(table), (std::vector<std::int32_t>{2000, 1000, 500, 500, 200}));
    EXPECT_EQ(table.entry(4).name, "Tie");
    EXPECT_EQ(table.entry(5).name, "Player #4");
    table.insert(1, 9999, "");
    EXPECT_EQ(scores(table), (std::vector<std::int32_t>{9999, 2000, 1000, 500, 500}));
    EXPECT_EQ(table.entry(1).name, "");
    EXPECT_EQ(table.entry(2).name, "Player #1");
    table.insert(5, 600, std::string(100, 'z'));
    EXPECT_EQ(table.entry(5).name, std::string(80, 'z'));
    // What the file would keep of a name with a zero byte: the part before it.
    table.insert(5, 601, std::string("Ann\0Bob", 7));
    EXPECT_EQ(table.entry(5).name, "Ann");
    EXPECT_EQ(HighScoreTable::decode(Program::Pillora, table.encode(Program::Pillora)), table);
}

TEST(HighScoreTable, FileBytesHaveTheRecordLayoutOfEachProgram) {
    auto table = HighScoreTable::defaults();
    table.insert(1, -2, "Zoé");
    const auto orchard = table.encode(Program::Orchard);
    const auto pillora = table.encode(Program::Pillora);
    ASSERT_EQ(orchard.size(), 440u);
    ASSERT_EQ(pillora.size(), 425u);
    EXPECT_EQ(kit::highScoreFileSize(Program::Briko), 440u);
    // -2, little-endian, then the zero-terminated name.
    const std::vector<std::uint8_t> first = {0xFE, 0xFF, 0xFF, 0xFF, 'Z', 'o', 0xC3, 0xA9, 0};
    EXPECT_TRUE(std::equal(first.begin(), first.end(), orchard.begin()));
    // Record 2 starts after 88 bytes in Orchard and after 85 in Pillora: 2000 = 0x7D0.
    EXPECT_EQ(orchard[88], 0xD0);
    EXPECT_EQ(orchard[89], 0x07);
    EXPECT_EQ(pillora[85], 0xD0);
    EXPECT_EQ(pillora[86], 0x07);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&pillora[89])), "Player #1");
    EXPECT_EQ(HighScoreTable::decode(Program::Orchard, orchard), table);
    EXPECT_EQ(HighScoreTable::decode(Program::Pillora, pillora), table);
}

TEST(HighScoreTable, DecodeReadsWhatIsCompleteAndSurvivesForeignBytes) {
    std::vector<std::uint8_t> bytes(88 * 2 + 10, 0xFF);  // no terminators at all
    int read = -1;
    const auto table = HighScoreTable::decode(Program::Briko, bytes, &read);
    EXPECT_EQ(read, 2);
    EXPECT_EQ(table.entry(1).score, -1);
    EXPECT_EQ(table.entry(1).name.size(), 80u);
    EXPECT_EQ(table.entry(3), HighScoreTable::defaults().entry(3));
    HighScoreTable::decode(Program::Pillora, {}, &read);
    EXPECT_EQ(read, 0);
}

}  // namespace
