// Opens a high-score file made of the fuzzer's bytes through the real file
// code, inserts a score, writes the table back and reads it again: the other
// entries keep their places and the bytes after the five records stay as they
// were. A file that cannot be used must be left byte for byte.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "kit/highscores/highscore_file.h"
#include "kit/settings/atomic_file.h"

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::string bytes;
    if (!kit::readWholeFile(path, bytes))
        abort();
    return bytes;
}

void check(bool condition) {
    if (!condition)
        abort();
}

const std::filesystem::path& folder() {
    static const std::filesystem::path made = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "fallpack-fuzz-XXXXXX");
        if (!::mkdtemp(pattern.data()))
            abort();
        return std::filesystem::path(pattern);
    }();
    return made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kit::HighScoreFileState;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const kit::Program program = static_cast<kit::Program>(size % 3);
    kit::HighScoreFile file(program, folder());
    std::ofstream(file.path(), std::ios::binary | std::ios::trunc) << bytes;

    const HighScoreFileState state = file.open();
    if (!file.storable()) {
        check(state == HighScoreFileState::Short && size < kit::highScoreFileSize(program));
        check(!file.write(kit::HighScoreTable::defaults()));
        check(readFile(file.path()) == bytes);
        return 0;
    }
    check(state == HighScoreFileState::Ready);
    const kit::HighScoreTable before = file.table();

    // A score just above the entry that the input's size picks, so that every
    // rank is tried.
    const int target = 1 + static_cast<int>(size / 3 % kit::kHighScoreRanks);
    const std::int32_t beaten = before.entry(target).score;
    if (beaten == std::numeric_limits<std::int32_t>::max())
        return 0;
    const std::int32_t candidate = beaten + 1;
    const int rank = before.rankFor(candidate);
    check(rank >= 1 && rank <= target);
    kit::HighScoreTable after = before;
    after.insert(rank, candidate, bytes.substr(0, 100));
    check(file.write(after));

    kit::HighScoreFile again(program, folder());
    check(again.open() == HighScoreFileState::Ready);
    check(again.table() == after);
    for (int r = 1; r <= kit::kHighScoreRanks; ++r) {
        if (r < rank)
            check(again.table().entry(r) == before.entry(r));
        else if (r > rank)
            check(again.table().entry(r) == before.entry(r - 1));
    }
    const std::string written = readFile(file.path());
    const std::size_t records = kit::highScoreFileSize(program);
    check(written.size() == size && written.substr(records) == bytes.substr(records));
    return 0;
}
