#include "kit/testing/isolation.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace kit::testing {

IsolatedFolder::IsolatedFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "fallpack-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a test folder");
    root_ = pattern;
    std::filesystem::create_directories(configHome());
    std::filesystem::create_directories(workFolder());
    ::setenv("XDG_CONFIG_HOME", configHome().c_str(), 1);
    previousCwd_ = std::filesystem::current_path();
    std::filesystem::current_path(workFolder());
}

IsolatedFolder::~IsolatedFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previousCwd_, ignored);
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
}

void UseLocaleFromArguments(int argc, char** argv) {
    const std::string_view option = "--locale=";
    std::string locale = "C.UTF-8";
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with(option))
            locale = argument.substr(option.size());
    }
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        ::unsetenv(name);
    ::setenv("LANG", locale.c_str(), 1);
}

}  // namespace kit::testing
