#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/birth_date.h"
#include "cli/commands.h"
#include "cli/text_output.h"

namespace amorist::cli {
namespace {

struct DateCase {
    std::string_view text;
    std::string_view day, month, year;
};

TEST(ParseBirthDate, AcceptsBothFormsAndPassesTheDateOnCanonically) {
    const DateCase cases[] = {
        {"7/March/1975", "7", "March", "1975"}, {"07/march/1975", "7", "March", "1975"},
        {"7/MARCH/1975", "7", "March", "1975"}, {"31/dEcEmBeR/2012", "31", "December", "2012"},
        {"1975-03-07", "7", "March", "1975"},   {"1930-01-01", "1", "January", "1930"},
        {"1980-06-31", "31", "June", "1980"},  // refused later, by the birth-data check
    };
    for (const DateCase& c : cases) {
        const ParsedDate parsed = ParseBirthDate(c.text);
        ASSERT_TRUE(parsed.date) << c.text << ": " << parsed.error;
        EXPECT_EQ(parsed.date->day, c.day) << c.text;
        EXPECT_EQ(parsed.date->month, c.month) << c.text;
        EXPECT_EQ(parsed.date->year, c.year) << c.text;
    }
}

TEST(ParseBirthDate, RefusesWithAReasonOnOneLine) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", "is not a date"},
        {"7 March 1975", "is not a date"},
        {"1975-3-7", "is not a date"},
        {"1975/03/07", "is not a date"},
        {"7/03/1975", "'03' is not a month name"},
        {"7/Marc/1975", "'Marc' is not a month name"},
        {"7/March/75", "is not a date"},
        {"7/March/1975/", "is not a date"},
        {"+7/March/1975", "is not a date"},
        {"7//1975", "'' is not a month name"},
        {"123/March/1975", "is not a date"},
        {"1975-13-01", "month 13 is outside 01 to 12"},
        {"1975-00-01", "month 00 is outside 01 to 12"},
        {"1929-12-31", "year 1929 is outside 1930 to 2012"},
        {"1/January/2013", "year 2013 is outside 1930 to 2012"},
        {"32/March/1975", "day 32 is outside 1 to 31"},
        {"1975-03-00", "day 00 is outside 1 to 31"},
        {"0/March/1975", "day 0 is outside 1 to 31"},
        {std::string_view("1975-03-07\0", 11), "is not a date"},
        {"1975-03-07\n", "'1975-03-07\\x0A' is not a date"},
    };
    for (const auto& [text, reason] : cases) {
        const ParsedDate parsed = ParseBirthDate(text);
        EXPECT_FALSE(parsed.date) << text;
        EXPECT_NE(parsed.error.find(reason), std::string::npos) << text << ": " << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
    }
}

TEST(ParseBirthDate, LongTextIsCutShortInTheMessage) {
    const std::string text(5000, '9');
    const ParsedDate parsed = ParseBirthDate(text);
    EXPECT_FALSE(parsed.date);
    EXPECT_LT(parsed.error.size(), 200u);
}

TEST(ParseIsoDay, RefusesDaysTheCalendarDoesNotHave) {
    EXPECT_TRUE(ParseIsoDay("2000-02-29").date);
    EXPECT_TRUE(ParseIsoDay("1932-02-29").date);
    EXPECT_FALSE(ParseIsoDay("1975-02-29").date);
    EXPECT_FALSE(ParseIsoDay("1975-04-31").date);
    EXPECT_FALSE(ParseIsoDay("7/March/1975").date);
}

TEST(JsonString, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonString("plain"), "\"plain\"");
    EXPECT_EQ(JsonString("say \"hi\""), R"("say \"hi\"")");
    EXPECT_EQ(JsonString("a\\b"), R"("a\\b")");
    EXPECT_EQ(JsonString("line\nnext\ttab\r"), R"("line\u000anext\u0009tab\u000d")");
    EXPECT_EQ(JsonString(std::string_view("nul\0end", 7)), R"("nul\u0000end")");
    EXPECT_EQ(JsonString("\x1f\x7f"), R"("\u001f\u007f")");
}

TEST(JsonString, PassesUtf8ThroughAndReplacesBrokenBytes) {
    EXPECT_EQ(JsonString("Zoë 🌹 愛"), "\"Zoë 🌹 愛\"");
    EXPECT_EQ(JsonString("a\xff"
                         "b"),
              R"("a\ufffdb")");
    EXPECT_EQ(JsonString("\xc3"), R"("\ufffd")");                                // cut short
    EXPECT_EQ(JsonString("\xc0\xaf"), R"("\ufffd\ufffd")");                      // overlong
    EXPECT_EQ(JsonString("\xed\xa0\x80"), R"("\ufffd\ufffd\ufffd")");            // surrogate
    EXPECT_EQ(JsonString("\xf4\x90\x80\x80"), R"("\ufffd\ufffd\ufffd\ufffd")");  // > U+10FFFF
}

TEST(IsValidUtf8, AcceptsWellFormedTextOnly) {
    EXPECT_TRUE(IsValidUtf8("ANN"));
    EXPECT_TRUE(IsValidUtf8("Jos\xC3\xA9 \xE2\x80\x99 \xF0\x9F\x92\x96"));
    for (std::string_view broken :
         {"\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x80", "A\xFF"}) {
        EXPECT_FALSE(IsValidUtf8(broken)) << broken;
    }
}

TEST(WrapText, BreaksAtSpacesWithinTheWidthAndKeepsEveryWord) {
    const std::string_view text = "one two three four five six seven eight nine ten";
    for (std::size_t width : {1u, 5u, 9u, 10u, 14u, 80u}) {
        const std::string wrapped = WrapText(text, width);
        std::istringstream lines(wrapped);
        std::string line, rejoined;
        while (std::getline(lines, line)) {
            EXPECT_TRUE(line.size() <= width || line.find(' ') == std::string::npos)
                << width << ": " << line;
            rejoined += (rejoined.empty() ? "" : " ") + line;
        }
        EXPECT_EQ(rejoined, text) << width;
    }
    EXPECT_EQ(WrapText("aa bb cc", 5), "aa bb\ncc\n");
    EXPECT_EQ(WrapText("", 10), "");
}

TEST(TerminalWidth, ComesFromColumnsThenTheTerminalThen80) {
    const int notATerminal = open("/dev/null", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(notATerminal, 0);
    EXPECT_EQ(TerminalWidth("100", notATerminal), 100u);
    EXPECT_EQ(TerminalWidth(nullptr, notATerminal), 80u);
    EXPECT_EQ(TerminalWidth("", notATerminal), 80u);
    EXPECT_EQ(TerminalWidth("wide", notATerminal), 80u);
    EXPECT_EQ(TerminalWidth("0", notATerminal), 80u);
    EXPECT_EQ(TerminalWidth("-40", notATerminal), 80u);
    close(notATerminal);
}

struct RunResult {
    int code;
    std::string out, err;
};

RunResult RunWith(std::vector<std::string> args, std::size_t width = 80) {
    std::ostringstream out, err;
    const int code = Run(args, out, err, width);
    return {code, out.str(), err.str()};
}

TEST(ReadingCommand, MonthNamesInAnyCaseReachTheReadingCanonically) {
    const RunResult r = RunWith({"reading", "ANN", "7/mArCh/1975", "BOB", "1975-03-07"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("Date of birth: 7/March/1975\n"), std::string::npos);
    EXPECT_EQ(r.out.find("mArCh"), std::string::npos);
}

TEST(ReadingCommand, ParagraphLinesKeepToTheWidth) {
    for (std::size_t width : {30u, 50u, 120u}) {
        const RunResult r =
            RunWith({"reading", "ANN", "1/January/1930", "BOB", "1/January/1930"}, width);
        ASSERT_EQ(r.code, kExitOk);
        const std::size_t start = r.out.find("You will instantly");
        ASSERT_NE(start, std::string::npos);
        std::istringstream lines(r.out.substr(start));
        std::string line;
        int paragraphLines = 0;
        while (std::getline(lines, line) && !line.empty()) {
            EXPECT_LE(line.size(), width) << line;
            ++paragraphLines;
        }
        EXPECT_GT(paragraphLines, width < 100 ? 2 : 1);
    }
}

}  // namespace
}  // namespace amorist::cli
