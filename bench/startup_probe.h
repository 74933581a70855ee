// The parts of the start-up benchmark that need neither an X server nor a
// child process: reading what Xvfb and /proc report, deciding whether a
// window has been painted, and summing up the runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace amorist::bench {

// The first line a helper wrote, once it has written all of it.
std::optional<std::string> FirstLine(std::string_view written);

// The display number in the line Xvfb writes to its -displayfd descriptor ("12").
std::optional<int> DisplayNumber(const std::optional<std::string>& line);

// VmHWM, the peak resident set size in KiB, from the text of /proc/<pid>/status.
std::optional<long> PeakResidentKiB(std::string_view procStatus);

// True once any pixel of a 32-bit ZPixmap row differs from the empty root
// window behind it. Only the colour bytes count: the fourth byte is padding.
bool DiffersFromBackground(std::span<const std::uint8_t> pixels, std::uint32_t background);

// The parent's environment with each name in overrides set to its value
// (added when absent, replaced when present), as NAME=value strings.
std::vector<std::string> ChildEnvironment(
    const char* const* parent, const std::vector<std::pair<std::string, std::string>>& overrides);

// Nanoseconds a thread has run, the first field of /proc/<pid>/task/<tid>/schedstat.
std::optional<long long> RunNanoseconds(std::string_view schedstat);

// A private folder made under parent with the named folders inside, and
// removed with everything in it when it goes. When any of it cannot be made,
// path() is empty and nothing is left behind.
class TemporaryFolder {
public:
    TemporaryFolder(const std::filesystem::path& parent, std::initializer_list<const char*> inside);
    ~TemporaryFolder();
    TemporaryFolder(TemporaryFolder&& other) noexcept;
    TemporaryFolder& operator=(TemporaryFolder&&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The middle value; the mean of the two middle values for an even count.
double Median(std::vector<double> values);

// One program's starts.
struct StartupSample {
    std::vector<double> milliseconds;     // process start to first paint
    std::vector<double> cpuMilliseconds;  // CPU time of all its threads by then
    std::vector<double> peakKiB;          // VmHWM at that moment
};

struct Medians {
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    double MiB = 0;
};

Medians MediansOf(const StartupSample& sample);

struct ReportRow {
    std::string name;
    Medians medians;
};

// At most these times the reference for time to paint and peak memory.
struct Goal {
    double time;
    double memory;
};

// The table of medians with every row's ratios to the first (the reference),
// and whether the row named `judged` meets the goal.
std::string Report(const std::vector<ReportRow>& rows, std::string_view judged, Goal goal,
                   int runs);

}  // namespace amorist::bench
