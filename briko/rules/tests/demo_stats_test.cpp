#include "briko/rules/demo_stats.h"

#include "briko/rules/demo_stats_text.h"
#include "briko/rules/tests/recording_view.h"

#include <gtest/gtest.h>

#include <random>

namespace briko {
namespace {

using testing::MemoryStatsStore;

constexpr char kFreshText[] = "0000FFFF000000000000000000EE";

double Mean(const DemoStatsRecord& record) {
    return FromReal48(record.Mean);
}

TEST(HexRecord, BytesLastToFirst) {
    const std::uint8_t data[] = {0xEE, 0x01, 0xAB, 0x00};
    EXPECT_EQ(WriteHexRecord(data), "00AB01EE");
    std::uint8_t back[4] = {};
    ReadHexRecord("00AB01EE", back);
    EXPECT_EQ(back[0], 0xEE);
    EXPECT_EQ(back[2], 0xAB);
    // Any character other than A to F counts its code minus that of "0".
    ReadHexRecord("G0", std::span(back, 1));
    EXPECT_EQ(back[0], ('G' - '0') * 16 % 256);
    // Pairs missing from a short text read as 0.
    ReadHexRecord("FF", std::span(back, 2));
    EXPECT_EQ(back[1], 0xFF);
    EXPECT_EQ(back[0], 0);
}

TEST(StatsRecord, FreshRecordAndItsText) {
    const DemoStatsRecord fresh;
    EXPECT_EQ(EncodeStatsText(fresh), kFreshText);
    const auto decoded = DecodeStatsText(kFreshText);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Played, 0);
    EXPECT_EQ(decoded->Minimum, 65535);
    EXPECT_EQ(decoded->Maximum, 0);
    EXPECT_EQ(Mean(*decoded), 0.0);
    EXPECT_EQ(fresh.ToBytes().size(), 14u);
}

TEST(StatsRecord, DecodingNeedsTheWholeRecordAndItsMarker) {
    EXPECT_FALSE(DecodeStatsText(""));
    EXPECT_FALSE(DecodeStatsText("0"));
    EXPECT_FALSE(DecodeStatsText("0000FFFF00000000000000000EE"));  // 27 characters
    EXPECT_FALSE(DecodeStatsText("0000FFFF000000000000000000ED"));
    // Only the first 28 characters count.
    EXPECT_TRUE(DecodeStatsText(std::string(kFreshText) + "123"));
    DemoStatsRecord record;
    record.Filler = 0x5A;
    RecordDemoResult(record, 300);
    const auto back = DecodeStatsText(EncodeStatsText(record));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->ToBytes(), record.ToBytes());
}

TEST(StatsRecord, Update) {
    DemoStatsRecord record;
    RecordDemoResult(record, 37);
    EXPECT_EQ(record.Played, 1);
    EXPECT_EQ(record.Minimum, 37);
    EXPECT_EQ(record.Maximum, 37);
    EXPECT_EQ(Mean(record), 37.0);

    DemoStatsRecord three;
    for (int rows : {10, 11, 12}) {
        RecordDemoResult(three, rows);
    }
    EXPECT_EQ(Mean(three), 11.0);
    EXPECT_EQ(three.Minimum, 10);
    EXPECT_EQ(three.Maximum, 12);
    RecordDemoResult(three, 0);
    EXPECT_EQ(three.Minimum, 0);
    EXPECT_EQ(Mean(three), 33.0 / 4);

    // The old total is rounded halves to even: 2.5 → 2, 3.5 → 4.
    DemoStatsRecord edited;
    edited.Played = 1;
    edited.Mean = ToReal48(2.5);
    RecordDemoResult(edited, 0);
    EXPECT_EQ(Mean(edited), 1.0);
    edited.Played = 1;
    edited.Mean = ToReal48(3.5);
    RecordDemoResult(edited, 0);
    EXPECT_EQ(Mean(edited), 2.0);
}

TEST(StatsRecord, TheMeanStaysExactOverManyGames) {
    std::mt19937 engine(11);
    DemoStatsRecord record;
    long long total = 0;
    for (int game = 1; game <= 3000; ++game) {
        const int rows = static_cast<int>(engine() % 400);
        total += rows;
        RecordDemoResult(record, rows);
        ASSERT_EQ(Mean(record), FromReal48(ToReal48(static_cast<double>(total) / game)));
    }
    EXPECT_EQ(record.Played, 3000);
}

TEST(StatsStore, StartsAFreshRecordWhenThereIsNone) {
    for (const char* stored : {"", "0", "hello", "0000FFFF000000000000000000ED", "0000FFFF00EE"}) {
        MemoryStatsStore store;
        if (std::string(stored) != "") {
            store.value = stored;
        }
        RecordDemoResult(store, 5);
        // The fresh record is written at once, then the updated one.
        EXPECT_EQ(store.writes, 2) << stored;
        const auto record = DecodeStatsText(*store.value);
        ASSERT_TRUE(record) << stored;
        EXPECT_EQ(record->Played, 1) << stored;
        EXPECT_EQ(record->Minimum, 5) << stored;
    }
}

TEST(StatsStore, UpdatesTheStoredRecord) {
    MemoryStatsStore store;
    EXPECT_FALSE(LoadDemoStats(store));
    RecordDemoResult(store, 20);
    RecordDemoResult(store, 40);
    EXPECT_EQ(store.writes, 3);
    const auto record = LoadDemoStats(store);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Played, 2);
    EXPECT_EQ(Mean(*record), 30.0);
    EXPECT_EQ(store.value->substr(26), "EE");
    // Writing "0" by hand resets the statistics.
    store.value = "0";
    EXPECT_FALSE(LoadDemoStats(store));
    RecordDemoResult(store, 7);
    EXPECT_EQ(LoadDemoStats(store)->Played, 1);
}

TEST(StatsText, Lines) {
    DemoStatsRecord record;
    for (int rows : {10, 11, 12}) {
        RecordDemoResult(record, rows);
    }
    const std::string dashes(51, '-');
    EXPECT_EQ(DemoStatsText(record), dashes +
                                         "\n\r\xC2\xBB Demos played : 3"
                                         "\n\r\xC2\xBB Maximum score : 12"
                                         "\n\r\xC2\xBB Minimum score : 10"
                                         "\n\r\xC2\xBB Mean score : 11.000000"
                                         "\n\r" +
                                         dashes);
    RecordDemoResult(record, 200);
    EXPECT_EQ(DemoStatsText(record).find("greater"), std::string::npos);
    RecordDemoResult(record, 201);
    const std::string text = DemoStatsText(record);
    const std::string challenge =
        "\n\rYour maximum score is greater\n\rthan mine ! Please let me know !";
    ASSERT_GE(text.size(), challenge.size());
    EXPECT_EQ(text.substr(text.size() - challenge.size()), challenge);
    EXPECT_NE(text.find("Mean score : 86.800000"), std::string::npos);
}

TEST(StatsText, EveryWordComesFromTheTranslation) {
    DemoStatsRecord record;
    RecordDemoResult(record, 201);
    const std::string dashes(51, '-');
    const auto bracket = [](const char* word) { return "[" + std::string(word) + "]"; };
    EXPECT_EQ(DemoStatsText(record, bracket), dashes +
                                                  "\n\r\xC2\xBB[ Demos played : ]1"
                                                  "\n\r\xC2\xBB[ Maximum score : ]201"
                                                  "\n\r\xC2\xBB[ Minimum score : ]201"
                                                  "\n\r\xC2\xBB[ Mean score : ]201.000000"
                                                  "\n\r" +
                                                  dashes +
                                                  "\n\r[Your maximum score is greater]"
                                                  "\n\r[than mine ! Please let me know !]");
}

}  // namespace
}  // namespace briko
