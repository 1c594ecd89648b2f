#include "kit/highscores/highscore_file.h"

#include <sys/stat.h>

#include <cerrno>

#include "kit/files/atomic_file.h"

namespace kit {

HighScoreFile::HighScoreFile(Program program, std::filesystem::path folder)
    : program_(program), path_(std::move(folder) / highScoreFileName(program)) {}

HighScoreFileState HighScoreFile::open() {
    table_ = HighScoreTable::defaults();
    tail_.clear();
    lastError_.clear();
    struct stat info {};
    if (::lstat(path_.c_str(), &info) != 0 && errno == ENOENT) {
        state_ = HighScoreFileState::Created;
        if (!write(table_))
            state_ = HighScoreFileState::CreateFailed;
        return state_;
    }
    std::string bytes;
    if (!readWholeFile(path_, bytes, &lastError_)) {
        state_ = HighScoreFileState::Unreadable;
        return state_;
    }
    const std::vector<std::uint8_t> content(bytes.begin(), bytes.end());
    table_ = HighScoreTable::decode(program_, content);
    if (content.size() < highScoreFileSize(program_)) {
        state_ = HighScoreFileState::Short;
        return state_;
    }
    tail_.assign(content.begin() + static_cast<std::ptrdiff_t>(highScoreFileSize(program_)),
                 content.end());
    state_ = isWriteProtected(path_, &lastError_) ? HighScoreFileState::ReadOnly
                                                  : HighScoreFileState::Ready;
    return state_;
}

bool HighScoreFile::storable() const {
    return state_ == HighScoreFileState::Ready || state_ == HighScoreFileState::Created ||
           state_ == HighScoreFileState::CreateFailed;
}

bool HighScoreFile::write(const HighScoreTable& table) {
    if (!storable())
        return false;
    std::vector<std::uint8_t> bytes = table.encode(program_);
    bytes.insert(bytes.end(), tail_.begin(), tail_.end());
    // The replacement refuses a file that was made read-only meanwhile.
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return replaceFileAtomically(path_, view, &lastError_);
}

}  // namespace kit
