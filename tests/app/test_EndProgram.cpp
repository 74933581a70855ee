// Ending a run: every window unloaded, the process ended once with status 0.
#include <gtest/gtest.h>

#include <functional>

#include "app/session.h"
#include "tests/support/fake_platform.h"

namespace amorist {
namespace {

using testing::FakePlatform;

class RecordingWindows final : public WindowSet {
public:
    void UnloadAll() override {
        ++unloads;
        if (whileUnloading)
            whileUnloading();
    }
    int unloads = 0;
    std::function<void()> whileUnloading;
};

TEST(EndProgram, UnloadsTheWindowsThenEndsWithStatusZero) {
    FakePlatform platform;
    Session session(platform);
    RecordingWindows windows;
    session.SetWindows(&windows);
    windows.whileUnloading = [&] { EXPECT_TRUE(platform.endStatuses.empty()); };

    EndProgram(session);

    EXPECT_EQ(windows.unloads, 1);
    EXPECT_EQ(platform.endStatuses, std::vector<int>{0});
    EXPECT_TRUE(session.isEnding());
}

TEST(EndProgram, AnUnloadHandlerCallingItAgainDoesNotEndTwice) {
    FakePlatform platform;
    Session session(platform);
    RecordingWindows windows;
    session.SetWindows(&windows);
    windows.whileUnloading = [&] { EndProgram(session); };

    EndProgram(session);
    EndProgram(session);

    EXPECT_EQ(windows.unloads, 1);
    EXPECT_EQ(platform.endStatuses, std::vector<int>{0});
}

TEST(EndProgram, EndsEvenWithNoWindowsRegistered) {
    FakePlatform platform;
    Session session(platform);
    EndProgram(session);
    EXPECT_EQ(platform.endStatuses, std::vector<int>{0});
}

}  // namespace
}  // namespace amorist
