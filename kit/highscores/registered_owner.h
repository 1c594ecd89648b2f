#pragma once

#include <string>

namespace kit {

// The default name of the high-score name box: the user's full name from the
// password database (its first comma-separated field), else the login name,
// else "Player".
std::string RegisteredOwnerName();

// The choice itself, from a password-database full-name field and a login
// name (either may be null).
std::string ownerNameFrom(const char* fullNameField, const char* login);

}  // namespace kit
