// Reading a date of birth typed on the command line or in a batch line.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/translatable.h"

namespace amorist::reading {

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

    bool ok() const { return fault == DateFault::None; }
};

// How a language writes a date, as its translation says: the form of each day
// of a month (%n the day, %1 the month name, %2 the year) and its month names.
struct DateSpelling {
    std::array<std::string, 31> forms;  // day 1 first
    std::array<std::string, 12> months;
};

// 7/March/1975 (day with or without a leading zero) or 1975-03-07, and every
// form of spellings ("7. März 1975", "1er mars 1975"). A month name may come
// from any language of spellings, whatever the form, in any letter case, with
// or without its accents, and with German ae, oe, ue for ä, ö, ü. The day
// must lie in 1 to 31 and the year in the years the sign tables hold; whether
// the day exists in its month is left to the birth-data check, as in the main
// window. Never allocates.
DateReading ReadBirthDate(std::string_view text, std::span<const DateSpelling> spellings = {});

// The same forms, and the day must exist in its month.
DateReading ReadCalendarDay(std::string_view text, std::span<const DateSpelling> spellings = {});

// The words of DateFaultReason, in English unless a language gives them.
struct DateFaultPhrases {
    static constexpr const char* kContext = "amorist-cli";

    //: A date argument's month is no month name: %1 is the word as typed, quoted
    std::string_view notAMonthName = QT_TRANSLATE_NOOP("amorist-cli", "%1 is not a month name");
    //: %1 is the month of a date written 1975-03-07, as typed
    std::string_view monthOutOfRange =
        QT_TRANSLATE_NOOP("amorist-cli", "month %1 is outside 01 to 12");
    //: %1 is the year as typed; %2 and %3 the first and last years the program knows
    std::string_view yearOutOfRange =
        QT_TRANSLATE_NOOP("amorist-cli", "year %1 is outside %2 to %3");
    //: %1 is the day as typed
    std::string_view dayOutOfRange = QT_TRANSLATE_NOOP("amorist-cli", "day %1 is outside 1 to 31");
    std::string_view notACalendarDay =
        QT_TRANSLATE_NOOP("amorist-cli", "not a day of the calendar");
    //: Write the example date as amorist-cli prints a date in your language; it reads it back
    std::string_view notADate =
        QT_TRANSLATE_NOOP("amorist-cli", "not a date; write it as 7/March/1975 or 1975-03-07");
};

// Why a date was refused, without the date itself: "year 2013 is outside 1930
// to 2012". Only for a reading that is not ok().
std::string DateFaultReason(const DateReading& reading, const DateFaultPhrases& say = {});

// 1975-03-07, and 7/March/1975 as the main window shows a date.
void AppendIsoDate(std::string& out, CalendarDate date);
void AppendShownDate(std::string& out, CalendarDate date);

}  // namespace amorist::reading
