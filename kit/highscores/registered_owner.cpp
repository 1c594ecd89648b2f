#include "kit/highscores/registered_owner.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace kit {

std::string ownerNameFrom(const char* fullNameField, const char* login) {
    if (fullNameField) {
        std::string fullName(fullNameField);
        fullName = fullName.substr(0, fullName.find(','));
        if (!fullName.empty())
            return fullName;
    }
    if (login && *login)
        return login;
    return "Player";
}

std::string RegisteredOwnerName() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    const char* fullName = nullptr;
    const char* login = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        fullName = found->pw_gecos;
        login = found->pw_name;
    }
    if (!login || !*login)
        login = ::getlogin();
    if (!login || !*login)
        login = std::getenv("USER");
    return ownerNameFrom(fullName, login);
}

}  // namespace kit
