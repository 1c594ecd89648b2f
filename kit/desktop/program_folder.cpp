#include "kit/desktop/program_folder.h"

#include <system_error>

namespace kit {
namespace {

// The music tracks and wave effects of the three programs end in these.
bool holdsMediaFiles(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path extension = it->path().extension();
        if ((extension == ".mid" || extension == ".wav") && it->is_regular_file(error))
            return true;
    }
    return false;
}

}  // namespace

std::filesystem::path executableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error);
    return exe.parent_path();
}

std::filesystem::path installedDataPath() {
    return FALLPACK_DATA_FROM_PROGRAM;
}

std::filesystem::path programFolderOf(const std::filesystem::path& executable) {
    if (holdsMediaFiles(executable))
        return executable;
    std::error_code error;
    const std::filesystem::path installed = (executable / installedDataPath()).lexically_normal();
    if (std::filesystem::is_directory(installed, error))
        return installed;
    return executable;
}

std::filesystem::path programFolder() {
    // Looked up once: the answer cannot change while the program runs.
    static const std::filesystem::path folder = programFolderOf(executableFolder());
    return folder;
}

bool runsInstalled() {
    return programFolder() != executableFolder();
}

}  // namespace kit
