#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kit/settings/profile.h"
#include "kit/testing/file_bytes.h"
#include "kit/testing/file_size_limit.h"

namespace {

using kit::testing::readBytes;
using kit::testing::writeBytes;

std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class ProfileTest : public ::testing::Test {
  protected:
    std::filesystem::path path = std::filesystem::current_path() / "Fallpack.ini";
    kit::ProfileFile file{path};
};

TEST(SettingsFilePath, FollowsXdgConfigHomeElseHomeConfig) {
    ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(kit::settingsFilePath(), "/somewhere/config/Fallpack.ini");
    ::setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
    ::setenv("HOME", "/home/player", 1);
    EXPECT_EQ(kit::settingsFilePath(), "/home/player/.config/Fallpack.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(kit::settingsFilePath(), "/home/player/.config/Fallpack.ini");
}

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(file.readInt("S", "K", 42), 42);
    EXPECT_EQ(file.readString("S", "K", "dflt"), "dflt");
    writeBytes(path, "[Other]\nK=1\n[S]\nJ=2\n");
    EXPECT_EQ(file.readInt("S", "K", 42), 42);
    EXPECT_EQ(file.readInt("None", "K", 7), 7);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".lock"));
}

TEST_F(ProfileTest, IntegersReadLikeThePlatform) {
    writeBytes(path,
               "[S]\nplain=1234\nneg=-17\nplus=+5\nlead=  12abc\nword=abc\nempty=\n"
               "wrap=4294967297\nbig=66536\n");
    EXPECT_EQ(file.readInt("S", "plain", 0), 1234);
    EXPECT_EQ(file.readInt("S", "neg", 0), -17);
    EXPECT_EQ(file.readInt("S", "plus", 0), 5);
    EXPECT_EQ(file.readInt("S", "lead", 0), 12);
    EXPECT_EQ(file.readInt("S", "word", 9), 0);
    EXPECT_EQ(file.readInt("S", "empty", 9), 9);
    EXPECT_EQ(file.readInt("S", "wrap", 0), 1);
    EXPECT_EQ(file.readInt("S", "big", 0), 66536);
}

TEST_F(ProfileTest, NamesIgnoreLetterCaseAndFirstOccurrenceWins) {
    writeBytes(path,
               "[freeware PILLORA]\r\n  pillora_sndname1 = Boom.wav  \r\nPILLORA_SNDNAME1=late\r\n"
               "[Freeware Pillora]\nx=second section\n");
    EXPECT_EQ(file.readString("Freeware Pillora", "Pillora_SndName1", ""), "Boom.wav");
    EXPECT_EQ(file.readString("Freeware Pillora", "x", "none"), "none");
}

TEST_F(ProfileTest, TextsAreCutToTheirBufferWithoutSplittingCharacters) {
    const std::string long300(300, 'a');
    writeBytes(path, "[S]\nlong=" + long300 + "\nname=" + std::string(78, 'n') +
                         "\xC3\xA9x\nquoted=\"  spaced  \"\n");
    EXPECT_EQ(file.readString("S", "long", ""), std::string(254, 'a'));
    // 78 + the two bytes of 'é' would be 80: the character is left out whole.
    EXPECT_EQ(file.readString("S", "name", "", kit::kProfileNameBuffer), std::string(78, 'n'));
    EXPECT_EQ(file.readString("S", "quoted", ""), "  spaced  ");
    EXPECT_EQ(file.readString("S", "missing", long300), std::string(254, 'a'));
}

TEST_F(ProfileTest, WriteChangesOneKeyAndKeepsEveryOtherLine) {
    const std::string before =
        "; a comment\r\n[Other]\r\nKeep=me\r\n\r\n[S]\r\nA=1\r\nunknown=stays\r\nB=2\r\n\r\n"
        "[Third]\r\nZ=9";
    writeBytes(path, before);
    ASSERT_TRUE(file.writeString("s", "a", "changed"));
    ASSERT_TRUE(file.writeString("S", "New", "x"));
    ASSERT_TRUE(file.writeString("Fresh", "K", "v"));
    EXPECT_EQ(
        readBytes(path),
        "; a comment\r\n[Other]\r\nKeep=me\r\n\r\n[S]\r\na=changed\r\nunknown=stays\r\nB=2\r\n"
        "New=x\r\n\r\n[Third]\r\nZ=9\r\n\r\n[Fresh]\r\nK=v\r\n");
}

TEST_F(ProfileTest, WriteCreatesFolderFileAndSection) {
    const auto nested = std::filesystem::current_path() / "a" / "b" / "Fallpack.ini";
    kit::ProfileFile fresh(nested);
    ASSERT_TRUE(fresh.writeStrings("S", {{"One", "1"}, {"Two", "line\nbreak"}}));
    EXPECT_EQ(readBytes(nested), "[S]\nOne=1\nTwo=line break\n");
    EXPECT_EQ(fresh.readInt("S", "One", 0), 1);
}

TEST_F(ProfileTest, HostileBytesNeverCrashAndAreKept) {
    std::string hostile = "[S]\nK=5\n";
    hostile += std::string(200000, 'x') + "\n";
    hostile += std::string("bin\0ary=\xff\xfe\n", 11);
    hostile += "[S2\nno-equals-line\n=empty key\n[]\n";
    writeBytes(path, hostile);
    EXPECT_EQ(file.readInt("S", "K", 0), 5);
    ASSERT_TRUE(file.writeString("S", "K", "6"));
    std::string expected = hostile;
    expected.replace(expected.find("K=5"), 3, "K=6");
    EXPECT_EQ(readBytes(path), expected);
}

TEST_F(ProfileTest, AnUnreadableFileIsNeverReplaced) {
    std::filesystem::create_directory(path);  // a folder where the file should be
    EXPECT_EQ(file.readInt("S", "K", 3), 3);
    EXPECT_FALSE(file.writeString("S", "K", "1"));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(ProfileTest, AFullDiskLeavesTheOldFileWhole) {
    const std::string before = "[S]\nK=1\n" + std::string(4000, ';') + "\n";
    writeBytes(path, before);
    {
        kit::testing::FileSizeLimit full(1000);
        EXPECT_FALSE(file.writeString("S", "K", "2"));
    }
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folderEntries(path.parent_path()), std::vector<std::string>{"Fallpack.ini"})
        << "no temporary and no lock file remain";
}

TEST_F(ProfileTest, AReadOnlyFileIsLeftByteForByte) {
    const std::string before = "[S]\nK=1\n";
    for (auto mode : {std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                          std::filesystem::perms::others_read,
                      std::filesystem::perms::none}) {
        writeBytes(path, before);
        std::filesystem::permissions(path, mode);
        EXPECT_FALSE(file.writeString("S", "K", "2"));
        EXPECT_FALSE(file.writeStrings("New", {{"A", "1"}}));
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        EXPECT_EQ(readBytes(path), before);
        std::filesystem::permissions(path, mode);
        EXPECT_EQ(std::filesystem::status(path).permissions(), mode) << "nothing replaced it";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
}

TEST_F(ProfileTest, APipeInPlaceOfTheFileReadsAsMissingAndIsNeverWaitedOn) {
    ::alarm(20);  // a read that waits for a writer would otherwise hang the test
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    EXPECT_EQ(file.readInt("S", "K", 7), 7);
    EXPECT_EQ(file.readString("S", "K", "dflt"), "dflt");
    EXPECT_FALSE(file.writeString("S", "K", "1"));
    EXPECT_TRUE(std::filesystem::is_fifo(path));
    ::alarm(0);
}

TEST_F(ProfileTest, AFileCutBetweenCrAndLfKeepsItsLastValue) {
    // The last line's CR is its line end, before and after another key is written.
    const std::string cut = "[S]\r\nA=1\r\nSnd=Pillora2.wav\r";
    writeBytes(path, cut);
    EXPECT_EQ(file.readString("S", "Snd", ""), "Pillora2.wav");
    ASSERT_TRUE(file.writeString("S", "B", "2"));
    EXPECT_EQ(file.readString("S", "Snd", ""), "Pillora2.wav");
    EXPECT_EQ(readBytes(path), "[S]\r\nA=1\r\nSnd=Pillora2.wav\r\nB=2\r\n");
    writeBytes(path, cut);
    ASSERT_TRUE(file.writeString("Other", "C", "3"));
    EXPECT_EQ(file.readString("S", "Snd", ""), "Pillora2.wav");
    EXPECT_EQ(file.readInt("Other", "C", 0), 3);
    writeBytes(path, cut);
    ASSERT_TRUE(file.writeString("S", "Snd", "Boom.wav"));
    EXPECT_EQ(readBytes(path), "[S]\r\nA=1\r\nSnd=Boom.wav\r");
}

TEST_F(ProfileTest, AKilledWritersTemporaryIsRemovedByTheNextWrite) {
    writeBytes(path, "[S]\nK=1\n");
    writeBytes(".Fallpack.ini.aB3dE9", std::string(1000, 'x'));  // its writer is gone
    writeBytes(".Fallpack.ini.Live01", "being written");
    writeBytes(".Fallpack.ini.bak", "not ours");
    writeBytes(".Other.ini.Zz9Zz9", "another file's");
    // A writer that is still at work holds a lock on its temporary.
    const int live = ::open(".Fallpack.ini.Live01", O_RDONLY);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    ASSERT_TRUE(file.writeString("S", "K", "2"));
    ::close(live);
    EXPECT_EQ(folderEntries("."),
              (std::vector<std::string>{".Fallpack.ini.Live01", ".Fallpack.ini.bak",
                                        ".Other.ini.Zz9Zz9", "Fallpack.ini"}));
    EXPECT_EQ(file.readInt("S", "K", 0), 2);
}

TEST_F(ProfileTest, ConcurrentWritersNeverLoseEachOthersKeys) {
    constexpr int kWriters = 3;
    constexpr int kWrites = 40;
    writeBytes(path, "[Shared]\nForeign=kept\n");
    pid_t children[kWriters];
    for (int w = 0; w < kWriters; ++w) {
        children[w] = ::fork();
        ASSERT_GE(children[w], 0);
        if (children[w] == 0) {
            kit::ProfileFile own(path);
            bool ok = true;
            for (int i = 0; i < kWrites; ++i) {
                ok = own.writeString("Shared", "Writer" + std::to_string(w), std::to_string(i)) &&
                     ok;
                ok = own.readString("Shared", "Foreign", "") == "kept" && ok;
            }
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int w = 0; w < kWriters; ++w)
        EXPECT_EQ(file.readInt("Shared", "Writer" + std::to_string(w), -1), kWrites - 1);
    EXPECT_EQ(file.readString("Shared", "Foreign", ""), "kept");
}

}  // namespace
