#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kit {

// Replaces `path` with `bytes` at once: a temporary file in the same folder is
// written, flushed and synced, given the old file's permissions, then renamed
// over the old one. On failure the old file is left as it was and `error`
// (when given) says why.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::string* error = nullptr);

// Reads the whole of a regular file; false when it cannot be read.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes,
                   std::string* error = nullptr);

// Holds an exclusive advisory lock on `path` (created when missing) for its
// lifetime, so that read-modify-write cycles of several processes run one by one.
class FileLock {
  public:
    explicit FileLock(const std::filesystem::path& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace kit
