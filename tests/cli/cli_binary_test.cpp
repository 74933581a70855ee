#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "run_binary.h"

namespace amorist::cli::testing {
namespace {

constexpr int kBadInput = 2;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    return lines;
}

TEST(CliSigns, ListsTheWholeTableWithoutArguments) {
    const Finished f = RunCli({"signs"});
    ASSERT_EQ(f.exitCode, 0) << f.err;
    EXPECT_EQ(f.err, "");
    const std::vector<std::string> lines = Lines(f.out);
    ASSERT_EQ(lines.size(), 1u + 30316u);  // 83 years, 21 of them leap years
    EXPECT_EQ(lines.front(), "date,mars,venus");
    EXPECT_EQ(lines[1], "1930-01-01,Capricorn,Capricorn");
    EXPECT_EQ(lines.back(), "2012-12-31,Aquarius,Sagittarius");
    EXPECT_EQ(f.out.back(), '\n');
}

TEST(CliSigns, ListsFromAndToInclusive) {
    EXPECT_EQ(RunCli({"signs", "1930-02-06", "1930-02-07"}).out,
              "date,mars,venus\n"
              "1930-02-06,Capricorn,Aquarius\n"
              "1930-02-07,Aquarius,Aquarius\n");
    const std::vector<std::string> standstill =
        Lines(RunCli({"signs", "1961-02-05", "1961-02-08"}).out);
    ASSERT_EQ(standstill.size(), 5u);
    EXPECT_TRUE(standstill[1].starts_with("1961-02-05,Cancer,"));
    EXPECT_TRUE(standstill[2].starts_with("1961-02-06,Gemini,"));
    EXPECT_TRUE(standstill[3].starts_with("1961-02-07,Gemini,"));
    EXPECT_TRUE(standstill[4].starts_with("1961-02-08,Cancer,"));
    EXPECT_EQ(RunCli({"signs", "2012-12-30"}).out,
              "date,mars,venus\n"
              "2012-12-30,Aquarius,Sagittarius\n"
              "2012-12-31,Aquarius,Sagittarius\n");
}

TEST(CliSigns, StepsOverMonthYearAndLeapDayBorders) {
    const std::vector<std::string> lines = Lines(RunCli({"signs", "1959-12-31", "1960-01-01"}).out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "1959-12-31,Sagittarius,Scorpio");
    EXPECT_EQ(lines[2], "1960-01-01,Sagittarius,Scorpio");
    const std::vector<std::string> leap = Lines(RunCli({"signs", "2000-02-28", "2000-03-01"}).out);
    ASSERT_EQ(leap.size(), 4u);
    EXPECT_TRUE(leap[2].starts_with("2000-02-29,"));
    EXPECT_TRUE(leap[3].starts_with("2000-03-01,"));
}

const std::string kP1 =
    "You will instantly recognize the love each has for the other. You will try your best to "
    "impress your partner. This will be a relationship both of you will remember forever. You "
    "will have very strong feelings for each other. This is a dynamic relationship.";

TEST(CliReading, JsonCarriesBothPeopleAndBothReadings) {
    const Finished f =
        RunCli({"reading", "Ann \"Jo\"\\\nSmith", "1930-01-01", "Zoë", "1/january/1930", "--json"});
    ASSERT_EQ(f.exitCode, 0) << f.err;
    const std::string reading = R"({"pair": "Capricorn-Capricorn", "number": 1, )"
                                R"("swatch": "#CE2163", "colour": "red", "category": "Excellent", )"
                                R"("paragraph": ")" +
                                kP1 + "\"}";
    EXPECT_EQ(f.out, R"({"you": {"name": "Ann \"Jo\"\\\u000aSmith", "date": "1/January/1930", )"
                     R"("mars": "Capricorn", "venus": "Capricorn"}, )"
                     R"("partner": {"name": "Zoë", "date": "1/January/1930", )"
                     R"("mars": "Capricorn", "venus": "Capricorn"}, )"
                     R"("readings": [)" +
                         reading + ", " + reading + "]}\n");
}

TEST(CliReading, JsonPutsReadingOneFirst) {
    const Finished f = RunCli({"reading", "ANN", "7/February/1930", "BOB", "1/May/1930", "--json"});
    ASSERT_EQ(f.exitCode, 0) << f.err;
    const std::size_t one = f.out.find(R"({"pair": "Aquarius-Gemini", "number": 5, )"
                                       R"("swatch": "#B55294", "colour": "Magenta", )"
                                       R"("category": "Happening")");
    const std::size_t two = f.out.find(R"({"pair": "Aquarius-Aries", "number": 3, )"
                                       R"("swatch": "#D6D6FF", "colour": "Purple", )"
                                       R"("category": "Understanding")");
    ASSERT_NE(one, std::string::npos) << f.out;
    ASSERT_NE(two, std::string::npos) << f.out;
    EXPECT_LT(one, two);
}

TEST(CliReading, PlainShowsNamesDatesSignsAndBothReadings) {
    const Finished f = RunCli({"reading", " ANN ", "7/February/1930", "BOB", "1930-05-01"}, "60");
    ASSERT_EQ(f.exitCode, 0) << f.err;
    const std::vector<std::string> lines = Lines(f.out);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 9);
    EXPECT_EQ(head, (std::vector<std::string>{"You:  ANN ", "Date of birth: 7/February/1930",
                                              "Mars sign: Aquarius", "Venus sign: Aquarius", "",
                                              "Partner: BOB", "Date of birth: 1/May/1930",
                                              "Mars sign: Aries", "Venus sign: Gemini"}));
    const std::vector<std::string> readings(lines.begin() + 10, lines.begin() + 17);
    EXPECT_EQ(readings,
              (std::vector<std::string>{"Reading One: your Mars with your partner's Venus",
                                        "Pair: Aquarius-Gemini", "Number: 5", "Swatch: #B55294",
                                        "Colour: Magenta", "Keywords: Happening",
                                        "Your Romantic Compatibility:"}));
    const auto two =
        std::find(lines.begin(), lines.end(), "Reading Two: your Venus with your partner's Mars");
    ASSERT_NE(two, lines.end());
    EXPECT_EQ(std::vector<std::string>(two + 1, two + 6),
              (std::vector<std::string>{"Pair: Aquarius-Aries", "Number: 3", "Swatch: #D6D6FF",
                                        "Colour: Purple", "Keywords: Understanding"}));
    // The paragraph of reading One, wrapped to the 60 columns COLUMNS asks for.
    std::string paragraph;
    for (auto line = lines.begin() + 17; line != lines.end() && !line->empty(); ++line) {
        EXPECT_LE(line->size(), 60u) << *line;
        paragraph += (paragraph.empty() ? "" : " ") + *line;
    }
    EXPECT_TRUE(paragraph.starts_with("This is an excellent combination.")) << paragraph;
    EXPECT_TRUE(paragraph.ends_with("This relationship stands for true love.")) << paragraph;
}

TEST(CliOptions, HelpAndVersion) {
    const Finished version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "amorist-cli 1.0.0\n");
    const Finished help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("amorist-cli reading NAME DATE PARTNER_NAME PARTNER_DATE"),
              std::string::npos);
    EXPECT_EQ(help.err, "");
}

struct BadInput {
    std::vector<std::string> args;
    std::string_view says;
};

class CliBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(CliBadInput, PrintsOneLineOnStderrAndNothingElse) {
    const Finished f = RunCli(GetParam().args);
    EXPECT_EQ(f.exitCode, kBadInput);
    EXPECT_EQ(f.out, "");
    ASSERT_FALSE(f.err.empty());
    EXPECT_EQ(f.err.find('\n'), f.err.size() - 1) << f.err;
    EXPECT_TRUE(f.err.starts_with("amorist-cli: ")) << f.err;
    EXPECT_NE(f.err.find(GetParam().says), std::string::npos) << f.err;
}

const std::string kDay = "1975-03-07";

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBadInput,
    ::testing::Values(
        BadInput{{}, "no command"}, BadInput{{"frobnicate"}, "unknown command 'frobnicate'"},
        BadInput{{"--json"}, "unknown command"}, BadInput{{"--version", "x"}, "no arguments"},
        BadInput{{"signs", "1929-12-31"}, "year 1929"},
        BadInput{{"signs", "1930-01-01", "2013-01-01"}, "year 2013"},
        BadInput{{"signs", "1975-02-29"}, "not a day of the calendar"},
        BadInput{{"signs", "7/March/1975"}, "is not a date"},
        BadInput{{"signs", "1975-03-08", "1975-03-07"}, "comes after"},
        BadInput{{"signs", "1975-03-07", "1975-03-08", "1975-03-09"}, "at most"},
        BadInput{{"reading", "ANN", kDay, "BOB"}, "reading needs"},
        BadInput{{"reading", "ANN", kDay, "BOB", kDay, "--xml"}, "unexpected argument '--xml'"},
        BadInput{{"reading", "ANN", kDay, "BOB", kDay, "--json", "x"}, "unexpected argument"},
        BadInput{{"reading", "ANN", "7/Marc/1975", "BOB", kDay}, "not a month name"},
        BadInput{{"reading", "ANN", kDay, "BOB", "1975-3-7"}, "is not a date"},
        BadInput{{"reading", "ANN", "1/January/2013", "BOB", kDay}, "year 2013"},
        BadInput{{"reading", "ANN", kDay, "BOB", "32/May/1975"}, "day 32"},
        BadInput{{"reading", "ANN", "1975-03-07\nX", "BOB", kDay}, "\\x0AX"},
        BadInput{{"reading", "", kDay, "", kDay}, "Please Enter Your Name"},
        BadInput{{"reading", "ANN", "1975-02-31", "", kDay},
                 "Please Enter Your Correct Date of Birth!"},
        BadInput{{"reading", "ANN", "31/June/1980", "BOB", kDay},
                 "Please Enter Correct Date of Birth !"},
        BadInput{{"reading", "ANN", kDay, "", kDay}, "Please Enter Your Partner's Name"},
        BadInput{{"reading", "ANN", "29/February/1990", "BOB", kDay},
                 "Please Enter Correct Date Or Month!"},
        BadInput{{"reading", "ANN", kDay, "BOB", "2001-02-29"},
                 "Please Enter Correct Date Or Month Of Your Friend!"},
        BadInput{{"reading", "ANN", kDay, "BOB", "31/november/1975", "--json"},
                 "Please Enter Correct Date Or Month Of Your Friend !"}));

}  // namespace
}  // namespace amorist::cli::testing
