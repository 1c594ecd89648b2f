#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace kit::testing {

// Sends everything written to the process's standard error, by us or by any
// library below us, into a file while it lives; `text()` reads what came.
class StderrCapture {
  public:
    explicit StderrCapture(std::string file = "stderr.txt") : file_(std::move(file)) {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int fd = ::open(file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0) {
            ::dup2(fd, STDERR_FILENO);
            ::close(fd);
        }
    }
    ~StderrCapture() { restore(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Puts standard error back; what was written stays readable.
    void restore() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
    }

    std::string text() const {
        std::fflush(stderr);
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    int lines() const {
        const std::string all = text();
        int count = 0;
        for (char c : all)
            count += c == '\n';
        return count + (!all.empty() && all.back() != '\n');
    }

  private:
    std::string file_;
    int saved_ = -1;
};

}  // namespace kit::testing
