// Ends the test process with a message when a step blocks, so a hang shows
// up as a failed test rather than a runner that never finishes. The bound is
// far above anything a working step takes; it measures nothing.
#pragma once

#include <signal.h>
#include <unistd.h>

namespace amorist::testing {

class HangGuard {
public:
    explicit HangGuard(unsigned seconds = 20) {
        ::signal(SIGALRM, [](int) {
            constexpr char kMessage[] = "\nFAILED: a step blocked (hang guard)\n";
            (void)!::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
            ::_exit(1);
        });
        ::alarm(seconds);
    }
    ~HangGuard() { ::alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};

}  // namespace amorist::testing
