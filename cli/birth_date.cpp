#include "cli/birth_date.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "core/ephemeris/reads_as_number.h"
#include "core/ephemeris/zodiac.h"

namespace amorist::cli {
namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::optional<int> MonthFromName(std::string_view text) {
    for (int i = 0; i < 12; ++i) {
        const std::string_view name = kMonthNames[i];
        if (name.size() == text.size() &&
            std::equal(name.begin(), name.end(), text.begin(),
                       [](char a, char b) { return AsciiLower(a) == AsciiLower(b); })) {
            return i;
        }
    }
    return std::nullopt;
}

ParsedDate Refuse(std::string error) {
    return {std::nullopt, std::move(error)};
}

ParsedDate Malformed(std::string_view text) {
    return Refuse(QuoteForMessage(text) + " is not a date; write it as 7/March/1975 or 1975-03-07");
}

// Day and year have passed the digit test, so they always read as numbers.
ParsedDate Assemble(std::string_view dayText, int monthIndex, std::string_view yearText) {
    const int year = ReadAsNumber(yearText).value_or(0);
    const int day = ReadAsNumber(dayText).value_or(0);
    if (year < kFirstTableYear || year > kLastTableYear) {
        return Refuse("year " + std::string(yearText) + " is outside " +
                      std::to_string(kFirstTableYear) + " to " + std::to_string(kLastTableYear));
    }
    if (day < 1 || day > 31) {
        return Refuse("day " + std::string(dayText) + " is outside 1 to 31");
    }
    BirthDate date;
    date.day = std::to_string(day);
    date.month = std::string(kMonthNames[monthIndex]);
    date.year = std::to_string(year);
    date.dayNumber = day;
    date.monthIndex = monthIndex;
    date.yearNumber = year;
    return {std::move(date), {}};
}

ParsedDate ParseIso(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return Malformed(text);
    const std::string_view year = text.substr(0, 4);
    const std::string_view month = text.substr(5, 2);
    const std::string_view day = text.substr(8, 2);
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day))
        return Malformed(text);
    const int monthNumber = ReadAsNumber(month).value_or(0);
    if (monthNumber < 1 || monthNumber > 12) {
        return Refuse("month " + std::string(month) + " is outside 01 to 12");
    }
    return Assemble(day, monthNumber - 1, year);
}

}  // namespace

int DaysInMonth(int year, int monthIndex) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return (monthIndex == 1 && leap) ? 29 : kLengths[monthIndex];
}

std::string QuoteForMessage(std::string_view text) {
    constexpr std::size_t kLongest = 60;
    bool cut = false;
    if (text.size() > kLongest) {
        std::size_t end = kLongest;
        // Never end inside a UTF-8 sequence.
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
        text = text.substr(0, end);
        cut = true;
    }
    std::string quoted = "'";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    quoted += cut ? "...'" : "'";
    return quoted;
}

ParsedDate ParseBirthDate(std::string_view text) {
    const std::size_t first = text.find('/');
    if (first == std::string_view::npos)
        return ParseIso(text);
    const std::size_t second = text.find('/', first + 1);
    if (second == std::string_view::npos)
        return Malformed(text);
    const std::string_view day = text.substr(0, first);
    const std::string_view month = text.substr(first + 1, second - first - 1);
    const std::string_view year = text.substr(second + 1);
    if (!AllDigits(day) || day.size() > 2 || !AllDigits(year) || year.size() != 4) {
        return Malformed(text);
    }
    const std::optional<int> monthIndex = MonthFromName(month);
    if (!monthIndex)
        return Refuse(QuoteForMessage(month) + " is not a month name");
    return Assemble(day, *monthIndex, year);
}

ParsedDate ParseIsoDay(std::string_view text) {
    ParsedDate parsed = ParseIso(text);
    if (parsed.date &&
        parsed.date->dayNumber > DaysInMonth(parsed.date->yearNumber, parsed.date->monthIndex)) {
        return Refuse(QuoteForMessage(text) + " is not a day of the calendar");
    }
    return parsed;
}

}  // namespace amorist::cli
