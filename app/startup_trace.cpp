#include "app/startup_trace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>

namespace amorist::startup_trace {

namespace {

constexpr char kVariable[] = "AMORIST_STARTUP_TRACE";
constexpr int kNameWidth = 36;

std::int64_t Now(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

Stamp Take() {
    return {Now(CLOCK_MONOTONIC), Now(CLOCK_PROCESS_CPUTIME_ID)};
}

Stamp Since(const Stamp& start) {
    const Stamp now = Take();
    return {now.wall - start.wall, now.cpu - start.cpu};
}

void Print(int depth, const char* name, const Stamp& span, const char* note = "") {
    std::fprintf(stderr, "amorist start-up: %*s%-*s %8.2f ms %8.2f ms cpu%s\n", 2 * depth, "",
                 kNameWidth - 2 * depth, name, static_cast<double>(span.wall) / 1e6,
                 static_cast<double>(span.cpu) / 1e6, note);
}

// What the trace keeps between calls; only ever touched while it is on.
struct State {
    Stamp origin;  // the first traced moment, early in main()
    int depth = 0;
    struct Total {
        const char* name = nullptr;
        Stamp span;
        int pieces = 0;
    };
    std::array<Total, 8> tallies{};
};

State& Trace() {
    static State state;
    return state;
}

State::Total* TallyNamed(const char* name) {
    for (State::Total& total : Trace().tallies) {
        if (total.name == nullptr)
            total.name = name;
        if (std::strcmp(total.name, name) == 0)
            return &total;
    }
    return nullptr;
}

bool FromEnvironment() {
    const char* value = std::getenv(kVariable);
    if (value == nullptr || std::string_view(value) != "1")
        return false;
    State& state = Trace();
    state.origin = Take();
    std::fprintf(stderr, "amorist start-up: %-*s %11s %14s\n", kNameWidth, "phase", "wall", "cpu");
    std::fprintf(stderr, "amorist start-up: %-*s %11s %8.2f ms cpu\n", kNameWidth,
                 "loading and linking, before main()", "-",
                 static_cast<double>(state.origin.cpu) / 1e6);
    return true;
}

// Catches the expose that brings the first paint and has the window handle
// it at once, so the time after it includes painting and handing the frame
// to the window system.
class FirstPaintWatch final : public QObject {
public:
    explicit FirstPaintWatch(QWindow* window) : QObject(window), shown_(Take()) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || !static_cast<QWindow*>(watched)->isExposed())
            return false;
        Print(0, "waiting for the window to be exposed", Since(shown_));
        watched->removeEventFilter(this);
        {
            const Phase paint("first paint");
            QCoreApplication::sendEvent(watched, event);
        }
        for (const State::Total& total : Trace().tallies) {
            if (total.name != nullptr) {
                char note[32];
                std::snprintf(note, sizeof note, "  (%d pieces)", total.pieces);
                Print(0, total.name, total.span, note);
            }
        }
        Print(0, "main() to first paint", Since(Trace().origin));
        std::fprintf(stderr, "amorist start-up: %-*s %11s %8.2f ms cpu\n", kNameWidth,
                     "process start to first paint", "-", static_cast<double>(Take().cpu) / 1e6);
        deleteLater();
        return true;
    }

private:
    Stamp shown_;
};

}  // namespace

bool Enabled() {
    static const bool enabled = FromEnvironment();
    return enabled;
}

Phase::Phase(const char* name) : name_(name) {
    if (!Enabled())
        return;
    start_ = Take();
    running_ = true;
    ++Trace().depth;
}

void Phase::End() {
    if (!running_)
        return;
    running_ = false;
    const Stamp span = Since(start_);
    Print(--Trace().depth, name_, span);
}

Tally::Tally(const char* name) : name_(name) {
    if (Enabled())
        start_ = Take();
}

Tally::~Tally() {
    if (!Enabled())
        return;
    const Stamp span = Since(start_);
    if (State::Total* total = TallyNamed(name_)) {
        total->span.wall += span.wall;
        total->span.cpu += span.cpu;
        ++total->pieces;
    }
}

void WatchFirstPaint(QWidget* window) {
    if (!Enabled() || window->windowHandle() == nullptr)
        return;
    new FirstPaintWatch(window->windowHandle());
}

}  // namespace amorist::startup_trace
