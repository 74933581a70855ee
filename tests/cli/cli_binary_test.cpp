#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "reading/language.h"
#include "core/ephemeris/zodiac.h"
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
    EXPECT_EQ(f.out,
              R"({"you": {"name": "Ann \"Jo\"\\\u000aSmith", "date": "1930-01-01", )"
              R"("date_shown": "1/January/1930", "mars": "Capricorn", "venus": "Capricorn"}, )"
              R"("partner": {"name": "Zoë", "date": "1930-01-01", )"
              R"("date_shown": "1/January/1930", "mars": "Capricorn", "venus": "Capricorn"}, )"
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
    const Finished f =
        RunCli({"reading", " ANN ", "7/February/1930", "BOB", "1930-05-01"}, {.columns = "60"});
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

// --lang: the plain reading wholly in the language; in JSON and CSV only the
// colour, category and paragraph values change.
struct LanguageCase {
    std::string lang;
    std::vector<std::string> lines;  // some lines of the plain reading
    std::string heading;             // the line before each paragraph
    std::string csvReadings;         // number1,category1,number2,category2
};

const LanguageCase kLanguages[] = {
    {"de",
     {"Sie: ANN", "Geburtsdatum: 7. Februar 1930", "Marszeichen: Wassermann", "Partner: BOB",
      "Venuszeichen: Zwillinge", "Erste Deutung: Ihr Mars mit der Venus Ihres Partners",
      "Zeichenpaar: Wassermann-Zwillinge", "Zahl: 5", "Farbe: Magenta", "Stichwort: Aufregend"},
     "Ihre romantische Kompatibilität:",
     "5,Aufregend,3,Verständnisvoll"},
    {"fr",
     {"Vous\u00a0: ANN", "Date de naissance\u00a0: 1er mai 1930", "Signe de Vénus\u00a0: Gémeaux",
      "Paire de signes\u00a0: Verseau-Bélier", "Mot-clé\u00a0: Complice"},
     "Votre compatibilité amoureuse\u00a0:",
     "5,Pétillante,3,Complice"},
    {"es",
     {"Tú: ANN", "Fecha de nacimiento: 7 de febrero de 1930", "Signo de Marte: Aries",
      "Combinación: Acuario-Géminis", "Color: Lila", "Palabra clave: Vibrante"},
     "Su compatibilidad amorosa:",
     "5,Vibrante,3,Cómplice"},
};

std::string WithoutTranslatedValues(const std::string& json) {
    static const std::regex kValue(R"re("(colour|category|paragraph)": "([^"\\]|\\.)*")re");
    return std::regex_replace(json, kValue, "\"$1\": ...");
}

TEST(CliLanguage, ReadingsInTheLanguageWithDataValuesKept) {
    const std::vector<std::string> couple = {"ANN", "7/February/1930", "BOB", "1930-05-01"};
    auto run = [&](std::vector<std::string> args, const std::string& lang) {
        if (args[0] == "reading")
            args.insert(args.end(), couple.begin(), couple.end());
        if (!lang.empty())
            args.insert(args.end(), {"--lang", lang});
        return RunCli(args, {.columns = "40", .input = "A,7/February/1930,B,1930-05-01\n"});
    };
    const std::string englishJson = run({"reading", "--json"}, "").out;
    for (const LanguageCase& c : kLanguages) {
        const Finished plain = run({"reading"}, c.lang);
        ASSERT_EQ(plain.exitCode, 0) << c.lang << plain.err;
        const std::vector<std::string> lines = Lines(plain.out);
        for (const std::string& line : c.lines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << c.lang << line;
        for (const char* english : {"Date of birth", "Aquarius", "Keywords", "February", "This "})
            EXPECT_EQ(plain.out.find(english), std::string::npos) << c.lang << english;
        // Paragraphs are wrapped by characters ("é" is one column): no line is
        // longer than 40, and none could have taken the next line's first word.
        auto columns = [](std::string_view text) {
            return std::count_if(text.begin(), text.end(),
                                 [](char b) { return (b & 0xC0) != 0x80; });
        };
        int paragraphs = 0;
        for (auto line = lines.begin(); line != lines.end(); ++line) {
            if (*line != c.heading)
                continue;
            ++paragraphs;
            for (++line; line != lines.end() && !line->empty(); ++line) {
                EXPECT_LE(columns(*line), 40) << c.lang << *line;
                if (line + 1 != lines.end() && !line[1].empty()) {
                    EXPECT_GT(columns(*line) + 1 + columns(line[1].substr(0, line[1].find(' '))),
                              40)
                        << c.lang << *line;
                }
            }
            if (line == lines.end())
                break;
        }
        EXPECT_EQ(paragraphs, 2) << c.lang;

        const Finished json = run({"reading", "--json"}, c.lang);
        EXPECT_EQ(WithoutTranslatedValues(json.out), WithoutTranslatedValues(englishJson));
        EXPECT_NE(json.out, englishJson);
        const std::string csv = run({"batch"}, c.lang).out;
        EXPECT_TRUE(
            csv.ends_with(",Aquarius,Aquarius,B,1930-05-01,Aries,Gemini," + c.csvReadings + "\n"))
            << csv;
    }
}

// Without --lang the output is English whatever the environment asks for.
TEST(CliLanguage, EnvironmentNeverChangesTheOutput) {
    const std::vector<std::string> args = {"reading", "ANN", "1975-03-07", "BOB", "1978-11-23"};
    const std::string english = RunCli(args).out;
    ASSERT_TRUE(english.starts_with("You: ANN\nDate of birth: 7/March/1975\n")) << english;
    const Finished german =
        RunCli(args, {.environment = {"LANGUAGE=de", "LANG=de_DE.UTF-8", "LC_ALL=de_DE.UTF-8"}});
    EXPECT_EQ(german.out, english);
    std::vector<std::string> withEn = args;
    withEn.insert(withEn.end(), {"--lang", "en"});
    EXPECT_EQ(RunCli(withEn).out, english);
}

// With --lang a refusal is in the language: the program's prefix and the
// argument as typed stay, the check's message is the translation's.
TEST(CliLanguage, RefusalsInTheLanguage) {
    struct Refusal {
        std::vector<std::string> args;
        std::string input;         // for batch
        std::string_view typed;    // the argument, as typed
        std::string_view english;  // the check's message, in context birth_data_check
    };
    const Refusal refusals[] = {
        {{"reading", "", "7 mars 1975", "BOB", "1975-03-07"}, "", "", "Please Enter Your Name"},
        {{"reading", "ANN", "1975-02-31", "", "1975-03-07"},
         "",
         "1975-02-31",
         "Please Enter Your Correct Date of Birth!"},
        {{"reading", "ANN", "1975-03-07", "BOB", "31. November 1975"},
         "",
         "31. November 1975",
         "Please Enter Correct Date Or Month Of Your Friend !"},
        {{"batch"},
         "A,1er mars 1975,B,29 de febrero de 2001\n",
         "29 de febrero de 2001",
         "Please Enter Correct Date Or Month Of Your Friend!"},
    };
    // Each language quotes what was typed with its own marks.
    const std::map<std::string_view, std::string_view> quotes = {
        {"de", "\u201e%1\u201c"}, {"fr", "\u00ab\u00a0%1\u00a0\u00bb"}, {"es", "\u00ab%1\u00bb"}};
    for (const auto& [code, form] : quotes) {
        const auto quoted = [form](std::string_view typed) {
            std::string text(form);
            return text.replace(text.find("%1"), 2, typed);
        };
        const std::optional<reading::Language> language = reading::Language::Named(code);
        ASSERT_TRUE(language) << code;
        for (const Refusal& refusal : refusals) {
            std::vector<std::string> args = refusal.args;
            args.insert(args.end(), {"--lang", std::string(code)});
            const Finished f = RunCli(args, {.input = refusal.input});
            EXPECT_EQ(f.exitCode, kBadInput) << f.err;
            EXPECT_TRUE(f.err.starts_with("amorist-cli: ")) << f.err;
            EXPECT_NE(f.err.find(' ' + quoted(refusal.typed)), std::string::npos) << f.err;
            EXPECT_TRUE(
                f.err.ends_with(language->Translated("birth_data_check", refusal.english) + "\n"))
                << f.err;
            EXPECT_EQ(f.err.find(refusal.english), std::string::npos) << f.err;
        }
        const Finished badDate = RunCli(
            {"reading", "--lang", std::string(code), "ANN", "7/Marc/1975", "BOB", "1975-03-07"});
        EXPECT_NE(badDate.err.find(quoted("Marc")), std::string::npos) << badDate.err;
        EXPECT_EQ(badDate.err.find('\''), std::string::npos) << badDate.err;
        EXPECT_EQ(badDate.err.find("month name"), std::string::npos) << badDate.err;
    }
}

// batch --json --lang repeats reading --json --lang byte for byte.
TEST(CliLanguage, BatchJsonIsWhatReadingPrintsInEachLanguage) {
    const std::vector<std::vector<std::string>> couples = {
        {"ANN", "7/March/1975", "BOB", "1978-11-23"},
        {"Zoë", "1930-01-01", "Émile", "2012-12-31"},
        {"C", "1961-02-06", "D", "29/February/2000"},
    };
    std::string input;
    for (const auto& c : couples)
        input += c[0] + "," + c[1] + "," + c[2] + "," + c[3] + "\n";
    for (const LanguageCase& lang : kLanguages) {
        std::string expected;
        for (const auto& c : couples)
            expected +=
                RunCli({"reading", "--json", "--lang", lang.lang, c[0], c[1], c[2], c[3]}).out;
        const Finished batch = RunCli({"batch", "--json", "--lang=" + lang.lang}, {.input = input});
        EXPECT_EQ(batch.exitCode, 0) << batch.err;
        EXPECT_EQ(batch.out, expected) << lang.lang;
    }
}

struct HelpCase {
    std::vector<std::string> args;
    std::string_view startsWith;
};

TEST(CliOptions, HelpForTheProgramAndEachCommandAndVersion) {
    const HelpCase cases[] = {
        {{"--help"}, "Usage: amorist-cli COMMAND"},
        {{"-h", "--json"}, "Usage: amorist-cli COMMAND"},
        {{"reading", "--help"}, "Usage: amorist-cli reading [OPTION]... NAME DATE"},
        {{"-h", "reading", "ANN"}, "Usage: amorist-cli reading"},
        {{"batch", "-h"}, "Usage: amorist-cli batch [OPTION]... [FILE]"},
        {{"signs", "1975-03-07", "--help"}, "Usage: amorist-cli signs [OPTION]... [FROM [TO]]"},
        {{"--version"}, "amorist-cli 1.0.0\n"},
        {{"signs", "-V"}, "amorist-cli 1.0.0\n"},
    };
    for (const HelpCase& c : cases) {
        const Finished f = RunCli(c.args);
        EXPECT_EQ(f.exitCode, 0) << c.args[0];
        EXPECT_EQ(f.err, "");
        EXPECT_TRUE(f.out.starts_with(c.startsWith)) << f.out;
        if (f.out.starts_with("Usage")) {
            EXPECT_NE(f.out.find("\nExit status:\n  0  success\n"), std::string::npos) << f.out;
        }
    }
}

// The table --help prints is the one the man page and the README give.
TEST(CliOptions, ExitStatusTableIsTheSameInHelpManPageAndReadme) {
    const std::string help = RunCli({"--help"}).out;
    const std::vector<std::string> lines = Lines(help.substr(help.find("Exit status:")));
    ASSERT_GE(lines.size(), 4u);
    for (const char* file : {"/README.md", "/docs/man/amorist-cli.1.scd"}) {
        std::ifstream in(std::string(AMORIST_SOURCE_DIR) + file);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        ASSERT_FALSE(text.empty()) << file;
        for (std::size_t i = 1; i <= 3; ++i) {
            const std::string meaning = lines[i].substr(lines[i].find_first_not_of(" 012"));
            EXPECT_NE(text.find(meaning), std::string::npos) << file << ": " << meaning;
        }
    }
}

TEST(CliOptions, MayComeAnywhereAndDoubleDashEndsThem) {
    const std::string expected =
        RunCli({"reading", "--json", "ANN", "1975-03-07", "BOB", "1978-11-23"}).out;
    ASSERT_TRUE(expected.starts_with(R"({"you": {"name": "ANN")")) << expected;
    const std::vector<std::string> placements[] = {
        {"--json", "reading", "ANN", "1975-03-07", "BOB", "1978-11-23"},
        {"reading", "ANN", "1975-03-07", "--json", "BOB", "1978-11-23"},
        {"reading", "ANN", "1975-03-07", "BOB", "1978-11-23", "--json"},
        {"reading", "--js", "ANN", "1975-03-07", "BOB", "--", "1978-11-23"},
    };
    for (const std::vector<std::string>& args : placements)
        EXPECT_EQ(RunCli(args).out, expected) << args[1] << " " << args[3];
    const Finished dashed =
        RunCli({"reading", "--json", "--", "-ANN", "1975-03-07", "--json", "1978-11-23"});
    EXPECT_EQ(dashed.exitCode, 0) << dashed.err;
    EXPECT_NE(dashed.out.find(R"("name": "-ANN")"), std::string::npos);
    EXPECT_NE(dashed.out.find(R"("name": "--json")"), std::string::npos);
}

// Lost output is an error, not a success: one line on stderr and status 1.
TEST(CliOutput, AFullDiskIsReportedWithStatus1) {
    const std::vector<std::string> commands[] = {
        {"signs"},
        {"reading", "ANN", "1975-03-07", "BOB", "1978-11-23"},
        {"batch", "--json"},
        {"--help"},
        {"card", "ANN", "1975-03-07", "BOB", "1978-11-23"},
    };
    for (const std::vector<std::string>& args : commands) {
        const Finished f =
            RunCli(args, {.input = "ANN,1975-03-07,BOB,1978-11-23\n", .stdoutPath = "/dev/full"});
        EXPECT_EQ(f.exitCode, 1) << args[0];
        EXPECT_EQ(f.err, "amorist-cli: write error: No space left on device\n") << args[0];
    }
}

TEST(CliOutput, NamesCannotReachTheTerminalRaw) {
    const std::string name = "\x1b[2J\x1b]0;pwn\a\r\nNumber: 12\xc2\x9b\xff";
    const Finished plain = RunCli({"reading", name, "1975-03-07", "B", "1978-11-23"});
    EXPECT_TRUE(plain.out.starts_with(
        "You: \\x1b[2J\\x1b]0;pwn\\x07\\x0d\\x0aNumber: 12\\u009b\\xff\nDate of birth:"))
        << plain.out;
    const Finished json = RunCli({"reading", "--json", name, "1975-03-07", "B", "1978-11-23"});
    EXPECT_NE(json.out.find(R"("name": "\u001b[2J\u001b]0;pwn\u0007\u000d\u000aNumber: 12)"
                            R"(\u009b\ufffd")"),
              std::string::npos)
        << json.out;
    const Finished error = RunCli({"reading", name, "1975-03-07", "", "1978-11-23"});
    EXPECT_EQ(error.err, "amorist-cli: partner's name '': Please Enter Your Partner's Name\n");
    const Finished command = RunCli({name});
    EXPECT_TRUE(command.err.starts_with("amorist-cli: unknown command '\\x1b[2J")) << command.err;
    for (const std::string& text : {plain.out, json.out, command.err}) {
        EXPECT_EQ(text.find_first_of("\x1b\a\r"), std::string::npos);
        EXPECT_EQ(text.find("\xc2\x9b"), std::string::npos);
    }
}

TEST(CliSigns, JsonWritesOneObjectPerLineAndTakesBothDateForms) {
    EXPECT_EQ(RunCli({"signs", "6/february/1930", "--json", "1930-02-07"}).out,
              "{\"date\":\"1930-02-06\",\"mars\":\"Capricorn\",\"venus\":\"Aquarius\"}\n"
              "{\"date\":\"1930-02-07\",\"mars\":\"Aquarius\",\"venus\":\"Aquarius\"}\n");
}

constexpr std::string_view kBatchInput =
    "name,date,partner_name,partner_date\r\n"
    "\"SMITH, ANN\",7/March/1975,\"BOB \"\"B\"\"\",1978-11-23\r\n"
    "\n"
    "ANN,1975-02-31,BOB,1975-01-01\n"
    "ANN,1975-03-07,BOB\n"
    "  \n"
    "\"ANN,1975-03-07,BOB,1978-11-23\n"
    "\xff\xc2\x9b,1930-01-01,Zoë,31/December/2012";

TEST(CliBatch, CsvInCsvOutBadLinesReportedInOrderWithStatus2) {
    const Finished f = RunCli({"batch"}, {.input = std::string(kBatchInput)});
    EXPECT_EQ(f.exitCode, 2);
    EXPECT_EQ(f.out,
              "name,date,mars,venus,partner_name,partner_date,partner_mars,partner_venus,"
              "number1,category1,number2,category2\n"
              "\"SMITH, ANN\",1975-03-07,Aquarius,Aries,\"BOB \"\"B\"\"\",1978-11-23,"
              "Sagittarius,Scorpio,10,Fiery,9,Happening\n"
              "\\xff\\u009b,1930-01-01,Capricorn,Capricorn,Zoë,2012-12-31,Aquarius,Sagittarius,"
              "12,Difficult,2,Difficult\n");
    EXPECT_EQ(f.err,
              "amorist-cli: line 4: date '1975-02-31': Please Enter Your Correct Date of Birth!\n"
              "amorist-cli: line 5: expected 4 fields, name,date,partner_name,partner_date, "
              "found 3\n"
              "amorist-cli: line 7: a quoted field is not closed within 65536 bytes or by the end "
              "of the input\n");
    // As a spreadsheet saves it: a byte-order mark, CR line ends, a name over two lines.
    const Finished saved = RunCli(
        {"batch"}, {.input = "\xEF\xBB\xBFname,date,partner_name,partner_date\r\"ANN\rLEE\","
                             "7/March/1975,SAM RIVERS,1978-11-23\r"});
    EXPECT_EQ(saved.err, "");
    EXPECT_EQ(Lines(saved.out).at(1).substr(0, 22), "ANN\\x0dLEE,1975-03-07,");
    const Finished good = RunCli({"batch", "-"}, {.input = "A,1975-03-07,B,1975-03-07\n"});
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_EQ(Lines(good.out).size(), 2u);  // the header and the couple
    EXPECT_EQ(RunCli({"batch", "/nonexistent/couples.csv"}).exitCode, 1);
}

// An input that cannot be had is named in the language of --lang, with its
// own quotes; the system's reason follows.
TEST(CliBatch, AnInputThatCannotBeReadIsNamedInTheLanguageAsked) {
    const std::string folder = ::testing::TempDir();
    struct Case {
        const char* lang;
        std::string path, says;
    };
    const Case cases[] = {
        {"en", "/nonexistent/couples.csv", "cannot open '/nonexistent/couples.csv': "},
        {"de", "/nonexistent/couples.csv",
         "\u201e/nonexistent/couples.csv\u201c kann nicht ge\u00f6ffnet werden: "},
        {"en", folder, "cannot read '" + folder + "': "},
        {"de", folder, "\u201e" + folder + "\u201c kann nicht gelesen werden: "},
    };
    for (const Case& c : cases) {
        const Finished f = RunCli({"batch", "--lang", c.lang, c.path});
        EXPECT_EQ(f.exitCode, 1) << c.lang << ' ' << c.path;
        EXPECT_TRUE(f.err.starts_with("amorist-cli: " + c.says)) << f.err;
    }
}

// Every message about a bad line is in the language of --lang, its line
// number included.
TEST(CliBatch, BadLinesAreReportedInTheLanguageAsked) {
    const std::string input = "A,1975-03-07,B\n" + std::string("A,1975-03-07,B\"x,1975-03-07\n") +
                              "\"A\"x,1975-03-07,B,1975-03-07\n" +
                              std::string(70000, 'y') + "\n\"A,1975-03-07,B,1975-03-07\n";
    const std::string_view english[] = {"line ", "expected", "found", "begin with a quote",
                                        "closing quote", "not closed", "longer than"};
    for (const char* lang : {"de", "fr", "es"}) {
        const Finished f = RunCli({"batch", "--lang", lang}, {.input = input});
        EXPECT_EQ(f.exitCode, 2);
        const std::vector<std::string> lines = Lines(f.err);
        ASSERT_EQ(lines.size(), 5u) << lang << f.err;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            EXPECT_NE(lines[k].find(std::to_string(k + 1)), std::string::npos) << lines[k];
            for (std::string_view word : english)
                EXPECT_EQ(lines[k].find(word), std::string::npos) << lang << ": " << lines[k];
        }
    }
}

// batch --json must say what reading --json says, byte for byte, for good
// couples and bad ones alike.
TEST(CliBatch, JsonLinesAreWhatReadingPrintsForRandomCouples) {
    const std::vector<std::string> names = {
        "ANN", "Zoë Ångström",   "SMITH, ANN",       "BOB \"B\"", "-dash", "",
        " ",   "\x1b[31m\t\x7f", "\xc2\x9b\xff\xc3", "李 小龍",   "a\\b",
    };
    std::mt19937 random(20240611);
    auto pick = [&](int from, int to) { return std::uniform_int_distribution(from, to)(random); };
    auto date = [&] {
        const int year = pick(1928, 2014), month = pick(1, 12), day = pick(1, 32);
        char text[40];
        if (pick(0, 1) == 0) {
            std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        } else {
            std::snprintf(text, sizeof text, "%d/%s/%d", day,
                          std::string(kMonthNames[month - 1]).c_str(), year);
        }
        return std::string(text);
    };
    auto field = [](const std::string& text) {
        if (text.find_first_of(",\"") == std::string::npos)
            return text;
        std::string quoted = "\"";
        for (char c : text)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + "\"";
    };
    std::string input, expectedOut, expectedErr;
    for (int line = 1; line <= 200; ++line) {
        const std::vector<std::string> args = {names[pick(0, 10)], date(), names[pick(0, 10)],
                                               date()};
        input += field(args[0]) + "," + args[1] + "," + field(args[2]) + "," + args[3] + "\n";
        const Finished reading =
            RunCli({"reading", "--json", "--", args[0], args[1], args[2], args[3]});
        expectedOut += reading.out;
        if (!reading.err.empty()) {
            expectedErr += "amorist-cli: line " + std::to_string(line) + ": " +
                           reading.err.substr(std::string_view("amorist-cli: ").size());
        }
    }
    const Finished batch = RunCli({"batch", "--json"}, {.input = input});
    EXPECT_EQ(batch.out, expectedOut);
    EXPECT_EQ(batch.err, expectedErr);
    EXPECT_GT(Lines(expectedOut).size(), 100u);  // most couples are good ones
    EXPECT_FALSE(expectedErr.empty());
}

TEST(CliCard, ChecksAsReadingDoesWithTheSameMessagesAndStatuses) {
    const std::vector<std::string> couples[] = {
        {"ANN", "7/Marc/1975", "BOB", "1975-03-07"},
        {"ANN", "1975-03-07", "", "1975-03-07"},
        {"ANN", "29/February/1990", "BOB", "1975-03-07"},
        {"ANN", "1/January/2013", "BOB", "1975-03-07"},
        {"--lang", "fr", "ANN", "1975-03-07", "BOB", "2001-02-29"},
        {"--lang", "de", "", "1975-03-07", "BOB", "1975-03-07"},
        {"ANN", "1975-03-07", "BOB"},
        {"ANN", "1975-03-07", "BOB", "1975-03-07", "x"},
    };
    for (const std::vector<std::string>& couple : couples) {
        std::vector<std::string> reading{"reading"}, card{"card"};
        reading.insert(reading.end(), couple.begin(), couple.end());
        card.insert(card.end(), couple.begin(), couple.end());
        const Finished read = RunCli(reading);
        const Finished drawn = RunCli(card);
        EXPECT_EQ(drawn.exitCode, kBadInput) << couple[1];
        EXPECT_EQ(drawn.out, "");
        EXPECT_EQ(drawn.err, std::regex_replace(read.err, std::regex("reading"), "card"));
    }
    EXPECT_NE(RunCli({"card", "--json", "A", "1975-03-07", "B", "1975-03-07"})
                  .err.find("option --json does not apply to card"),
              std::string::npos);
    EXPECT_NE(RunCli({"reading", "--no-names", "A", "1975-03-07", "B", "1975-03-07"})
                  .err.find("option --no-names does not apply to reading"),
              std::string::npos);
}

TEST(CliCard, WritesTheSvgWithOrWithoutTheNames) {
    const Finished named = RunCli({"card", "ALEX MORGAN", "7/March/1975", "SAM", "1978-11-23"});
    EXPECT_EQ(named.exitCode, 0);
    EXPECT_EQ(named.err, "");
    EXPECT_TRUE(named.out.starts_with("<?xml")) << named.out;
    EXPECT_NE(named.out.find(">ALEX MORGAN</text>"), std::string::npos);
    EXPECT_NE(named.out.find(">Fiery</text>"), std::string::npos);
    const Finished anonymous = RunCli(
        {"card", "--no-names", "--lang", "de", "ALEX MORGAN", "7/March/1975", "SAM", "1978-11-23"});
    EXPECT_EQ(anonymous.exitCode, 0);
    EXPECT_EQ(anonymous.out.find("ALEX"), std::string::npos);
    EXPECT_EQ(anonymous.out.find(">SAM<"), std::string::npos);
    EXPECT_NE(anonymous.out.find("Wassermann"), std::string::npos);  // Aquarius
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
        BadInput{{}, "no command given; try 'amorist-cli --help'"},
        BadInput{{"frobnicate"}, "unknown command 'frobnicate'"},
        BadInput{{"--json"}, "no command given"},
        BadInput{{"--version", "x"}, "unknown command 'x'"},
        BadInput{{"--jsn"}, "unknown option '--jsn'; try 'amorist-cli --help'"},
        BadInput{{"-x", "signs"}, "unknown option '-x'; try 'amorist-cli signs --help'"},
        BadInput{{"signs", "--json=yes"}, "option --json takes no value"},
        BadInput{{"signs", "1929-12-31"}, "FROM '1929-12-31': year 1929"},
        BadInput{{"signs", "1930-01-01", "2013-01-01"}, "TO '2013-01-01': year 2013"},
        BadInput{{"signs", "1975-02-29"}, "not a day of the calendar"},
        BadInput{{"signs", "7/Marc/1975"}, "FROM '7/Marc/1975': 'Marc' is not a month name"},
        BadInput{{"signs", "1975-03-08", "1975-03-07"}, "comes after"},
        BadInput{{"signs", kDay, kDay, "1975-03-09"}, "unexpected argument '1975-03-09'"},
        BadInput{{"batch", "a.csv", "b.csv"}, "unexpected argument 'b.csv'"},
        BadInput{{"reading", "ANN", kDay, "BOB"},
                 "reading needs NAME DATE PARTNER_NAME PARTNER_DATE; try 'amorist-cli reading "
                 "--help'"},
        BadInput{{"reading", "ANN", kDay, "BOB", kDay, "--xml"},
                 "unknown option '--xml'; try 'amorist-cli reading --help'"},
        BadInput{{"reading", "-ANN", kDay, "BOB", kDay}, "unknown option '-A'"},
        BadInput{{"reading", "ANN", kDay, "BOB", kDay, "--json", "x"}, "unexpected argument 'x'"},
        BadInput{{"reading", "ANN", "7/Marc/1975", "BOB", kDay},
                 "date '7/Marc/1975': 'Marc' is not a month name"},
        BadInput{{"reading", "ANN", kDay, "BOB", "1975-3-7"}, "partner's date '1975-3-7': not a"},
        BadInput{{"reading", "ANN", "1/January/2013", "BOB", kDay}, "year 2013"},
        BadInput{{"reading", "ANN", kDay, "BOB", "32/May/1975"}, "day 32"},
        BadInput{{"reading", "ANN", "1975-03-07\nX", "BOB", kDay}, "'1975-03-07\\x0aX'"},
        BadInput{{"reading", "", kDay, "", kDay}, "name '': Please Enter Your Name"},
        BadInput{{"reading", "ANN", "1975-02-31", "", kDay},
                 "date '1975-02-31': Please Enter Your Correct Date of Birth!"},
        BadInput{{"reading", "ANN", "31/June/1980", "BOB", kDay},
                 "date '31/June/1980': Please Enter Correct Date of Birth !"},
        BadInput{{"reading", "ANN", kDay, "", kDay},
                 "partner's name '': Please Enter Your Partner's Name"},
        BadInput{{"reading", "ANN", "29/February/1990", "BOB", kDay},
                 "date '29/February/1990': Please Enter Correct Date Or Month!"},
        BadInput{{"reading", "ANN", kDay, "BOB", "2001-02-29"},
                 "partner's date '2001-02-29': Please Enter Correct Date Or Month Of Your Friend!"},
        BadInput{{"reading", "--lang", "it", "ANN", kDay, "BOB", kDay},
                 "unknown language 'it' for --lang (en, de, fr or es); try 'amorist-cli reading "
                 "--help'"},
        BadInput{{"batch", "--lang=DE"}, "unknown language 'DE'"},
        BadInput{{"reading", "ANN", kDay, "BOB", kDay, "--lang"}, "option --lang needs a value"},
        BadInput{{"signs", "--lang", "de"}, "option --lang does not apply to signs"},
        BadInput{{"reading", "ANN", kDay, "BOB", "31/november/1975", "--json"},
                 "partner's date '31/november/1975': Please Enter Correct Date Or Month Of Your "
                 "Friend !"}));

}  // namespace
}  // namespace amorist::cli::testing
