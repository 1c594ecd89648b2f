#include "kit/desktop/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// An installation under a prefix in the test's own folder: the executable's
// folder and the data folder at the configured distance from it.
struct Layout {
    fs::path bin = fs::current_path() / "prefix" / "bin";
    fs::path data = (bin / kit::installedDataPath()).lexically_normal();
};

void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

TEST(ProgramFolder, AProgramWithItsMusicOrWavesBesideItUsesItsOwnFolder) {
    Layout layout;
    fs::create_directories(layout.data);
    touch(layout.bin / "BRIKO_#1.mid");
    EXPECT_EQ(kit::programFolderOf(layout.bin), layout.bin);
    fs::remove(layout.bin / "BRIKO_#1.mid");
    touch(layout.bin / "Pillora2.wav");
    EXPECT_EQ(kit::programFolderOf(layout.bin), layout.bin);
}

TEST(ProgramFolder, AnInstalledProgramUsesTheDataFolderWhereverThePrefixIs) {
    Layout layout;
    touch(layout.bin / "orchard");
    touch(layout.data / "Orchard1.wav");
    EXPECT_EQ(kit::programFolderOf(layout.bin), layout.data);
    EXPECT_EQ(layout.data.filename(), "fallpack");

    fs::rename(fs::current_path() / "prefix", fs::current_path() / "moved");
    const fs::path moved = fs::current_path() / "moved" / "bin";
    EXPECT_EQ(kit::programFolderOf(moved), (moved / kit::installedDataPath()).lexically_normal());
}

TEST(ProgramFolder, WithNoFilesAnywhereTheProgramKeepsItsOwnFolder) {
    // Other files beside it, or a folder named like music, do not count.
    Layout layout;
    touch(layout.bin / "orchard");
    touch(layout.bin / "readme.txt");
    fs::create_directories(layout.bin / "tunes.mid");
    EXPECT_EQ(kit::programFolderOf(layout.bin), layout.bin);
    EXPECT_EQ(kit::programFolderOf(fs::current_path() / "nowhere"), fs::current_path() / "nowhere");
}

TEST(ProgramFolder, TheTestsRunBesideTheirFilesSoNotAsInstalled) {
    EXPECT_EQ(kit::programFolder(), kit::executableFolder());
    EXPECT_FALSE(kit::runsInstalled());
}

}  // namespace
