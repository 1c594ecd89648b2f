#include "kit/desktop/player_folder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "kit/testing/scoped_env.h"

namespace {

namespace fs = std::filesystem;

QString inTestFolder(const char* name) {
    return QString::fromStdString((fs::current_path() / name).string());
}

TEST(PlayerFolder, IsFallpackInXdgDataHomeElseInTheHomeFoldersLocalShare) {
    {
        kit::testing::ScopedEnv data("XDG_DATA_HOME", inTestFolder("data").toStdString());
        EXPECT_EQ(kit::playerDataFolder(), inTestFolder("data") + "/fallpack");
    }
    kit::testing::ScopedEnv home("HOME", inTestFolder("home").toStdString());
    kit::testing::ScopedEnv data("XDG_DATA_HOME", "");
    EXPECT_EQ(kit::playerDataFolder(), inTestFolder("home") + "/.local/share/fallpack");
}

TEST(PlayerFolder, IsMadeOnFirstUseAndBecomesTheCurrentDirectory) {
    const QString folder = inTestFolder("data") + "/fallpack";
    ASSERT_TRUE(kit::enterFolder(folder));
    EXPECT_EQ(QDir::currentPath(), folder);
    // A second start finds it there.
    ASSERT_TRUE(QDir::setCurrent(inTestFolder(".")));
    EXPECT_TRUE(kit::enterFolder(folder));
    EXPECT_EQ(QDir::currentPath(), folder);
}

TEST(PlayerFolder, AFolderThatCannotBeMadeLeavesTheCurrentDirectory) {
    const QString before = QDir::currentPath();
    { std::ofstream(fs::current_path() / "file") << "x"; }
    EXPECT_FALSE(kit::enterFolder(inTestFolder("file") + "/fallpack"));
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST(PlayerFolder, AProgramBesideItsFilesStaysWhereItWasStarted) {
    const QString before = QDir::currentPath();
    kit::testing::ScopedEnv data("XDG_DATA_HOME", inTestFolder("data").toStdString());
    EXPECT_TRUE(kit::enterPlayerFolder());
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_FALSE(QDir(inTestFolder("data")).exists());
}

}  // namespace
