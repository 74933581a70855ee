#include "reading/birth_date.h"

#include <algorithm>
#include <optional>

#include "reading/text_output.h"
#include "core/ephemeris/zodiac.h"

namespace amorist::cli {
namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Only for texts of at most four digits.
int DigitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
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

DateReading Refuse(DateFault fault, std::string_view part = {}) {
    DateReading reading;
    reading.fault = fault;
    reading.part = part;
    return reading;
}

// Day and year have passed the digit test.
DateReading Assemble(std::string_view dayText, int monthIndex, std::string_view yearText) {
    const int year = DigitsValue(yearText);
    const int day = DigitsValue(dayText);
    if (year < kFirstTableYear || year > kLastTableYear)
        return Refuse(DateFault::YearOutOfRange, yearText);
    if (day < 1 || day > 31)
        return Refuse(DateFault::DayOutOfRange, dayText);
    DateReading reading;
    reading.date = {year, monthIndex, day};
    return reading;
}

DateReading ReadIso(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return Refuse(DateFault::NotADate);
    const std::string_view year = text.substr(0, 4);
    const std::string_view month = text.substr(5, 2);
    const std::string_view day = text.substr(8, 2);
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day))
        return Refuse(DateFault::NotADate);
    const int monthNumber = DigitsValue(month);
    if (monthNumber < 1 || monthNumber > 12)
        return Refuse(DateFault::MonthOutOfRange, month);
    return Assemble(day, monthNumber - 1, year);
}

// Writes n (0 to 9999) as decimal digits, at least width of them, backwards
// from end; gives where they start.
char* Digits(char* end, int n, int width) {
    do {
        *--end = static_cast<char>('0' + n % 10);
        n /= 10;
        --width;
    } while (n > 0 || width > 0);
    return end;
}

}  // namespace

int DaysInMonth(int year, int monthIndex) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return (monthIndex == 1 && leap) ? 29 : kLengths[monthIndex];
}

DateReading ReadBirthDate(std::string_view text) {
    const std::size_t first = text.find('/');
    if (first == std::string_view::npos)
        return ReadIso(text);
    const std::size_t second = text.find('/', first + 1);
    if (second == std::string_view::npos)
        return Refuse(DateFault::NotADate);
    const std::string_view day = text.substr(0, first);
    const std::string_view month = text.substr(first + 1, second - first - 1);
    const std::string_view year = text.substr(second + 1);
    if (!AllDigits(day) || day.size() > 2 || !AllDigits(year) || year.size() != 4)
        return Refuse(DateFault::NotADate);
    const std::optional<int> monthIndex = MonthFromName(month);
    if (!monthIndex)
        return Refuse(DateFault::NotAMonthName, month);
    return Assemble(day, *monthIndex, year);
}

DateReading ReadCalendarDay(std::string_view text) {
    const DateReading reading = ReadBirthDate(text);
    if (reading.Ok() && reading.date.day > DaysInMonth(reading.date.year, reading.date.monthIndex))
        return Refuse(DateFault::NotACalendarDay);
    return reading;
}

std::string DateFaultReason(const DateReading& reading) {
    const std::string part(reading.part);
    switch (reading.fault) {
        case DateFault::None:
        case DateFault::NotADate:
            break;
        case DateFault::NotAMonthName:
            return QuoteForMessage(reading.part) + " is not a month name";
        case DateFault::MonthOutOfRange:
            return "month " + part + " is outside 01 to 12";
        case DateFault::YearOutOfRange:
            return "year " + part + " is outside " + std::to_string(kFirstTableYear) + " to " +
                   std::to_string(kLastTableYear);
        case DateFault::DayOutOfRange:
            return "day " + part + " is outside 1 to 31";
        case DateFault::NotACalendarDay:
            return "not a day of the calendar";
    }
    return "not a date; write it as 7/March/1975 or 1975-03-07";
}

void AppendIsoDate(std::string& out, CalendarDate date) {
    char text[10];
    Digits(text + 4, date.year, 4);
    text[4] = '-';
    Digits(text + 7, date.monthIndex + 1, 2);
    text[7] = '-';
    Digits(text + 10, date.day, 2);
    out.append(text, sizeof text);
}

void AppendShownDate(std::string& out, CalendarDate date) {
    char day[2];
    const std::string_view dayDigits(Digits(day + 2, date.day, 1), date.day < 10 ? 1 : 2);
    char year[4];
    Digits(year + 4, date.year, 4);
    out.append(dayDigits).append("/").append(kMonthNames[date.monthIndex]).append("/");
    out.append(year, sizeof year);
}

}  // namespace amorist::cli
