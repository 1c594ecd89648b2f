#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kit/program/program.h"

namespace kit {

// One row of a high-score table.
struct HighScoreEntry {
    std::int32_t score = 0;
    std::string name;  // at most kHighScoreNameMax bytes

    bool operator==(const HighScoreEntry&) const = default;
};

// A name field is 81 bytes ending in a zero byte.
inline constexpr std::size_t kHighScoreNameField = 81;
inline constexpr std::size_t kHighScoreNameMax = 80;
inline constexpr int kHighScoreRanks = 5;

// The file of each program and the size of its records, as its description
// gives them; a file holds five records and nothing else.
const char* highScoreFileName(Program program);
std::size_t highScoreRecordSize(Program program);
std::size_t highScoreFileSize(Program program);

// The five best scores, best first. Scores never increase down the table.
class HighScoreTable {
  public:
    // 2000, 1000, 500, 200, 100 for "Player #1" to "Player #5".
    static HighScoreTable defaults();

    const std::array<HighScoreEntry, kHighScoreRanks>& entries() const { return entries_; }
    const HighScoreEntry& entry(int rank) const { return entries_.at(rank - 1); }

    // The rank (1 to 5) at which `candidate` would enter, or 0 when it does
    // not beat any entry. A tie goes below the stored entry.
    int rankFor(std::int32_t candidate) const;

    // Moves rank..4 down one (rank 5 drops out) and puts the entry at `rank`;
    // the name ends at a zero byte and is cut to 80 bytes.
    void insert(int rank, std::int32_t score, std::string_view name);

    // The file bytes of the table for `program`. Name bytes after the
    // terminator and the filler are zero.
    std::vector<std::uint8_t> encode(Program program) const;

    // Reads as many complete records as `bytes` holds (at most five); ranks
    // past the end keep the default entries. `recordsRead` tells how many
    // were complete.
    static HighScoreTable decode(Program program, const std::vector<std::uint8_t>& bytes,
                                 int* recordsRead = nullptr);

    bool operator==(const HighScoreTable&) const = default;

  private:
    std::array<HighScoreEntry, kHighScoreRanks> entries_;
};

}  // namespace kit
