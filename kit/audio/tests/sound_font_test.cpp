#include "kit/audio/sound_font.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// What stands at one place of the scratch tree.
enum class Kind { File, Folder, Pipe, LinkToFile, DanglingLink };

struct Entry {
    std::string path;  // relative to the scratch tree, as the places are to the root
    Kind kind = Kind::File;
};

void make(const fs::path& root, const Entry& entry) {
    const fs::path path = root / entry.path;
    fs::create_directories(path.parent_path());
    switch (entry.kind) {
        case Kind::File:
            std::ofstream(path) << "not really a soundfont";
            break;
        case Kind::Folder:
            fs::create_directory(path);
            break;
        case Kind::Pipe:
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            break;
        case Kind::LinkToFile:
            std::ofstream(path.string() + ".target") << "linked";
            fs::create_symlink(path.filename().string() + ".target", path);
            break;
        case Kind::DanglingLink:
            fs::create_symlink("gone.sf2", path);
            break;
    }
}

TEST(FindSoundFont, TakesTheFirstUsableFileInItsOrder) {
    const std::string fedoraDefault = "usr/share/soundfonts/default.sf2";
    const std::string debianDefault = "usr/share/sounds/sf2/default-GM.sf2";
    const std::string debianFluid = "usr/share/sounds/sf2/FluidR3_GM.sf2";
    const std::string debianTim = "usr/share/sounds/sf2/TimGM6mb.sf2";
    const std::string fedoraFluid = "usr/share/soundfonts/FluidR3_GM.sf2";
    const std::string archGeneralUser = "usr/share/soundfonts/GeneralUser.sf2";
    const std::string fluidGs = "usr/share/soundfonts/FluidR3_GS.sf2";
    struct Row {
        const char* what;
        std::optional<std::string> sdlSoundFonts;  // SDL_SOUNDFONTS, when it is set
        std::vector<Entry> tree;
        std::optional<std::string> found;  // relative to the scratch tree
    };
    const std::vector<Row> rows = {
        {"nothing anywhere", std::nullopt, {}, std::nullopt},
        {"the variable first", "@/mine.sf2", {{"mine.sf2"}, {fedoraDefault}}, "mine.sf2"},
        {"its first entry that exists",
         ";@/missing.sf2;;@/second.sf2;@/third.sf2",
         {{"second.sf2"}, {"third.sf2"}},
         "second.sf2"},
        {"a variable naming nothing there", "@/missing.sf2", {{debianTim}}, debianTim},
        {"the system default before Debian's",
         std::nullopt,
         {{debianDefault}, {fedoraDefault}},
         fedoraDefault},
        {"Debian's default before its files",
         std::nullopt,
         {{debianTim}, {debianDefault}},
         debianDefault},
        {"a default that is a link",
         std::nullopt,
         {{fedoraDefault, Kind::LinkToFile}, {debianTim}},
         fedoraDefault},
        {"a dangling default",
         std::nullopt,
         {{fedoraDefault, Kind::DanglingLink}, {debianTim}},
         debianTim},
        {"a folder or a pipe is passed over",
         "@/pipe.sf2",
         {{"pipe.sf2", Kind::Pipe},
          {fedoraDefault, Kind::Folder},
          {debianDefault, Kind::Pipe},
          {fedoraFluid}},
         fedoraFluid},
        {"Debian's Fluid before TimGM6mb", std::nullopt, {{debianTim}, {debianFluid}}, debianFluid},
        {"General MIDI before GS", std::nullopt, {{fluidGs}, {archGeneralUser}}, archGeneralUser},
        {"only a GS set", std::nullopt, {{fluidGs}}, fluidGs},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        // Each row in a tree of its own, under the test's fresh current directory.
        const fs::path root = fs::absolute("row" + std::to_string(i));
        fs::create_directories(root);
        for (const Entry& entry : row.tree)
            make(root, entry);
        // The variable's paths are the player's own, here inside the tree: "@/" stands
        // for the tree's root.
        std::string variable = row.sdlSoundFonts.value_or("");
        for (auto at = variable.find("@/"); at != std::string::npos; at = variable.find("@/"))
            variable.replace(at, 1, root.string());
        const auto found = kit::findSoundFont(row.sdlSoundFonts ? variable.c_str() : nullptr, root);
        ASSERT_EQ(found.has_value(), row.found.has_value()) << row.what;
        if (found) {
            EXPECT_EQ(*found, root / *row.found) << row.what;
        }
    }
}

TEST(FindSoundFont, EveryPlaceIsAbsolute) {
    for (const char* place : kit::kSoundFontPlaces)
        EXPECT_TRUE(fs::path(place).is_absolute()) << place;
}

}  // namespace
