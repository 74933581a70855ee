#include "bench/startup_probe.h"

#include <gtest/gtest.h>

#include <array>

namespace amorist::bench {
namespace {

struct LineCase {
    std::string_view written;
    std::optional<std::string> line;
};

TEST(StartupProbe, TakesAHelpersLineOnlyOnceItIsComplete) {
    const LineCase cases[] = {
        {"17\n", "17"},
        {"unix:path=/tmp/dbus-x,guid=ab\nmore", "unix:path=/tmp/dbus-x,guid=ab"},
        {"17", std::nullopt},
        {"", std::nullopt},
        {"\n", std::nullopt},
    };
    for (const auto& [written, line] : cases)
        EXPECT_EQ(FirstLine(written), line) << '"' << written << '"';
}

struct DisplayCase {
    std::optional<std::string> line;
    std::optional<int> number;
};

TEST(StartupProbe, ReadsTheDisplayNumberXvfbReports) {
    const DisplayCase cases[] = {
        {"0", 0},
        {"17", 17},
        {std::nullopt, std::nullopt},
        {"x1", std::nullopt},
        {"1x", std::nullopt},
        {"-3", std::nullopt},
        {" 4", std::nullopt},
    };
    for (const auto& [line, number] : cases)
        EXPECT_EQ(DisplayNumber(line), number) << line.value_or("(none)");
}

constexpr std::string_view kStatus =
    "Name:\tamorist\n"
    "VmPeak:\t  612044 kB\n"
    "VmHWM:\t   48212 kB\n"
    "VmRSS:\t   47960 kB\n";

TEST(StartupProbe, TakesThePeakResidentSizeNotTheCurrentOne) {
    EXPECT_EQ(PeakResidentKiB(kStatus), 48212);
}

TEST(StartupProbe, FindsNoPeakWhereStatusLacksOrGarblesIt) {
    const std::string_view broken[] = {
        "Name:\tamorist\nVmRSS:\t 100 kB\n",
        "VmHWM:\t kB\n",
        "VmHWM:\t 100 MB\n",
        "VmHWM:\t 100\n",
        "",
    };
    for (std::string_view status : broken)
        EXPECT_EQ(PeakResidentKiB(status), std::nullopt) << status;
}

TEST(StartupProbe, ReadsThePeakOnTheLastLineWithoutANewline) {
    EXPECT_EQ(PeakResidentKiB("Name:\tbare\nVmHWM:\t 9 kB"), 9);
}

TEST(StartupProbe, ARowOfRootBackgroundIsNotYetPainted) {
    // Four pixels of black root; the padding byte may hold anything.
    constexpr std::array<std::uint8_t, 16> black = {0, 0, 0, 0, 0, 0, 0, 255,
                                                    0, 0, 0, 7, 0, 0, 0, 0};
    EXPECT_FALSE(DiffersFromBackground(black, 0x000000));
    EXPECT_FALSE(DiffersFromBackground({}, 0x000000));
}

TEST(StartupProbe, OnePaintedPixelAnywhereInTheRowCounts) {
    for (std::size_t channel : {0u, 1u, 2u, 8u, 13u}) {
        std::array<std::uint8_t, 16> row{};
        row[channel] = 0xEF;
        EXPECT_TRUE(DiffersFromBackground(row, 0x000000)) << "byte " << channel;
    }
}

TEST(StartupProbe, ComparesWithWhateverColourTheRootHas) {
    // 0x336699 in a ZPixmap's byte order: blue, green, red, padding.
    constexpr std::array<std::uint8_t, 8> root = {0x99, 0x66, 0x33, 0, 0x99, 0x66, 0x33, 0};
    EXPECT_FALSE(DiffersFromBackground(root, 0x336699));
    EXPECT_TRUE(DiffersFromBackground(root, 0x000000));
}

TEST(StartupProbe, ChildEnvironmentReplacesAddsAndKeepsTheRest) {
    const char* const parent[] = {"HOME=/home/ida", "DISPLAY=:0",
                                  "XDG_CONFIG_HOME=/home/ida/.config", "LANG=C.UTF-8", nullptr};
    const std::vector<std::string> child = ChildEnvironment(
        parent, {{"DISPLAY", ":7"}, {"XDG_CONFIG_HOME", "/tmp/c"}, {"XDG_RUNTIME_DIR", "/tmp/r"}});
    const std::vector<std::string> expected = {"HOME=/home/ida", "LANG=C.UTF-8", "DISPLAY=:7",
                                               "XDG_CONFIG_HOME=/tmp/c", "XDG_RUNTIME_DIR=/tmp/r"};
    EXPECT_EQ(child, expected);
}

TEST(StartupProbe, ChildEnvironmentMatchesWholeNamesOnly) {
    const char* const parent[] = {"DISPLAY_EXTRA=1", "XDISPLAY=2", nullptr};
    const std::vector<std::string> expected = {"DISPLAY_EXTRA=1", "XDISPLAY=2", "DISPLAY=:3"};
    EXPECT_EQ(ChildEnvironment(parent, {{"DISPLAY", ":3"}}), expected);
}

struct MedianCase {
    std::vector<double> values;
    double median;
};

TEST(StartupProbe, MedianIgnoresOutliersAndOrder) {
    const MedianCase cases[] = {
        {{5.0}, 5.0},
        {{9.0, 1.0, 5.0}, 5.0},
        {{120.0, 118.0, 900.0, 119.0, 121.0}, 120.0},
        {{4.0, 1.0, 3.0, 2.0}, 2.5},
        {{7.0, 7.0}, 7.0},
        {{}, 0.0},
    };
    for (const auto& [values, median] : cases)
        EXPECT_DOUBLE_EQ(Median(values), median) << values.size() << " values";
}

TEST(StartupProbe, RatiosAreTheProgramsMediansOverTheBareWindows) {
    const StartupSample bare{{100.0, 90.0, 110.0}, {40960.0, 40960.0, 51200.0}};
    const StartupSample program{{120.0, 500.0, 115.0}, {49152.0, 45056.0, 47104.0}};
    const StartupSummary summary = Summarise(bare, program);
    EXPECT_DOUBLE_EQ(summary.bareMilliseconds, 100.0);
    EXPECT_DOUBLE_EQ(summary.programMilliseconds, 120.0);
    EXPECT_DOUBLE_EQ(summary.bareMiB, 40.0);
    EXPECT_DOUBLE_EQ(summary.programMiB, 46.0);
    EXPECT_DOUBLE_EQ(summary.timeRatio, 1.2);
    EXPECT_DOUBLE_EQ(summary.memoryRatio, 1.15);
}

TEST(StartupProbe, ReportPrintsBothRatiosAndWhetherTheGoalIsMet) {
    const StartupSummary within{100.0, 40.0, 120.0, 46.0, 1.2, 1.15};
    const std::string met = Report(within, 20, 1.25);
    EXPECT_NE(met.find("median of 20 runs"), std::string::npos) << met;
    EXPECT_NE(met.find("1.20"), std::string::npos) << met;
    EXPECT_NE(met.find("1.15"), std::string::npos) << met;
    EXPECT_NE(met.find(": met"), std::string::npos) << met;

    for (const StartupSummary& over : {StartupSummary{100.0, 40.0, 130.0, 46.0, 1.3, 1.15},
                                       StartupSummary{100.0, 40.0, 120.0, 52.0, 1.2, 1.3}}) {
        EXPECT_NE(Report(over, 20, 1.25).find(": missed"), std::string::npos);
    }
}

}  // namespace
}  // namespace amorist::bench
