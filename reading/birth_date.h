// Reading a date of birth typed on the command line or in a batch line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace amorist::cli {

struct CalendarDate {
    int year = 1930;
    int monthIndex = 0;  // 0 = January
    int day = 1;
};

enum class DateFault : std::uint8_t {
    None,
    NotADate,
    NotAMonthName,
    MonthOutOfRange,
    YearOutOfRange,
    DayOutOfRange,
    NotACalendarDay,
};

// A date, or what is wrong with the text and which piece of it is at fault
// (the month name, or the digits of the month, year or day).
struct DateReading {
    CalendarDate date;
    DateFault fault = DateFault::None;
    std::string_view part;

    bool Ok() const { return fault == DateFault::None; }
};

// 7/March/1975 (month name in any letter case, day with or without a leading
// zero) or 1975-03-07. The day must lie in 1 to 31 and the year in the years
// the sign tables hold; whether the day exists in its month is left to the
// birth-data check, as in the main window. Never allocates.
DateReading ReadBirthDate(std::string_view text);

// Either form as well, and the day must exist in its month.
DateReading ReadCalendarDay(std::string_view text);

// Why a date was refused, without the date itself: "year 2013 is outside 1930
// to 2012". Only for a reading that is not Ok().
std::string DateFaultReason(const DateReading& reading);

// 1975-03-07, and 7/March/1975 as the main window shows a date.
void AppendIsoDate(std::string& out, CalendarDate date);
void AppendShownDate(std::string& out, CalendarDate date);

int DaysInMonth(int year, int monthIndex);

}  // namespace amorist::cli
