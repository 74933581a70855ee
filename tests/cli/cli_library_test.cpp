#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "cli/batch.h"
#include "cli/commands.h"
#include "reading/birth_date.h"
#include "reading/couple.h"
#include "reading/language.h"
#include "reading/text_output.h"

namespace amorist::cli {
namespace {

struct DateCase {
    std::string_view text;
    int year, monthIndex, day;
};

TEST(ReadBirthDate, AcceptsBothForms) {
    const DateCase cases[] = {
        {"7/March/1975", 1975, 2, 7},
        {"07/march/1975", 1975, 2, 7},
        {"7/MARCH/1975", 1975, 2, 7},
        {"31/dEcEmBeR/2012", 2012, 11, 31},
        {"1975-03-07", 1975, 2, 7},
        {"1930-01-01", 1930, 0, 1},
        {"1980-06-31", 1980, 5, 31},  // refused later, by the birth-data check
        // Month names of any language, in any case, with or without accents.
        {"7/März/1975", 1975, 2, 7},
        {"7/MAERZ/1975", 1975, 2, 7},
        {"7/marz/1975", 1975, 2, 7},
        {"7/MA\u0308RZ/1975", 1975, 2, 7},
        {"7 MÄRZ 1975", 1975, 2, 7},
        {"15 AOÛT 1975", 1975, 7, 15},
        {"15. aout 1975", 1975, 7, 15},
        {"2 FE\u0301VRIER 1980", 1980, 1, 2},
        {"1ER Décembre 1999", 1999, 11, 1},
        {"9 De Marzo De 1960", 1960, 2, 9},
        // The 1st in the other days' form, with or without its "er".
        {"1 mars 1975", 1975, 2, 1},
        {"1er mars 1975", 1975, 2, 1},
        {"1 März 1975", 1975, 2, 1},
        {"1 maerz 1975", 1975, 2, 1},
        {"1. März 1975", 1975, 2, 1},
        {"1 de marzo de 1975", 1975, 2, 1},
        {"2 mars 1975", 1975, 2, 2},
    };
    for (const DateCase& c : cases) {
        const DateReading reading = ReadBirthDate(c.text, Language::EveryDateSpelling());
        ASSERT_TRUE(reading.ok()) << c.text << ": " << DateFaultReason(reading);
        EXPECT_EQ(reading.date.year, c.year) << c.text;
        EXPECT_EQ(reading.date.monthIndex, c.monthIndex) << c.text;
        EXPECT_EQ(reading.date.day, c.day) << c.text;
    }
}

TEST(ReadBirthDate, RefusesWithAReasonOnOneLine) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", "not a date; write it as 7/March/1975 or 1975-03-07"},
        {"7 de marzo 1975", "not a date"},
        {"7. Mörz 1975", "'Mörz' is not a month name"},
        {"1975-3-7", "not a date"},
        {"1975/03/07", "not a date"},
        {"7/03/1975", "'03' is not a month name"},
        {"7/Marc/1975", "'Marc' is not a month name"},
        {"7/March/75", "not a date"},
        {"7/March/1975/", "not a date"},
        {"+7/March/1975", "not a date"},
        // Digits only where digits go: no sign, no space, however short or long the number.
        {"-7/March/1975", "not a date"},
        {" 7/March/1975", "not a date"},
        {"7/March/ 1975", "not a date"},
        {"7/March/+975", "not a date"},
        {"7/March/-975", "not a date"},
        {"99999999999/March/1975", "not a date"},
        {"7/March/99999999999", "not a date"},
        {"-975-03-07", "not a date"},
        {"1975--3-07", "not a date"},
        {"1975-+3-07", "not a date"},
        {"1975- 3-07", "not a date"},
        {"1975-03--7", "not a date"},
        {"1975-03-+7", "not a date"},
        {"1975-03-7 ", "not a date"},
        {"7//1975", "'' is not a month name"},
        {"123/March/1975", "not a date"},
        {"1975-13-01", "month 13 is outside 01 to 12"},
        {"1975-00-01", "month 00 is outside 01 to 12"},
        {"1929-12-31", "year 1929 is outside 1930 to 2012"},
        {"1/January/2013", "year 2013 is outside 1930 to 2012"},
        {"32/March/1975", "day 32 is outside 1 to 31"},
        {"1975-03-00", "day 00 is outside 1 to 31"},
        {"0/March/1975", "day 0 is outside 1 to 31"},
        {std::string_view("1975-03-07\0", 11), "not a date"},
        {"7/\x1b[2J/1975", "'\\x1b[2J' is not a month name"},
        // Forms no translation prints: "er" after any day but the 1st, an
        // accent the month does not have, ae for a month without ä.
        {"7er mars 1975", "not a date"},
        {"2er mars 1975", "not a date"},
        {"2er März 1975", "not a date"},
        {"1er Mârz 1975", "'Mârz' is not a month name"},
        {"31ER Décembre 1999", "not a date"},
        {"7/Mârz/1975", "'Mârz' is not a month name"},
        {"7/Mäerz/1975", "'Mäerz' is not a month name"},
        {"7/Ma\u0308erz/1975", "is not a month name"},
        {"7/Maì/1975", "'Maì' is not a month name"},
    };
    for (const auto& [text, reason] : cases) {
        const DateReading reading = ReadBirthDate(text, Language::EveryDateSpelling());
        EXPECT_FALSE(reading.ok()) << text;
        const std::string why = DateFaultReason(reading);
        EXPECT_NE(why.find(reason), std::string::npos) << text << ": " << why;
    }
}

// Every date amorist-cli prints, in every language, reads back as that date,
// whatever language it is read in.
TEST(ReadBirthDate, ReadsBackEveryDatePrintedInEveryLanguage) {
    for (std::string_view code : {"en", "de", "fr", "es"}) {
        const std::optional<Language> language = Language::Named(code);
        ASSERT_TRUE(language) << code;
        for (int month = 0; month < 12; ++month) {
            for (int day : {1, 2, 31}) {
                const CalendarDate date{1975, month, day};
                std::string text;
                language->AppendDate(text, date);
                const DateReading reading = ReadBirthDate(text, Language::EveryDateSpelling());
                ASSERT_TRUE(reading.ok()) << text << ": " << DateFaultReason(reading);
                EXPECT_EQ(reading.date.monthIndex, month) << text;
                EXPECT_EQ(reading.date.day, day) << text;
                EXPECT_EQ(reading.date.year, 1975) << text;
            }
        }
    }
}

TEST(DateError, NamesTheArgumentAndKeepsItShortAndVisible) {
    EXPECT_EQ(DateError("TO", "1975-02-29", ReadCalendarDay("1975-02-29")),
              "TO '1975-02-29': not a day of the calendar");
    EXPECT_EQ(DateError("date", "1975-03-07\n", ReadBirthDate("1975-03-07\n")),
              "date '1975-03-07\\x0a': not a date; write it as 7/March/1975 or 1975-03-07");
    const std::string text(5000, '9');
    EXPECT_LT(DateError("date", text, ReadBirthDate(text)).size(), 200u);
}

TEST(ReadCalendarDay, RefusesDaysTheCalendarDoesNotHave) {
    EXPECT_TRUE(ReadCalendarDay("2000-02-29").ok());
    EXPECT_TRUE(ReadCalendarDay("29/February/1932").ok());
    EXPECT_FALSE(ReadCalendarDay("1975-02-29").ok());
    EXPECT_FALSE(ReadCalendarDay("31/april/1975").ok());
    EXPECT_FALSE(ReadCalendarDay("1975-13-01").ok());
}

// Both written forms, for the first and last days of the tables, one-digit and
// two-digit days and the longest month name, read back as the same date.
TEST(AppendDate, WritesBothFormsThatReadBack) {
    const struct {
        CalendarDate date;
        std::string_view iso, shown;
    } cases[] = {
        {{1930, 0, 1}, "1930-01-01", "1/January/1930"},
        {{1975, 8, 9}, "1975-09-09", "9/September/1975"},
        {{1999, 4, 10}, "1999-05-10", "10/May/1999"},
        {{2012, 11, 31}, "2012-12-31", "31/December/2012"},
    };
    for (const auto& c : cases) {
        std::string iso = "[", shown = "[";
        AppendIsoDate(iso, c.date);
        AppendShownDate(shown, c.date);
        EXPECT_EQ(iso, "[" + std::string(c.iso));
        EXPECT_EQ(shown, "[" + std::string(c.shown));
        for (std::string_view written : {c.iso, c.shown}) {
            const DateReading reading = ReadBirthDate(written, Language::EveryDateSpelling());
            ASSERT_TRUE(reading.ok()) << written;
            EXPECT_EQ(std::tie(reading.date.year, reading.date.monthIndex, reading.date.day),
                      std::tie(c.date.year, c.date.monthIndex, c.date.day))
                << written;
        }
    }
}

TEST(JsonString, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonString("plain"), "\"plain\"");
    EXPECT_EQ(JsonString("say \"hi\""), R"("say \"hi\"")");
    EXPECT_EQ(JsonString("a\\b"), R"("a\\b")");
    EXPECT_EQ(JsonString("line\nnext\ttab\r"), R"("line\u000anext\u0009tab\u000d")");
    EXPECT_EQ(JsonString(std::string_view("nul\0end", 7)), R"("nul\u0000end")");
    EXPECT_EQ(JsonString("\x1f\x7f"), R"("\u001f\u007f")");
    EXPECT_EQ(JsonString("\xc2\x9b\xc2\x80\xc2\xa0"),
              "\"\\u009b\\u0080\xc2\xa0\"");  // C1; NBSP stays
}

// One rule for text and CSV: whatever a terminal would act on is spelled out,
// every other character is left alone.
TEST(AppendVisible, SpellsOutControlsAndBrokenBytesOnly) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Zoë Ångström 李小龍 🌹", "Zoë Ångström 李小龍 🌹"},
        {"\x1b[2J\x1b]0;pwn\a\r\nNumber: 12", R"(\x1b[2J\x1b]0;pwn\x07\x0d\x0aNumber: 12)"},
        {"a\x7f\tb", R"(a\x7f\x09b)"},
        {"\xc2\x9b"
         "31m",
         R"(\u009b31m)"},
        {"\xff\xc3", R"(\xff\xc3)"},
        {"back\\slash \"quoted\"", "back\\slash \"quoted\""},
    };
    for (const auto& [text, shown] : cases) {
        std::string out;
        AppendVisible(out, text);
        EXPECT_EQ(out, shown);
    }
    std::string csv;
    AppendCsvField(csv, "SMITH, \"ANN\"\n");
    EXPECT_EQ(csv, R"("SMITH, ""ANN""\x0a")");
}

// A name that turns the rest of its line around, or hides part of it, is
// spelled out on a terminal; JSON and CSV carry it as it is.
TEST(AppendVisible, SpellsOutWhatReordersTheLine) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"ANN\u202e21 :rebmuN", R"(ANN\u202e21 :rebmuN)"},
        {"\u202a\u202b\u202c\u202d", R"(\u202a\u202b\u202c\u202d)"},
        {"\u2066x\u2067y\u2068z\u2069", R"(\u2066x\u2067y\u2068z\u2069)"},
        {"A\u200bB\u200dC\u200e\u200f\u2060\ufeff\u061c",
         R"(A\u200bB\u200dC\u200e\u200f\u2060\ufeff\u061c)"},
        {"\u2029\u2070\u05d0\u202f", "\u2029\u2070\u05d0\u202f"},
    };
    for (const auto& [text, shown] : cases) {
        std::string out;
        AppendVisible(out, text);
        EXPECT_EQ(out, shown);
        std::string csv;
        AppendCsvField(csv, text);
        EXPECT_EQ(csv, text);
        EXPECT_EQ(JsonString(text), '"' + std::string(text) + '"');
    }
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
    EXPECT_EQ(WrapText("été été\u00a0! été", 9), "été été\u00a0!\nété\n");  // characters, not bytes
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

struct CsvCase {
    std::string_view line;
    CsvFault fault;
    std::string_view name = {}, partnerName = {};
};

TEST(SplitCsvCouple, FollowsRfc4180WithinOneLine) {
    const CsvCase cases[] = {
        {"ANN,1975-03-07,BOB,7/March/1975", CsvFault::None, "ANN", "BOB"},
        {R"("SMITH, ANN",d,"BOB ""B""",d)", CsvFault::None, "SMITH, ANN", R"(BOB "B")"},
        {R"("",d,"""",d)", CsvFault::None, "", "\""},
        {"ANN,d,BOB", CsvFault::FieldCount},
        {"ANN,d,BOB,d,", CsvFault::FieldCount},
        {R"("ANN,d,BOB,d)", CsvFault::UnclosedQuote},
        {R"(A"NN,d,BOB,d)", CsvFault::QuoteInBareField},
        {R"("ANN"X,d,BOB,d)", CsvFault::TextAfterQuote},
    };
    for (const CsvCase& c : cases) {
        std::string scratch(c.line.size(), '\0');
        const CsvCouple couple = SplitCsvCouple(c.line, scratch.data());
        EXPECT_EQ(couple.fault, c.fault) << c.line;
        if (c.fault == CsvFault::None) {
            EXPECT_EQ(couple.args.name, c.name) << c.line;
            EXPECT_EQ(couple.args.partnerName, c.partnerName) << c.line;
        }
    }
}

TEST(LineSplitter, SameLinesHoweverTheInputIsCut) {
    const std::string longLine(LineSplitter::kLongestLine + 1, 'x');
    const std::string input = "a\r\nb\n\n" + longLine + "\r\nc\n" + longLine.substr(1) + "\r";
    for (std::size_t piece : {1u, 7u, 4096u, 1u << 20}) {
        std::vector<std::string> lines;
        LineSplitter splitter;
        auto keep = [&](const LineSplitter::Line& line) {
            lines.push_back(std::to_string(line.number) +
                            (line.tooLong ? "!" : ":" + std::string(line.text.substr(0, 3))));
        };
        for (std::size_t at = 0; at < input.size(); at += piece)
            splitter.Feed(std::string_view(input).substr(at, piece), keep);
        splitter.Finish(keep);
        EXPECT_EQ(lines, (std::vector<std::string>{"1:a", "2:b", "3:", "4!", "5:c", "6:xxx"}))
            << piece;
    }
}

// The records the splitter finds in input fed in pieces of the given size:
// "N:text" for a record starting on line N, "N!" for one too long, "N?" for
// one whose quote is never closed.
std::vector<std::string> SplitRecords(std::string_view input, std::size_t piece) {
    std::vector<std::string> records;
    LineSplitter splitter;
    auto keep = [&](const LineSplitter::Line& line) {
        const std::string number = std::to_string(line.number);
        records.push_back(line.tooLong         ? number + "!"
                          : line.unclosedQuote ? number + "?"
                                               : number + ":" + std::string(line.text));
    };
    for (std::size_t at = 0; at < input.size(); at += piece)
        splitter.Feed(input.substr(at, piece), keep);
    splitter.Finish(keep);
    return records;
}

// Records as spreadsheets write them.
TEST(LineSplitter, RecordsAsSpreadsheetsWriteThem) {
    const std::string longLine(70000, 'y');
    const struct {
        std::string input;
        std::vector<std::string> records;
    } cases[] = {
        {"\xEF\xBB\xBFname,date\nA,d\n", {"1:name,date", "2:A,d"}},
        {"\xEF\xBB\xBF\xEF\xBB\xBF"
         "ANN",
         {"1:\xEF\xBB\xBF"
          "ANN"}},
        {"\xEF\xBBx\n\xEF\xBB\xBF", {"1:\xEF\xBBx", "2:\xEF\xBB\xBF"}},
        {"a\rb\r\rc", {"1:a", "2:b", "3:", "4:c"}},
        {"\"A\nB\",d\r\n\"C\r\nD\"\rX", {"1:\"A\nB\",d", "3:\"C\r\nD\"", "5:X"}},
        {"a\n\"b,c\nd\r\ne", {"1:a", "2?", "3:d", "4:e"}},
        {"\"x\n" + longLine + "\nz\n", {"1?", "2!", "3:z"}},
        {"\"" + longLine + "\nz\"\n", {"1?", "2:z\""}},
        // Where a quote opens a field, and where a doubled one does not close it.
        {"\"a\"\",\nb\"\nz\n", {"1:\"a\"\",\nb\"", "3:z"}},
        {"a\"b,\"c\nd\"\nz\n", {"1:a\"b,\"c\nd\"", "3:z"}},
        {"\"a\"b\"c,\"d\ne\"\n\"\"\n", {"1:\"a\"b\"c,\"d\ne\"", "3:\"\""}},
        {"a\rb\nc\r\n", {"1:a", "2:b", "3:c"}},
    };
    for (const auto& c : cases) {
        for (std::size_t piece : {1u, 7u, 1u << 20})
            EXPECT_EQ(SplitRecords(c.input, piece), c.records)
                << c.input.substr(0, 20) << " in pieces of " << piece;
    }
}

// The records of an input in one piece, where most are found by a quick
// search, are those found byte by byte: random inputs of the characters that
// matter to a record's end.
TEST(LineSplitter, OnePieceAndByteByByteAgree) {
    constexpr std::string_view kCharacters = "a,\"\r\n";
    std::mt19937 random(27);
    for (int round = 0; round < 5000; ++round) {
        std::string input(random() % 24, ' ');
        for (char& c : input)
            c = kCharacters[random() % kCharacters.size()];
        ASSERT_EQ(SplitRecords(input, input.size() + 1), SplitRecords(input, 1)) << input;
    }
}

// A line that closes a quote and opens the next keeps every record open to
// the end: each such line is a record whose quote never closes, and each line
// that closes on its own is read as it is; past the longest record too.
TEST(LineSplitter, QuotesReopenedOnEveryLineGiveOneBadRecordALine) {
    std::string grouped;
    std::vector<std::string> groupedRecords;
    for (int group = 0; group < 3000; ++group) {
        grouped += "a\",\"x\na\",\"x\r\nb,c\n";
        const std::size_t first = groupedRecords.size() + 1;
        groupedRecords.insert(groupedRecords.end(),
                              {std::to_string(first) + "?", std::to_string(first + 1) + "?",
                               std::to_string(first + 2) + ":b,c"});
    }
    grouped += "a\",\"x\nok";
    groupedRecords.push_back(std::to_string(groupedRecords.size() + 1) + "?");
    groupedRecords.push_back(std::to_string(groupedRecords.size() + 1) + ":ok");
    std::string reopened;
    std::vector<std::string> reopenedRecords;
    for (int line = 1; line <= 20000; ++line) {
        reopened += "a\",\"x\n";
        reopenedRecords.push_back(std::to_string(line) + "?");
    }
    const std::pair<const std::string&, const std::vector<std::string>&> cases[] = {
        {grouped, groupedRecords}, {reopened, reopenedRecords}};
    for (const auto& [input, expected] : cases) {
        for (std::size_t piece : {1u, 4093u, 1u << 20})
            EXPECT_EQ(SplitRecords(input, piece), expected)
                << input.size() << " bytes in pieces of " << piece;
    }
}

struct RunResult {
    int code;
    std::string out, err;
};

RunResult RunWith(std::vector<std::string> args, std::size_t width = 80) {
    RunResult r;
    Output out(r.out), err(r.err);
    r.code = Run(args, {-1, out, err, width});
    return r;
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
