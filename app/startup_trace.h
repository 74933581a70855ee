// Where start-up time goes, on request. With AMORIST_STARTUP_TRACE=1 in the
// environment each phase prints its name, wall-clock and CPU milliseconds on
// stderr as it ends; otherwise every call costs one test of a flag.
//
// A new phase is one line around the work: a Phase, ended by its scope or by
// End(), or Timed(name, work). Phases nest; an inner one prints indented,
// before the phase that holds it. Work done in many small pieces (fitting
// texts into their boxes) is summed with a Tally and printed once, after the
// first paint.
#pragma once

#include <cstdint>

class QWidget;

namespace amorist::startup_trace {

bool Enabled();

// Wall-clock and CPU time (every thread of the process), in nanoseconds.
struct Stamp {
    std::int64_t wall = 0;
    std::int64_t cpu = 0;
};

// Ends, and prints, when it goes out of scope or at End(), whichever is first.
class Phase {
public:
    explicit Phase(const char* name);
    ~Phase() { End(); }
    Phase(const Phase&) = delete;
    Phase& operator=(const Phase&) = delete;

    void End();

private:
    const char* name_;
    Stamp start_;
    bool running_ = false;
};

// Runs work as one phase and hands back what it returns.
template <typename Work>
decltype(auto) Timed(const char* name, Work&& work) {
    const Phase phase(name);
    return work();
}

// Adds its span to the total kept under its name (a string literal).
class Tally {
public:
    explicit Tally(const char* name);
    ~Tally();
    Tally(const Tally&) = delete;
    Tally& operator=(const Tally&) = delete;

private:
    const char* name_;
    Stamp start_;
};

// Call right after showing window: prints the wait for the window system to
// expose it and its first paint up to the hand-over of the frame, then the
// tallies and the totals since the process began.
void WatchFirstPaint(QWidget* window);

}  // namespace amorist::startup_trace
