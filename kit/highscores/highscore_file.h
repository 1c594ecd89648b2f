#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "kit/highscores/highscore_table.h"
#include "kit/program/program.h"

namespace kit {

// What opening a program's high-score file found.
enum class HighScoreFileState {
    Ready,         // read whole, and may be rewritten
    Created,       // was missing; written afresh with the default table
    CreateFailed,  // was missing and could not be created; the defaults are shown
    Unreadable,    // exists but cannot be read (a folder, a pipe, no rights): left as it was
    Short,         // holds fewer than five records: left as it was, nothing is stored
    ReadOnly,      // read whole, but the file may not be written: nothing is stored
};

// The high-score file of one program in one folder. Unlike a plain rewrite of
// the table, it never destroys an existing file it cannot use: only a missing
// file is created with the defaults. Every write goes to a temporary file in
// the same folder that then replaces the table at once, so a full disk or a
// crash never leaves half a table.
class HighScoreFile {
  public:
    // The file named after `program` in `folder` (the current directory by default).
    explicit HighScoreFile(Program program,
                           std::filesystem::path folder = std::filesystem::current_path());

    const std::filesystem::path& path() const { return path_; }

    // Reads the table, creating a missing file with the defaults.
    HighScoreFileState open();

    // What open() read (or the defaults where it could not read).
    const HighScoreTable& table() const { return table_; }
    HighScoreFileState state() const { return state_; }

    // True when a new entry may be stored: the file was read whole or is new.
    bool storable() const;

    // Replaces the file with `table` (and whatever foreign bytes followed the
    // five records). Returns false when it could not; the old file is then unchanged.
    bool write(const HighScoreTable& table);

    // The system's reason for the last failure, for messages.
    const std::string& lastError() const { return lastError_; }

  private:
    Program program_;
    std::filesystem::path path_;
    HighScoreTable table_;
    HighScoreFileState state_ = HighScoreFileState::Ready;
    std::vector<std::uint8_t> tail_;
    std::string lastError_;
};

}  // namespace kit
