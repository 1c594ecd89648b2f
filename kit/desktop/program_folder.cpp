#include "kit/desktop/program_folder.h"

#include <system_error>

namespace kit {

std::filesystem::path programFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error);
    return exe.parent_path();
}

}  // namespace kit
