#include "kit/highscores/highscore_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "kit/settings/atomic_file.h"

namespace kit {
namespace {

// A file that nobody may write counts as read-only even for a user whose rights
// would let the rename replace it: the player made it so on purpose.
bool writable(const std::filesystem::path& path, std::string* error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        *error = path.string() + ": the file is read-only";
        return false;
    }
    if (::access(path.c_str(), W_OK) != 0) {
        *error = path.string() + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

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
    state_ = HighScoreFileState::Ready;
    if (!writable(path_, &lastError_))
        state_ = HighScoreFileState::ReadOnly;
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
    // Renaming would replace a file that was made read-only meanwhile.
    if (::access(path_.c_str(), F_OK) == 0 && !writable(path_, &lastError_))
        return false;
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return replaceFileAtomically(path_, view, &lastError_);
}

}  // namespace kit
