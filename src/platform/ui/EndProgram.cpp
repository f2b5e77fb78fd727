#include "platform/ui/EndProgram.h"

#include <cstdio>
#include <cstdlib>

#include "platform/ui/Hourglass.h"
#include "platform/ui/UiScript.h"

namespace platform::ui {

void EndProgram(int exitCode) {
    if (UiScript* script = uiScript()) script->programEnding();
    resetPointer();
    std::fflush(nullptr);
    std::exit(exitCode);
}

}  // namespace platform::ui
