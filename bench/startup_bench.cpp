// How long Amorist takes from exec to its first window painted, the CPU time
// it spends by then and its peak resident memory, side by side with the least
// any Qt program that shows text pays: a window of the main window's size
// holding one label, built with the same flags.
//
//   amorist-startup-bench [--runs N] <amorist> <label window>
//
// Runs on the X server in DISPLAY, whose root must be one flat colour (Xvfb
// -br; bench/startup_bench.sh starts one, with a session bus). Neither program
// cooperates: the clock starts just before fork and stops when a row across
// the middle of the first window mapped no longer shows the root behind it.
// The process is then killed, and wait4 reports its CPU time and peak memory.
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int kDefaultRuns = 20;
constexpr auto kRunTimeout = std::chrono::seconds(30);
// At most these times the label window's time to paint and peak memory.
constexpr double kTimeGoal = 1.15;
constexpr double kMemoryGoal = 1.12;

struct Reply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using ReplyPtr = std::unique_ptr<T, Reply>;

// A private folder, removed with everything in it when it goes.
class Folder {
public:
    explicit Folder(const fs::path& parent) {
        std::string pattern = (parent / "amorist-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

struct Start {
    double milliseconds;
    double cpuMilliseconds;
    double peakMiB;
};

struct Contender {
    const char* name;
    std::string program;
    std::vector<Start> starts;
};

double Milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

class Probe {
public:
    Probe(xcb_connection_t* connection, xcb_window_t root, fs::path config)
        : connection_(connection), root_(root), config_(std::move(config)) {
        const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
        if (const std::vector<std::uint32_t> corner = Row(root_, 0, 1); !corner.empty())
            background_ = corner.front();
    }

    // Whether the root's colour could be read, which tells a painted window from an empty one.
    bool Ready() const { return background_.has_value(); }

    // One start of program up to its first paint; nothing when it never paints.
    std::optional<Start> Run(const std::string& program) {
        // Like a desktop session's /run/user/<uid>: in memory, and no lock left over.
        const Folder runtime(fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path());
        if (runtime.path().empty())
            return std::nullopt;
        Discard();
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
            setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid < 0)
            return std::nullopt;
        const bool painted = WaitForFirstPaint(pid, start);
        const double milliseconds =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        kill(pid, SIGKILL);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        if (!painted) {
            std::fprintf(stderr, "%s ended, or painted no window within %llds\n", program.c_str(),
                         static_cast<long long>(kRunTimeout.count()));
            return std::nullopt;
        }
        return Start{milliseconds, Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime),
                     static_cast<double>(usage.ru_maxrss) / 1024.0};
    }

private:
    // Map events left over from the previous run's windows say nothing about this one.
    void Discard() {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    bool WaitForFirstPaint(pid_t pid, Clock::time_point start) {
        xcb_window_t window = XCB_NONE;
        while (Clock::now() < start + kRunTimeout && xcb_connection_has_error(connection_) == 0) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && window == XCB_NONE &&
                    !map->override_redirect)
                    window = map->window;
                std::free(event);
            }
            if (window != XCB_NONE && Painted(window))
                return true;
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return false;
            pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&wait, 1, 1);
        }
        return false;
    }

    // The row through the middle of the window, where both programs paint
    // something other than the root's colour.
    bool Painted(xcb_window_t window) {
        const ReplyPtr<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
        if (!geometry || geometry->width == 0 || geometry->height == 0)
            return false;
        const std::vector<std::uint32_t> row =
            Row(window, static_cast<std::int16_t>(geometry->height / 2), geometry->width);
        return std::any_of(row.begin(), row.end(),
                           [this](std::uint32_t pixel) { return pixel != background_; });
    }

    // The colours of a row of pixels; empty when the server sends none.
    std::vector<std::uint32_t> Row(xcb_window_t window, std::int16_t y, std::uint16_t width) {
        const ReplyPtr<xcb_get_image_reply_t> image(xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, y, width, 1, ~0u),
            nullptr));
        std::vector<std::uint32_t> pixels;
        if (!image || image->depth != 24)
            return pixels;
        const std::uint8_t* data = xcb_get_image_data(image.get());
        const auto length = static_cast<std::size_t>(xcb_get_image_data_length(image.get()));
        // Four bytes a pixel: blue, green, red, and padding that means nothing.
        for (std::size_t at = 0; at + 4 <= length; at += 4)
            pixels.push_back(std::uint32_t{data[at]} | std::uint32_t{data[at + 1]} << 8 |
                             std::uint32_t{data[at + 2]} << 16);
        return pixels;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_;
    fs::path config_;
    std::optional<std::uint32_t> background_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Medians {
    double milliseconds, cpuMilliseconds, peakMiB;
};

Medians MediansOf(const std::vector<Start>& starts) {
    std::vector<double> time, cpu, peak;
    for (const Start& start : starts) {
        time.push_back(start.milliseconds);
        cpu.push_back(start.cpuMilliseconds);
        peak.push_back(start.peakMiB);
    }
    return {Median(time), Median(cpu), Median(peak)};
}

void Report(const Contender& reference, const Contender& amorist, int runs) {
    const Medians label = MediansOf(reference.starts);
    const Medians ours = MediansOf(amorist.starts);
    std::printf("Start-up, exec to first window painted (median of %d interleaved starts each)\n",
                runs);
    std::printf("%-20s %12s %12s %12s\n", "", "time", "CPU time", "peak memory");
    for (const auto& [name, m] : {std::pair{reference.name, label}, std::pair{amorist.name, ours}})
        std::printf("%-20s %9.1f ms %9.1f ms %8.1f MiB\n", name, m.milliseconds, m.cpuMilliseconds,
                    m.peakMiB);
    const double time = ours.milliseconds / label.milliseconds;
    const double memory = ours.peakMiB / label.peakMiB;
    std::printf("%-20s %11.2fx %11.2fx %11.2fx\n", "amorist / label", time,
                ours.cpuMilliseconds / label.cpuMilliseconds, memory);
    std::printf("Goal: time at most %.2fx, memory at most %.2fx: %s\n", kTimeGoal, kMemoryGoal,
                time <= kTimeGoal && memory <= kMemoryGoal ? "met" : "NOT met");
    // Timings on a busy machine drift; the load says how far to trust them.
    std::ifstream load("/proc/loadavg");
    std::string oneMinute;
    if (load >> oneMinute)
        std::printf("Load average over the last minute: %s\n", oneMinute.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    int runs = kDefaultRuns;
    int first = 1;
    if (argc == 5 && std::strcmp(argv[1], "--runs") == 0) {
        runs = std::atoi(argv[2]);
        first = 3;
    }
    if (argc - first != 2 || runs < 1) {
        std::fprintf(stderr, "usage: %s [--runs N] <amorist> <label window>\n", argv[0]);
        return 2;
    }
    Contender reference{"one-label window", argv[first + 1], {}};
    Contender amorist{"amorist", argv[first], {}};

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "no X server to connect to in DISPLAY\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    // One home for every start: the warm-up start stores today's date, so the
    // measured ones are usual starts that read their settings and write nothing.
    const Folder home(fs::temp_directory_path());
    Probe probe(connection, screen->root, home.path());
    // One unrecorded start each warms the page and font caches for both. Each
    // round starts with the other, so drift in the machine's load falls evenly.
    if (home.path().empty() || !probe.Ready()) {
        std::fprintf(stderr, "could not make a home for the starts, or read the root window\n");
        return 1;
    }
    bool measured = probe.Run(reference.program) && probe.Run(amorist.program);
    for (int run = 0; measured && run < runs; ++run) {
        Contender* order[] = {&reference, &amorist};
        if (run % 2 == 1)
            std::swap(order[0], order[1]);
        for (std::size_t i = 0; measured && i < std::size(order); ++i) {
            const std::optional<Start> start = probe.Run(order[i]->program);
            measured = start.has_value();
            if (start)
                order[i]->starts.push_back(*start);
        }
    }
    xcb_disconnect(connection);
    if (!measured)
        return 1;
    Report(reference, amorist, runs);
    return 0;
}
