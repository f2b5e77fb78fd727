#pragma once

namespace platform::ui {

// The hourglass pointer, set and reset absolutely as the program does (never stacked): any number of
// sets is undone by one reset.
void setHourglass();
void resetPointer();
bool hourglassShown();

// Sets the hourglass for the life of a handler and resets it on every way out.
class HourglassGuard {
  public:
    HourglassGuard() { setHourglass(); }
    ~HourglassGuard() { resetPointer(); }
    HourglassGuard(const HourglassGuard&) = delete;
    HourglassGuard& operator=(const HourglassGuard&) = delete;
};

}  // namespace platform::ui
