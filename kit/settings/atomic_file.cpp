#include "kit/settings/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kit {
namespace {

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

}  // namespace

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
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        setError(error, "cannot create a file in " + folder.string());
        return false;
    }
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        mode = old.st_mode & 07777;
    const bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (!ok) {
        setError(error, "cannot write " + target.string());
        ::close(fd);
        ::unlink(pattern.c_str());
        return false;
    }
    if (::close(fd) != 0) {
        setError(error, "cannot write " + target.string());
        ::unlink(pattern.c_str());
        return false;
    }
    if (::rename(pattern.c_str(), target.c_str()) != 0) {
        setError(error, "cannot replace " + target.string());
        ::unlink(pattern.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string* error) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, "cannot open " + path.string());
        return false;
    }
    struct stat info {};
    const bool statted = ::fstat(fd, &info) == 0;
    if (!statted || !S_ISREG(info.st_mode)) {
        if (statted)
            errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        setError(error, "cannot read " + path.string());
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

FileLock::FileLock(const std::filesystem::path& path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return;
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace kit
