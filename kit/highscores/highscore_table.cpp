#include "kit/highscores/highscore_table.h"

#include <algorithm>
#include <cstring>

#include "kit/text/utf8.h"

namespace kit {

const char* highScoreFileName(Program program) {
    return describe(program).highScoreFile;
}

std::size_t highScoreRecordSize(Program program) {
    return describe(program).highScoreRecordSize;
}

std::size_t highScoreFileSize(Program program) {
    return highScoreRecordSize(program) * kHighScoreRanks;
}

HighScoreTable HighScoreTable::defaults() {
    HighScoreTable table;
    const std::int32_t scores[kHighScoreRanks] = {2000, 1000, 500, 200, 100};
    for (int i = 0; i < kHighScoreRanks; ++i)
        table.entries_[i] = {scores[i], "Player #" + std::to_string(i + 1)};
    return table;
}

int HighScoreTable::rankFor(std::int32_t candidate) const {
    for (int i = 0; i < kHighScoreRanks; ++i) {
        if (entries_[i].score < candidate)
            return i + 1;
    }
    return 0;
}

void HighScoreTable::insert(int rank, std::int32_t score, std::string_view name) {
    if (rank < 1 || rank > kHighScoreRanks)
        return;
    for (int i = kHighScoreRanks - 1; i >= rank; --i)
        entries_[i] = entries_[i - 1];
    // The name field ends at its first zero byte, so the name does too.
    name = name.substr(0, name.find('\0'));
    entries_[rank - 1] = {score, cutUtf8(name, kHighScoreNameMax)};
}

std::vector<std::uint8_t> HighScoreTable::encode(Program program) const {
    const std::size_t recordSize = highScoreRecordSize(program);
    std::vector<std::uint8_t> bytes(recordSize * kHighScoreRanks, 0);
    for (int i = 0; i < kHighScoreRanks; ++i) {
        std::uint8_t* record = bytes.data() + recordSize * i;
        const auto score = static_cast<std::uint32_t>(entries_[i].score);
        for (int b = 0; b < 4; ++b)
            record[b] = static_cast<std::uint8_t>(score >> (8 * b));
        const std::string& name = entries_[i].name;
        std::memcpy(record + 4, name.data(), std::min(name.size(), kHighScoreNameMax));
    }
    return bytes;
}

HighScoreTable HighScoreTable::decode(Program program, const std::vector<std::uint8_t>& bytes,
                                      int* recordsRead) {
    HighScoreTable table = defaults();
    const std::size_t recordSize = highScoreRecordSize(program);
    const int complete =
        static_cast<int>(std::min<std::size_t>(bytes.size() / recordSize, kHighScoreRanks));
    for (int i = 0; i < complete; ++i) {
        const std::uint8_t* record = bytes.data() + recordSize * i;
        std::uint32_t score = 0;
        for (int b = 0; b < 4; ++b)
            score |= static_cast<std::uint32_t>(record[b]) << (8 * b);
        const char* name = reinterpret_cast<const char*>(record + 4);
        // A foreign file may lack the terminator: the name field ends anyway.
        const std::size_t length = ::strnlen(name, kHighScoreNameMax);
        table.entries_[i] = {static_cast<std::int32_t>(score), std::string(name, length)};
    }
    if (recordsRead)
        *recordsRead = complete;
    return table;
}

}  // namespace kit
