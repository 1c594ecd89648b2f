#pragma once

// What the fuzz targets share: a verdict that libFuzzer sees as a crash, and
// a private folder for the files they write.

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "kit/files/atomic_file.h"

namespace kit::testing {

// Aborts, which libFuzzer reports with the input that did it.
inline void fuzzCheck(bool condition) {
    if (!condition)
        abort();
}

// A folder of this process under TMPDIR, made on first use.
inline const std::filesystem::path& fuzzFolder() {
    static const std::filesystem::path made = [] {
        std::string pattern = std::filesystem::temp_directory_path() / "fallpack-fuzz-XXXXXX";
        fuzzCheck(::mkdtemp(pattern.data()) != nullptr);
        return std::filesystem::path(pattern);
    }();
    return made;
}

// The whole of a file that must be readable.
inline std::string fuzzReadFile(const std::filesystem::path& path) {
    std::string bytes;
    fuzzCheck(kit::readWholeFile(path, bytes));
    return bytes;
}

}  // namespace kit::testing
