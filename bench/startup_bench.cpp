// How long Amorist takes from process start to its main window's first paint,
// and its peak resident memory at that moment, against an empty Qt window of
// the same size built with the same flags:
//
//   amorist-startup-bench <program> <bare window> [runs]
//
// Both programs run in one X server (Xvfb with a black root) and one session
// bus of our own and are timed the same way from outside, so neither needs to
// cooperate: the clock starts just before fork and stops when a row across the
// middle of the first window either of them maps no longer shows the black
// root behind it, i.e. when its first painted frame has reached the server.
// VmHWM is read from /proc right then. Each run gets fresh XDG_CONFIG_HOME and
// XDG_RUNTIME_DIR folders, so no stored setting or lock changes the path.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/startup_probe.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using amorist::bench::StartupSample;

constexpr int kDefaultRuns = 20;
constexpr double kGoal = 1.25;
constexpr auto kRunTimeout = std::chrono::seconds(30);

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

void StopChild(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// A helper the runs need for as long as they last: the X server, the session
// bus. It reports where to reach it as one line on descriptor 3.
class Daemon {
public:
    Daemon() = default;
    Daemon(const Daemon&) = delete;
    Daemon& operator=(const Daemon&) = delete;
    ~Daemon() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

    // The line it reported, or nothing when it did not come up within ten seconds.
    std::optional<std::string> Start(std::vector<std::string> command) {
        int channel[2];
        if (pipe(channel) != 0)
            return std::nullopt;
        std::vector<char*> argv;
        for (std::string& word : command)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(channel[1], 3);
            for (int end : channel) {
                if (end != 3)
                    close(end);
            }
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        close(channel[1]);
        std::string written;
        pollfd wait{channel[0], POLLIN, 0};
        while (!amorist::bench::FirstLine(written) && poll(&wait, 1, 10'000) > 0) {
            char buffer[256];
            const ssize_t got = read(channel[0], buffer, sizeof buffer);
            if (got <= 0)
                break;
            written.append(buffer, static_cast<std::size_t>(got));
        }
        close(channel[0]);
        return amorist::bench::FirstLine(written);
    }

    bool Running() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != 0)
            pid_ = -1;
        return pid_ > 0;
    }

private:
    pid_t pid_ = -1;
};

// The display our server reported counts once that server, still running,
// accepts a connection there; nothing within ten seconds.
xcb_connection_t* ConnectToOwnServer(Daemon& server, const std::string& display,
                                     int& screenNumber) {
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    while (server.Running() && Clock::now() < deadline) {
        xcb_connection_t* connection = xcb_connect(display.c_str(), &screenNumber);
        if (xcb_connection_has_error(connection) == 0)
            return connection;
        xcb_disconnect(connection);
        usleep(100'000);
    }
    return nullptr;
}

struct Measurement {
    double milliseconds;
    double peakKiB;
};

class Probe {
public:
    Probe(xcb_connection_t* connection, xcb_window_t root, std::string display,
          std::string busAddress)
        : connection_(connection),
          root_(root),
          display_(std::move(display)),
          busAddress_(std::move(busAddress)) {
        const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
        background_ = PixelAt(root_, 0, 0).value_or(0);
        xcb_flush(connection_);
    }

    // One start of program, up to its first paint; nothing when it never paints.
    std::optional<Measurement> Run(const std::string& program) {
        const std::filesystem::path folders = MakeFolders();
        if (folders.empty())
            return std::nullopt;
        const std::vector<std::string> environment = amorist::bench::ChildEnvironment(
            environ, {{"DISPLAY", display_},
                      {"DBUS_SESSION_BUS_ADDRESS", busAddress_},
                      {"QT_QPA_PLATFORM", "xcb"},
                      {"XDG_CONFIG_HOME", (folders / "config").string()},
                      {"XDG_RUNTIME_DIR", (folders / "runtime").string()}});
        std::vector<char*> envp;
        for (const std::string& entry : environment)
            envp.push_back(const_cast<char*>(entry.c_str()));
        envp.push_back(nullptr);
        const std::string log = (folders / "output.log").string();

        Discard();
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(output, STDOUT_FILENO);
            dup2(output, STDERR_FILENO);
            char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
            execve(program.c_str(), argv, envp.data());
            _exit(127);
        }
        std::optional<Measurement> result;
        if (pid > 0) {
            result = WaitForFirstPaint(pid, start);
            StopChild(pid);
        }
        if (!result) {
            std::fprintf(stderr, "%s ended, or painted no window within %llds\n", program.c_str(),
                         static_cast<long long>(kRunTimeout.count()));
            std::ifstream output(log);
            std::fprintf(stderr, "%s",
                         std::string(std::istreambuf_iterator<char>(output), {}).c_str());
        }
        std::error_code ignored;
        std::filesystem::remove_all(folders, ignored);
        return result;
    }

private:
    static std::filesystem::path MakeFolders() {
        std::string pattern = (std::filesystem::temp_directory_path() / "amorist-bench-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr)
            return {};
        const std::filesystem::path folders(pattern);
        std::error_code error;
        std::filesystem::create_directory(folders / "config", error);
        std::filesystem::create_directory(folders / "runtime", error);
        std::filesystem::permissions(folders / "runtime", std::filesystem::perms::owner_all, error);
        return error ? std::filesystem::path() : folders;
    }

    // Map events left over from the previous run's windows say nothing about this one.
    void Discard() {
        Sync();
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    // A round trip: every event the server has sent so far has arrived.
    void Sync() {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    std::optional<Measurement> WaitForFirstPaint(pid_t pid, Clock::time_point start) {
        const Clock::time_point deadline = start + kRunTimeout;
        xcb_window_t window = XCB_NONE;
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && window == XCB_NONE) {
                    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
                    if (!map->override_redirect)
                        window = map->window;
                }
                std::free(event);
            }
            if (xcb_connection_has_error(connection_) != 0)
                return std::nullopt;
            if (window != XCB_NONE && Painted(window)) {
                const double milliseconds =
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                const auto peak = PeakOf(pid);
                if (!peak)
                    return std::nullopt;
                return Measurement{milliseconds, static_cast<double>(*peak)};
            }
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return std::nullopt;
            pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&wait, 1, 1);
        }
        return std::nullopt;
    }

    static std::optional<long> PeakOf(pid_t pid) {
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        std::stringstream text;
        text << status.rdbuf();
        return amorist::bench::PeakResidentKiB(text.str());
    }

    // The row through the middle of the window, where both windows paint
    // something other than black.
    bool Painted(xcb_window_t window) {
        const auto geometry = Own(
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
        if (!geometry || geometry->width == 0 || geometry->height == 0)
            return false;
        const auto image = Own(xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0,
                          static_cast<std::int16_t>(geometry->height / 2), geometry->width, 1, ~0u),
            nullptr));
        if (!image || image->depth != 24)
            return false;
        return amorist::bench::DiffersFromBackground(
            {xcb_get_image_data(image.get()),
             static_cast<std::size_t>(xcb_get_image_data_length(image.get()))},
            background_);
    }

    std::optional<std::uint32_t> PixelAt(xcb_window_t window, std::int16_t x, std::int16_t y) {
        const auto image = Own(xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, x, y, 1, 1, ~0u),
            nullptr));
        if (!image || xcb_get_image_data_length(image.get()) < 4)
            return std::nullopt;
        const std::uint8_t* data = xcb_get_image_data(image.get());
        return std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 | std::uint32_t{data[2]} << 16;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_;
    std::string display_;
    std::string busAddress_;
    std::uint32_t background_ = 0;
};

bool Record(Probe& probe, const std::string& program, StartupSample& sample) {
    const auto measurement = probe.Run(program);
    if (!measurement)
        return false;
    sample.milliseconds.push_back(measurement->milliseconds);
    sample.peakKiB.push_back(measurement->peakKiB);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s <program> <bare window> [runs]\n", argv[0]);
        return 2;
    }
    const std::string program = argv[1];
    const std::string bare = argv[2];
    const int runs = argc == 4 ? std::atoi(argv[3]) : kDefaultRuns;
    if (runs < 1) {
        std::fprintf(stderr, "runs must be a whole number above zero\n");
        return 2;
    }

    // Xvfb picks a free display number; a black root makes any painted pixel stand out.
    Daemon server;
    const auto number = amorist::bench::DisplayNumber(server.Start(
        {"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-br", "-nolisten", "tcp"}));
    if (!number) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    const std::string display = ":" + std::to_string(*number);
    // Like a desktop session, the runs share one session bus; without it each
    // start would launch a bus of its own.
    Daemon bus;
    const auto busAddress =
        bus.Start({"dbus-daemon", "--session", "--nofork", "--print-address=3"});
    if (!busAddress) {
        std::fprintf(stderr, "dbus-daemon did not start\n");
        return 1;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = ConnectToOwnServer(server, display, screenNumber);
    if (connection == nullptr) {
        std::fprintf(stderr, "our Xvfb accepts no connection on %s\n", display.c_str());
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    Probe probe(connection, screen->root, display, *busAddress);

    // One unrecorded start each, so the page cache and the font cache are warm for both.
    StartupSample bareSample, programSample, warmUp;
    bool measured = Record(probe, bare, warmUp) && Record(probe, program, warmUp);
    // Alternating which goes first spreads any drift in the machine's load evenly.
    for (int run = 0; measured && run < runs; ++run) {
        if (run % 2 == 0) {
            measured = Record(probe, bare, bareSample) && Record(probe, program, programSample);
        } else {
            measured = Record(probe, program, programSample) && Record(probe, bare, bareSample);
        }
    }
    xcb_disconnect(connection);
    if (!measured)
        return 1;
    const auto summary = amorist::bench::Summarise(bareSample, programSample);
    std::fputs(amorist::bench::Report(summary, runs, kGoal).c_str(), stdout);
    // Timings on a busy machine drift; the load says how far to trust them.
    std::ifstream load("/proc/loadavg");
    std::string oneMinute;
    if (load >> oneMinute)
        std::printf("Load average over the last minute: %s\n", oneMinute.c_str());
    return 0;
}
