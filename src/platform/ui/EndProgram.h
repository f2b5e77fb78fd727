#pragma once

namespace platform::ui {

// The exit code of a program ended by EndProgram: 0 when the user chose to end it, and another when it
// ends on a fatal error (a start that cannot go on), so that a script or a desktop launcher sees it.
constexpr int ProgramEndedExitCode = 0;
constexpr int FatalErrorExitCode = 1;

// Ends the program at once, skipping every unload (std::exit: leaving Qt's loop would only leave the
// innermost modal loop, and does nothing before the main loop runs). Pointer and test script are told
// first.
[[noreturn]] void EndProgram(int exitCode = ProgramEndedExitCode);

}  // namespace platform::ui
