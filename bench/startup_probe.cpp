#include "bench/startup_probe.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <utility>

namespace amorist::bench {

namespace {

std::string_view TrimLeadingBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

template <typename Number>
std::optional<Number> LeadingNumber(std::string_view text) {
    text = TrimLeadingBlanks(text);
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> FirstLine(std::string_view written) {
    const auto newline = written.find('\n');
    if (newline == std::string_view::npos || newline == 0)
        return std::nullopt;
    return std::string(written.substr(0, newline));
}

std::optional<int> DisplayNumber(const std::optional<std::string>& line) {
    if (!line)
        return std::nullopt;
    int number = -1;
    const char* end = line->data() + line->size();
    const auto [stop, error] = std::from_chars(line->data(), end, number);
    if (error != std::errc() || stop != end || number < 0)
        return std::nullopt;
    return number;
}

std::optional<long> PeakResidentKiB(std::string_view procStatus) {
    constexpr std::string_view kKey = "VmHWM:";
    std::size_t at = 0;
    while (at < procStatus.size()) {
        const auto end = std::min(procStatus.find('\n', at), procStatus.size());
        const std::string_view line = procStatus.substr(at, end - at);
        if (line.starts_with(kKey)) {
            const std::string_view rest = TrimLeadingBlanks(line.substr(kKey.size()));
            const auto value = LeadingNumber<long>(rest);
            const auto space = rest.find(' ');
            if (!value || space == std::string_view::npos || rest.substr(space + 1) != "kB")
                return std::nullopt;
            return value;
        }
        at = end + 1;
    }
    return std::nullopt;
}

bool DiffersFromBackground(std::span<const std::uint8_t> pixels, std::uint32_t background) {
    for (std::size_t i = 0; i + 4 <= pixels.size(); i += 4) {
        const std::uint32_t colour = std::uint32_t{pixels[i]} | std::uint32_t{pixels[i + 1]} << 8 |
                                     std::uint32_t{pixels[i + 2]} << 16;
        if (colour != (background & 0xFFFFFFu))
            return true;
    }
    return false;
}

std::vector<std::string> ChildEnvironment(
    const char* const* parent, const std::vector<std::pair<std::string, std::string>>& overrides) {
    std::set<std::string> replaced;
    for (const auto& [name, value] : overrides)
        replaced.insert(name);
    std::vector<std::string> environment;
    for (const char* const* entry = parent; entry != nullptr && *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        if (!replaced.contains(std::string(text.substr(0, text.find('=')))))
            environment.emplace_back(text);
    }
    for (const auto& [name, value] : overrides)
        environment.push_back(name + '=' + value);
    return environment;
}

TemporaryFolder::TemporaryFolder(const std::filesystem::path& parent,
                                 std::initializer_list<const char*> inside) {
    std::string pattern = parent / "amorist-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        return;
    path_ = pattern;
    for (const char* name : inside) {
        std::error_code error;
        std::filesystem::create_directory(path_ / name, error);
        if (error) {
            std::filesystem::remove_all(std::exchange(path_, {}), error);
            return;
        }
    }
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    if (!path_.empty())
        std::filesystem::remove_all(path_, ignored);
}

TemporaryFolder::TemporaryFolder(TemporaryFolder&& other) noexcept
    : path_(std::exchange(other.path_, {})) {}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1)
        return *middle;
    const double upper = *middle;
    const double lower = *std::max_element(values.begin(), middle);
    return (lower + upper) / 2.0;
}

std::optional<long long> RunNanoseconds(std::string_view schedstat) {
    const auto value = LeadingNumber<long long>(schedstat);
    if (!value || *value < 0 || TrimLeadingBlanks(schedstat).starts_with('-'))
        return std::nullopt;
    return value;
}

Medians MediansOf(const StartupSample& sample) {
    return {Median(sample.milliseconds), Median(sample.cpuMilliseconds),
            Median(sample.peakKiB) / 1024.0};
}

std::string Report(const std::vector<ReportRow>& rows, std::string_view judged, Goal goal,
                   int runs) {
    if (rows.empty())
        return {};
    const Medians& reference = rows.front().medians;
    std::string text;
    char line[256];
    std::snprintf(line, sizeof line,
                  "Start-up to first paint, medians of %d interleaved starts each\n"
                  "%-34s %9s %9s %10s   %s\n",
                  runs, "", "to paint", "CPU", "peak RSS", "ratio: time  CPU  memory");
    text += line;
    std::optional<bool> met;
    for (const auto& [name, medians] : rows) {
        const double time = medians.milliseconds / reference.milliseconds;
        const double memory = medians.MiB / reference.MiB;
        std::snprintf(line, sizeof line,
                      "  %-32s %6.1f ms %6.1f ms %6.1f MiB   %11.2f %4.2f %7.2f\n", name.c_str(),
                      medians.milliseconds, medians.cpuMilliseconds, medians.MiB, time,
                      medians.cpuMilliseconds / reference.cpuMilliseconds, memory);
        text += line;
        if (name == judged)
            met = time <= goal.time && memory <= goal.memory;
    }
    std::snprintf(line, sizeof line,
                  "Goal for \"%.*s\": at most %.2f (time) and %.2f (memory) times the first "
                  "row: %s\n",
                  static_cast<int>(judged.size()), judged.data(), goal.time, goal.memory,
                  !met   ? "not measured"
                  : *met ? "met"
                         : "missed");
    text += line;
    return text;
}

}  // namespace amorist::bench
