// Reading a date of birth typed on the command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace amorist::cli {

// A date as the main window's lists would show it: day and year as plain
// decimal text, the month by its canonical name.
struct BirthDate {
    std::string day;    // "1" to "31"
    std::string month;  // "January" to "December"
    std::string year;   // "1930" to "2012"
    int dayNumber = 1;
    int monthIndex = 0;  // 0 = January
    int yearNumber = 1930;
};

// Either a date or one line saying what is wrong with the text.
struct ParsedDate {
    std::optional<BirthDate> date;
    std::string error;
};

// 7/March/1975 (month name in any letter case, day with or without a leading
// zero) or 1975-03-07. The day must lie in 1 to 31 and the year in the years
// the sign tables hold; whether the day exists in its month is left to the
// birth-data check, as in the main window.
ParsedDate ParseBirthDate(std::string_view text);

// 1975-03-07 only, and the day must exist in its month.
ParsedDate ParseIsoDay(std::string_view text);

// The text quoted for an error line: control characters spelled as \xNN so
// the message stays on one line, and very long texts cut short.
std::string QuoteForMessage(std::string_view text);

int DaysInMonth(int year, int monthIndex);

}  // namespace amorist::cli
