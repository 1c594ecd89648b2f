// Opens a high-score file made of the fuzzer's bytes through the real file
// code, inserts a score, writes the table back and reads it again: the other
// entries keep their places and the bytes after the five records stay as they
// were. A file that cannot be used must be left byte for byte.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "kit/highscores/highscore_file.h"
#include "kit/testing/fuzz_support.h"

using kit::testing::fuzzCheck;
using kit::testing::fuzzFolder;
using kit::testing::fuzzReadFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kit::HighScoreFileState;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The input's size picks the program, and then the rank below.
    const std::size_t programs = kit::kProgramDescriptions.size();
    const kit::Program program = kit::kProgramDescriptions[size % programs].program;
    kit::HighScoreFile file(program, fuzzFolder());
    std::ofstream(file.path(), std::ios::binary | std::ios::trunc) << bytes;

    const HighScoreFileState state = file.open();
    if (!file.storable()) {
        fuzzCheck(state == HighScoreFileState::Short && size < kit::highScoreFileSize(program));
        fuzzCheck(!file.write(kit::HighScoreTable::defaults()));
        fuzzCheck(fuzzReadFile(file.path()) == bytes);
        return 0;
    }
    fuzzCheck(state == HighScoreFileState::Ready);
    const kit::HighScoreTable before = file.table();

    // A score just above the entry that the input's size picks, so that every
    // rank is tried.
    const int target = 1 + static_cast<int>(size / programs % kit::kHighScoreRanks);
    const std::int32_t beaten = before.entry(target).score;
    if (beaten == std::numeric_limits<std::int32_t>::max())
        return 0;
    const std::int32_t candidate = beaten + 1;
    const int rank = before.rankFor(candidate);
    fuzzCheck(rank >= 1 && rank <= target);
    kit::HighScoreTable after = before;
    after.insert(rank, candidate, bytes.substr(0, 100));
    fuzzCheck(file.write(after));

    kit::HighScoreFile again(program, fuzzFolder());
    fuzzCheck(again.open() == HighScoreFileState::Ready);
    fuzzCheck(again.table() == after);
    for (int r = 1; r <= kit::kHighScoreRanks; ++r) {
        if (r < rank)
            fuzzCheck(again.table().entry(r) == before.entry(r));
        else if (r > rank)
            fuzzCheck(again.table().entry(r) == before.entry(r - 1));
    }
    const std::string written = fuzzReadFile(file.path());
    const std::size_t records = kit::highScoreFileSize(program);
    fuzzCheck(written.size() == size && written.substr(records) == bytes.substr(records));
    return 0;
}
