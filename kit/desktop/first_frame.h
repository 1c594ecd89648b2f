#pragma once

class QWidget;

namespace kit {

// The environment variable that asks for the first-frame report: the moment the
// program was started, in nanoseconds of CLOCK_MONOTONIC (tools/startup_time.sh
// sets it through its launcher, just before it runs the program).
inline constexpr const char* kFirstFrameVariable = "FALLPACK_FIRST_FRAME";

// With FALLPACK_FIRST_FRAME set, once `mainWindow` has painted its first frame
// and handed it to the display, the program writes on standard output
//     first-frame <milliseconds since the start> <processor milliseconds> <width>x<height>
// and quits. Players never set it; the start-up measurement does. Call it before
// the window is shown.
void reportFirstFrameIfAsked(QWidget& mainWindow);

}  // namespace kit
