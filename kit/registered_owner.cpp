#include "kit/registered_owner.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace kit {

std::string RegisteredOwnerName() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        if (found->pw_gecos) {
            std::string fullName(found->pw_gecos);
            fullName = fullName.substr(0, fullName.find(','));
            if (!fullName.empty())
                return fullName;
        }
        if (found->pw_name && *found->pw_name)
            return found->pw_name;
    }
    if (const char* login = ::getlogin(); login && *login)
        return login;
    if (const char* user = std::getenv("USER"); user && *user)
        return user;
    return "Player";
}

}  // namespace kit
