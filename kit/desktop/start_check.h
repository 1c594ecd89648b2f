#pragma once

#include <QStringList>

class QWidget;

namespace kit {

// The environment variable that asks for the start check.
inline constexpr const char* kStartCheckVariable = "FALLPACK_START_CHECK";

// The check that the install tests run on an installed or unpacked program;
// players never ask for it. With FALLPACK_START_CHECK set in the environment,
// once the event loop runs the program writes on standard output its program
// folder, its current directory and each of `files` with "found" or "missing"
// (names in the program folder, or resource paths such as
// ":/orchard/help/index.html"), chooses Best in `mainWindow` (which writes the
// high-score file in the current directory when there is none), closes every
// window that opens on the way, and quits: exit status 0 when every file was
// found and the Best command was there.
void startCheckIfAsked(QWidget& mainWindow, const QStringList& files);

// Closes a modal window the way a player would: its Ok button ("Button1") when
// it has one, else its close box.
void dismissModal(QWidget* modal);

}  // namespace kit
