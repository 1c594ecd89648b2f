#pragma once

#include <filesystem>

namespace kit::testing {

// Gives one test process a world of its own: a fresh temporary folder as the
// current directory and a fresh XDG_CONFIG_HOME inside it, so that no test
// reads or writes the player's real settings or high scores. The folder is
// removed again when the object is destroyed.
class IsolatedFolder {
  public:
    IsolatedFolder();
    ~IsolatedFolder();
    IsolatedFolder(const IsolatedFolder&) = delete;
    IsolatedFolder& operator=(const IsolatedFolder&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path configHome() const { return root_ / "config"; }
    std::filesystem::path workFolder() const { return root_ / "work"; }

  private:
    std::filesystem::path root_;
    std::filesystem::path previousCwd_;
};

// Gives the test process the player's locale of its own: LANG from the
// argument --locale=NAME (C.UTF-8 without one), with LANGUAGE, LC_ALL and
// LC_MESSAGES unset, whatever the shell that runs the tests has set. Called by
// the test entry points before the application object exists.
void UseLocaleFromArguments(int argc, char** argv);

}  // namespace kit::testing
