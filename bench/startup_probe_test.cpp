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

TEST(StartupProbe, ReadsHowLongAThreadRan) {
    EXPECT_EQ(RunNanoseconds("1208452 0 1"), 1208452);
    EXPECT_EQ(RunNanoseconds("0 0 0\n"), 0);
    for (std::string_view garbled : {"", "x 1 2", "-5 0 1"})
        EXPECT_EQ(RunNanoseconds(garbled), std::nullopt) << garbled;
}

TEST(StartupProbe, MediansOfEachMeasure) {
    const StartupSample sample{
        {120.0, 500.0, 115.0}, {30.0, 31.0, 90.0}, {49152.0, 45056.0, 47104.0}};
    const Medians medians = MediansOf(sample);
    EXPECT_DOUBLE_EQ(medians.milliseconds, 120.0);
    EXPECT_DOUBLE_EQ(medians.cpuMilliseconds, 31.0);
    EXPECT_DOUBLE_EQ(medians.MiB, 46.0);
}

TEST(StartupProbe, ReportJudgesOneRowAgainstTheFirst) {
    const ReportRow label{"label window", {100.0, 20.0, 40.0}};
    const ReportRow empty{"empty window", {70.0, 10.0, 30.0}};
    struct Case {
        Medians program;
        const char* verdict;
    };
    const Case cases[] = {
        {{115.0, 25.0, 44.8}, ": met"},
        {{116.0, 25.0, 44.0}, ": missed"},
        {{110.0, 25.0, 44.9}, ": missed"},
    };
    for (const auto& [program, verdict] : cases) {
        const std::string report =
            Report({label, empty, {"amorist", program}}, "amorist", {1.15, 1.12}, 20);
        EXPECT_NE(report.find("medians of 20 interleaved starts"), std::string::npos) << report;
        EXPECT_NE(report.find(verdict), std::string::npos) << report;
        // The empty window's time ratio to the label window.
        EXPECT_NE(report.find("0.70"), std::string::npos) << report;
    }
    EXPECT_NE(Report({label, empty}, "amorist", {1.15, 1.12}, 20).find("not measured"),
              std::string::npos);
}

// A folder that cannot be made in full is reported as not made and leaves nothing behind.
TEST(StartupProbe, ATemporaryFolderIsMadeInFullOrNotAtAll) {
    const TemporaryFolder parent(std::filesystem::temp_directory_path(), {});
    ASSERT_FALSE(parent.path().empty());
    std::filesystem::path made;
    {
        const TemporaryFolder folder(parent.path(), {"config"});
        made = folder.path();
        EXPECT_TRUE(std::filesystem::is_directory(made / "config"));
    }
    EXPECT_FALSE(std::filesystem::exists(made)) << "removed when it goes";
    const TemporaryFolder partial(parent.path(), {"missing/config", "config"});
    EXPECT_TRUE(partial.path().empty());
    EXPECT_TRUE(std::filesystem::is_empty(parent.path()));
}

}  // namespace
}  // namespace amorist::bench
