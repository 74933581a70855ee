// amorist-cli's date parser with any command-line text. It either gives a date the tables cover,
// spelled the way the main window's lists spell it, or one short printable line saying what is
// wrong; both accepted spellings of a date read the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/birth_date.h"
#include "cli/text_output.h"
#include "core/ephemeris/zodiac.h"
#include "fuzz/fuzz_support.h"

namespace {

using amorist::cli::BirthDate;
using amorist::cli::ParsedDate;
using amorist::fuzz::Require;

bool SameDate(const BirthDate& a, const BirthDate& b) {
    return a.day == b.day && a.month == b.month && a.year == b.year && a.dayNumber == b.dayNumber &&
           a.monthIndex == b.monthIndex && a.yearNumber == b.yearNumber;
}

// One line a terminal shows as it is: no control characters, and short even for a huge input.
void CheckMessageLine(std::string_view line) {
    Require(!line.empty(), "a refused date says why");
    Require(line.size() < 400, "an error line stays short however long the input is");
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        Require(byte >= 0x20 && byte != 0x7F, "an error line holds no control characters");
    }
}

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

void CheckParsed(std::string_view text, const ParsedDate& parsed) {
    Require(parsed.date.has_value() == parsed.error.empty(),
            "the parser gives either a date or an error, never both or neither");
    if (!parsed.date) {
        CheckMessageLine(parsed.error);
        if (amorist::cli::IsValidUtf8(text))
            Require(amorist::cli::IsValidUtf8(parsed.error), "quoting never splits a character");
        return;
    }
    const BirthDate& date = *parsed.date;
    Require(
        date.yearNumber >= amorist::kFirstTableYear && date.yearNumber <= amorist::kLastTableYear,
        "an accepted year lies in the tables");
    Require(date.dayNumber >= 1 && date.dayNumber <= 31, "an accepted day lies in 1 to 31");
    Require(date.monthIndex >= 0 && date.monthIndex <= 11, "an accepted month is one of twelve");
    Require(
        date.day == std::to_string(date.dayNumber) && date.year == std::to_string(date.yearNumber),
        "day and year are spelled as the lists spell them, without leading zeros");
    Require(date.month == amorist::kMonthNames[static_cast<std::size_t>(date.monthIndex)],
            "the month carries its canonical name");

    // Both spellings of the same date read back as the same date.
    const ParsedDate named =
        amorist::cli::ParseBirthDate(date.day + "/" + date.month + "/" + date.year);
    Require(named.date && SameDate(*named.date, date), "7/March/1975 reads back the same date");
    const std::string iso =
        date.year + "-" + TwoDigits(date.monthIndex + 1) + "-" + TwoDigits(date.dayNumber);
    const ParsedDate isoParsed = amorist::cli::ParseBirthDate(iso);
    Require(isoParsed.date && SameDate(*isoParsed.date, date),
            "1975-03-07 reads back the same date");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ParsedDate parsed = amorist::cli::ParseBirthDate(text);
    CheckParsed(text, parsed);

    // The stricter reader for ranges of days accepts a subset: ISO dates that exist.
    const ParsedDate day = amorist::cli::ParseIsoDay(text);
    Require(day.date.has_value() == day.error.empty(),
            "the day reader gives either a date or an error");
    if (day.date) {
        Require(parsed.date && SameDate(*day.date, *parsed.date),
                "a day the strict reader accepts reads the same as a birth date");
        Require(day.date->dayNumber <=
                    amorist::cli::DaysInMonth(day.date->yearNumber, day.date->monthIndex),
                "the strict reader accepts only days the calendar has");
    } else {
        CheckMessageLine(day.error);
    }

    const std::string quoted = amorist::cli::QuoteForMessage(text);
    Require(quoted.size() >= 2 && quoted.front() == '\'' && quoted.back() == '\'',
            "a quoted text is enclosed in single quotes");
    CheckMessageLine(quoted);
    if (amorist::cli::IsValidUtf8(text))
        Require(amorist::cli::IsValidUtf8(quoted), "quoting never splits a character");
    if (text.size() <= 60 && text.find_first_of("\x7F") == std::string_view::npos) {
        bool printable = true;
        for (char c : text)
            printable = printable && static_cast<unsigned char>(c) >= 0x20;
        if (printable) {
            Require(quoted == "'" + std::string(text) + "'",
                    "a short printable text is quoted unchanged");
        }
    }
    return 0;
}
