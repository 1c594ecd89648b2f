#include "kit/files/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace kit {
namespace {

// mkostemp replaces these six characters with letters and digits.
constexpr std::string_view kTemporarySuffix = "XXXXXX";

void setError(std::string* error, const std::string& what) {
    if (error)
        *error = what + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool lockNow(int fd) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// "." + the file's name + "." + what mkostemp put in place of kTemporarySuffix.
std::string temporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".";
}

bool isTemporaryName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kTemporarySuffix.size() || !name.starts_with(prefix))
        return false;
    for (char c : name.substr(prefix.size())) {
        const bool letterOrDigit =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit)
            return false;
    }
    return true;
}

// Removes the temporaries of `target` that no living writer holds: a writer
// locks its temporary from creation to rename, and the lock dies with it.
void removeStaleTemporaries(const std::filesystem::path& folder,
                            const std::filesystem::path& target) {
    const std::string prefix = temporaryPrefix(target);
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path candidate = it->path();
        if (!isTemporaryName(candidate.filename().string(), prefix))
            continue;
        struct stat named {};
        if (::lstat(candidate.c_str(), &named) != 0 || !S_ISREG(named.st_mode) ||
            named.st_uid != ::geteuid())
            continue;
        const int fd = ::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat held {};
        if (lockNow(fd) && ::fstat(fd, &held) == 0 && sameFile(held, named))
            ::unlink(candidate.c_str());
        ::close(fd);
    }
}

// Creates a temporary beside the target and locks it. A cleaner that took the
// lock first has unlinked it: then the next name is tried. Where the file
// system has no locks, the temporary goes unprotected.
int createLockedTemporary(std::string& name, const std::string& pattern) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        name = pattern;
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        struct stat info {};
        if (::flock(fd, LOCK_EX) != 0 || (::fstat(fd, &info) == 0 && info.st_nlink > 0))
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

void pause(std::chrono::milliseconds length) {
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(length);
    timespec request{static_cast<time_t>(nanoseconds.count() / 1000000000),
                     static_cast<long>(nanoseconds.count() % 1000000000)};
    while (::nanosleep(&request, &request) != 0 && errno == EINTR) {
    }
}

}  // namespace

bool isWriteProtected(const std::filesystem::path& path, std::string* error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        if (error)
            *error = path.string() + ": the file is read-only";
        return true;
    }
    if (::access(path.c_str(), W_OK) != 0) {
        setError(error, path.string());
        return true;
    }
    return false;
}

bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::string* error) {
    std::filesystem::path target = path;
    // Replace what a symbolic link points at, not the link.
    std::error_code ignored;
    if (std::filesystem::is_symlink(target, ignored)) {
        const auto resolved = std::filesystem::canonical(target, ignored);
        if (!ignored)
            target = resolved;
    }
    if (isWriteProtected(target, error))
        return false;
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    removeStaleTemporaries(folder, target);
    std::string temporary;
    const int fd = createLockedTemporary(
        temporary, (folder / (temporaryPrefix(target) + std::string(kTemporarySuffix))).string());
    if (fd < 0) {
        setError(error, "cannot create a file in " + folder.string());
        return false;
    }
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        mode = old.st_mode & 07777;
    const bool written = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    // Renamed while still locked, so that no cleaner takes it for a dead writer's.
    const bool replaced = written && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!replaced) {
        setError(error, (written ? "cannot replace " : "cannot write ") + target.string());
        ::unlink(temporary.c_str());
        ::close(fd);
        return false;
    }
    // The bytes were synced before the rename, so a late close cannot lose them.
    ::close(fd);
    syncFolder(folder);
    return true;
}

bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string* error) {
    bytes.clear();
    // Without O_NONBLOCK, opening a named pipe waits for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error, "cannot open " + path.string());
        return false;
    }
    struct stat info {};
    const bool statted = ::fstat(fd, &info) == 0;
    if (!statted || !S_ISREG(info.st_mode)) {
        if (!statted)
            setError(error, "cannot read " + path.string());
        else if (error)
            *error = path.string() + ": not a regular file";
        ::close(fd);
        return false;
    }
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            setError(error, "cannot read " + path.string());
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return true;
}

FileLock::FileLock(const std::filesystem::path& path, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    auto wait = std::chrono::milliseconds(1);
    for (;;) {
        // Read access is enough for the lock; write access only helps network
        // file systems, which lock exclusively only what is open for writing.
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
            fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return;
        struct stat held {};
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            return;
        }
        if (lockNow(fd)) {
            struct stat named {};
            if (::stat(path.c_str(), &named) == 0 && sameFile(named, held)) {
                fd_ = fd;
                return;
            }
            // Replaced (or removed) while we waited: lock what the name stands for now.
            ::close(fd);
            continue;
        }
        const int lockError = errno;
        ::close(fd);
        if (lockError != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            return;
        pause(wait);
        wait = std::min(wait * 2, std::chrono::milliseconds(50));
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace kit
