// How long Amorist takes from process start to its main window's first paint,
// the CPU time it spends by then and its peak resident memory at that moment,
// against the least any Qt program that shows text pays: a window of the same
// size holding one label with a line of text, built with the same flags.
//
//   amorist-startup-bench [--runs N] <program> <label window> [<empty window> [<plain window>]]
//
// The plain window holds the main window's widgets built plainly, so the
// program's own cost is what it takes beyond that one.
//
// All of them run in one X server (Xvfb with a black root) and one session
// bus of our own and are timed the same way from outside, so none needs to
// cooperate: the clock starts just before fork and stops when a row across the
// middle of the first window it maps no longer shows the black root behind
// it, i.e. when its first painted frame has reached the server. VmHWM and the
// CPU time of every thread are read from /proc right then.
//
// The program is measured in two homes. The usual start finds the reminder
// date a first start stored today, so it reads its settings and writes
// nothing; a first start finds an empty home and writes them. Every start gets
// a fresh runtime folder (in memory, like /run/user), so no lock left by a
// killed start is in the way.
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
constexpr amorist::bench::Goal kGoal{1.15, 1.12};
constexpr auto kRunTimeout = std::chrono::seconds(30);
constexpr char kMemoryFolder[] = "/dev/shm";
// The row judged against the goal.
constexpr char kUsualStart[] = "amorist, today's date stored";

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
    double cpuMilliseconds;
    double peakKiB;
};

// Where the program keeps its settings for a start: a folder of its own
// every time, or one shared by every start (the usual home).
enum class Home { Fresh, Shared };

using amorist::bench::TemporaryFolder;

// A start's own folder, with an empty settings folder (config/) inside.
TemporaryFolder MakeFolders() {
    return TemporaryFolder(std::filesystem::temp_directory_path(), {"config"});
}

// Like a desktop session's /run/user/<uid>, the runtime folder lives in
// memory where the machine offers it, so taking the lock costs what it costs
// a user.
TemporaryFolder MakeRuntimeFolder() {
    std::error_code error;
    if (std::filesystem::is_directory(kMemoryFolder, error)) {
        if (TemporaryFolder folder(kMemoryFolder, {}); !folder.path().empty())
            return folder;
    }
    return TemporaryFolder(std::filesystem::temp_directory_path(), {});
}

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

    // One start of program, up to its first paint; nothing when it never
    // paints. sharedConfig is the settings folder of a Home::Shared start.
    std::optional<Measurement> Run(const std::string& program, Home home,
                                   const std::filesystem::path& sharedConfig) {
        const TemporaryFolder ownFolder = MakeFolders();
        const TemporaryFolder runtimeFolder = MakeRuntimeFolder();
        const std::filesystem::path& folders = ownFolder.path();
        const std::filesystem::path& runtime = runtimeFolder.path();
        if (folders.empty() || runtime.empty())
            return std::nullopt;
        const std::filesystem::path config =
            home == Home::Shared ? sharedConfig : folders / "config";
        const std::vector<std::string> environment =
            amorist::bench::ChildEnvironment(environ, {{"DISPLAY", display_},
                                                       {"DBUS_SESSION_BUS_ADDRESS", busAddress_},
                                                       {"QT_QPA_PLATFORM", "xcb"},
                                                       {"XDG_CONFIG_HOME", config.string()},
                                                       {"XDG_RUNTIME_DIR", runtime.string()}});
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
        return result;
    }

private:
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
                const auto cpu = CpuNanosecondsOf(pid);
                if (!peak || !cpu)
                    return std::nullopt;
                return Measurement{milliseconds, static_cast<double>(*cpu) / 1e6,
                                   static_cast<double>(*peak)};
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

    // Summed over every thread: Qt reads the X connection on a thread of its own.
    static std::optional<long long> CpuNanosecondsOf(pid_t pid) {
        std::error_code error;
        long long sum = 0;
        for (const auto& task :
             std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
            std::ifstream schedstat(task.path() / "schedstat");
            std::string text;
            // A thread that ended since the listing has nothing left to count.
            if (!std::getline(schedstat, text))
                continue;
            const auto ran = amorist::bench::RunNanoseconds(text);
            if (!ran)
                return std::nullopt;
            sum += *ran;
        }
        return error ? std::nullopt : std::optional<long long>(sum);
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

struct Contender {
    std::string name;
    std::string program;
    Home home;
    StartupSample sample;
};

bool Start(Probe& probe, const Contender& contender, const std::filesystem::path& sharedConfig) {
    return probe.Run(contender.program, contender.home, sharedConfig).has_value();
}

bool Record(Probe& probe, Contender& contender, const std::filesystem::path& sharedConfig) {
    const auto measurement = probe.Run(contender.program, contender.home, sharedConfig);
    if (!measurement)
        return false;
    contender.sample.milliseconds.push_back(measurement->milliseconds);
    contender.sample.cpuMilliseconds.push_back(measurement->cpuMilliseconds);
    contender.sample.peakKiB.push_back(measurement->peakKiB);
    return true;
}

bool HoldsAnyFile(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
        if (entry.is_regular_file(error))
            return true;
    }
    return false;
}

int Usage(const char* self) {
    std::fprintf(
        stderr, "usage: %s [--runs N] <program> <label window> [<empty window> [<plain window>]]\n",
        self);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = kDefaultRuns;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
            if (runs < 1) {
                std::fprintf(stderr, "runs must be a whole number above zero\n");
                return 2;
            }
        } else {
            programs.push_back(argument);
        }
    }
    if (programs.size() < 2 || programs.size() > 4)
        return Usage(argv[0]);

    std::vector<Contender> contenders = {
        {"label window (the reference)", programs[1], Home::Fresh, {}},
        {kUsualStart, programs[0], Home::Shared, {}},
        {"amorist, first start", programs[0], Home::Fresh, {}},
    };
    // The other yardsticks go between the reference and the program, in the order given.
    if (programs.size() >= 3)
        contenders.insert(contenders.begin() + 1, {"empty window", programs[2], Home::Fresh, {}});
    if (programs.size() == 4) {
        contenders.insert(contenders.begin() + 2,
                          {"plain window, same widgets", programs[3], Home::Fresh, {}});
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
    const TemporaryFolder home = MakeFolders();
    if (home.path().empty()) {
        std::fprintf(stderr, "could not make a home for the starts\n");
        return 1;
    }
    const std::filesystem::path sharedConfig = home.path() / "config";

    // One unrecorded start each, so the page cache and the font cache are warm
    // for all; the shared home's warm-up is the first start that stores today.
    bool measured = true;
    for (const Contender& contender : contenders)
        measured = measured && Start(probe, contender, sharedConfig);
    // Said, not fatal, so that any program can be measured against the yardsticks.
    const bool stored = !measured || HoldsAnyFile(sharedConfig);
    // Each round starts with the next contender, so drift in the machine's
    // load falls evenly on all of them.
    for (int run = 0; measured && run < runs; ++run) {
        for (std::size_t i = 0; measured && i < contenders.size(); ++i) {
            Contender& contender =
                contenders[(i + static_cast<std::size_t>(run)) % contenders.size()];
            measured = Record(probe, contender, sharedConfig);
        }
    }
    xcb_disconnect(connection);
    if (!measured)
        return 1;

    std::vector<amorist::bench::ReportRow> rows;
    for (const Contender& contender : contenders)
        rows.push_back({contender.name, amorist::bench::MediansOf(contender.sample)});
    std::fputs(amorist::bench::Report(rows, kUsualStart, kGoal, runs).c_str(), stdout);
    if (!stored)
        std::puts("NOTE: the first start stored no settings, so every start was a first start.");
    std::puts("Every start gets a fresh runtime folder (in /dev/shm where there is one): no lock");
    std::puts(
        "is left over. \"today's date stored\": the settings a first start wrote today, read");
    std::puts("and not rewritten (the usual start). \"first start\": an empty settings folder.");
    // Timings on a busy machine drift; the load says how far to trust them.
    std::ifstream load("/proc/loadavg");
    std::string oneMinute;
    if (load >> oneMinute)
        std::printf("Load average over the last minute: %s\n", oneMinute.c_str());
    return 0;
}
