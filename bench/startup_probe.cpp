#include "bench/startup_probe.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

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

StartupSummary Summarise(const StartupSample& bare, const StartupSample& program) {
    StartupSummary summary{};
    summary.bareMilliseconds = Median(bare.milliseconds);
    summary.bareMiB = Median(bare.peakKiB) / 1024.0;
    summary.programMilliseconds = Median(program.milliseconds);
    summary.programMiB = Median(program.peakKiB) / 1024.0;
    summary.timeRatio = summary.programMilliseconds / summary.bareMilliseconds;
    summary.memoryRatio = summary.programMiB / summary.bareMiB;
    return summary;
}

std::string Report(const StartupSummary& summary, int runs, double goal) {
    char text[512];
    const bool met = summary.timeRatio <= goal && summary.memoryRatio <= goal;
    std::snprintf(text, sizeof text,
                  "Start-up to first paint, median of %d runs each\n"
                  "                   time to paint   peak resident\n"
                  "  bare Qt window   %9.1f ms   %9.1f MiB\n"
                  "  amorist          %9.1f ms   %9.1f MiB\n"
                  "  ratio            %9.2f      %9.2f\n"
                  "Goal: at most %.2f times the bare window for both: %s\n",
                  runs, summary.bareMilliseconds, summary.bareMiB, summary.programMilliseconds,
                  summary.programMiB, summary.timeRatio, summary.memoryRatio, goal,
                  met ? "met" : "missed");
    return text;
}

}  // namespace amorist::bench
