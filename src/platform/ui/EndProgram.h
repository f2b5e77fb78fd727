#pragma once

namespace platform::ui {

// The exit code of a program ended by EndProgram.
constexpr int ProgramEndedExitCode = 0;

// Ends the program at once, skipping every unload (std::exit: leaving Qt's loop would only leave the
// innermost modal loop, and does nothing before the main loop runs). Pointer and test script are told
// first.
[[noreturn]] void EndProgram();

}  // namespace platform::ui
