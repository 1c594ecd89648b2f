#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace kit {

// True when `path` exists and may not be written: no write permission bit is
// set at all (the player protected it on purpose, which counts even for a user
// whose rights would pass), or this user is refused write access. `error`
// (when given) says why.
bool isWriteProtected(const std::filesystem::path& path, std::string* error = nullptr);

// Replaces `path` with `bytes` at once: a temporary file in the same folder is
// written, flushed and synced, given the old file's permissions, then renamed
// over the old one. A write-protected file is never replaced. The temporaries
// that writers killed mid-write left behind are removed first (each writer
// holds a lock on its own temporary, so only a dead writer's can be taken).
// On failure the old file is left as it was and `error` (when given) says why.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::string* error = nullptr);

// Reads the whole of a regular file; false when it cannot be read. A pipe,
// device or folder in its place is refused at once, without waiting on it.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes,
                   std::string* error = nullptr);

// Holds an exclusive advisory lock on the file at `path` itself for its
// lifetime, so that the read-modify-write cycles of several processes run one
// by one and leave no lock file behind. Each write replaces the file, so a
// lock that was won on a file the name no longer stands for is taken again on
// the new one. A missing file is created empty; anything but a regular file
// is refused. Waits at most `patience` for another holder, so a stuck process
// can delay a write but never hang the program.
class FileLock {
  public:
    explicit FileLock(const std::filesystem::path& path,
                      std::chrono::milliseconds patience = std::chrono::seconds(10));
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace kit
