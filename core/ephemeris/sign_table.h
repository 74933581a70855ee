// The month-entry form shared by the Mars and Venus tables, and the search that both planets'
// lookups run over their own table.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "core/ephemeris/zodiac.h"

namespace amorist {

// Zodiac order, matching kZodiacSigns.
enum class Sign : std::uint8_t {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};

constexpr ZodiacSign SignName(Sign sign) {
    return kZodiacSigns[static_cast<std::size_t>(sign)];
}

// One month of one planet: a single sign, or up to two changes. lastDays holds the last day
// spent in the first and in the second sign; only the first `changes` of them mean anything.
struct MonthEntry {
    std::uint8_t changes = 0;
    std::array<Sign, 3> signs{};
    std::array<std::uint8_t, 2> lastDays{};
};

namespace detail {
// Used only while building the tables at compile time: a bad day makes the table fail to
// compile instead of producing a month that can never reach its later signs.
constexpr std::uint8_t CheckedLastDay(int day) {
    if (day < 1 || day > 30) {
        throw std::logic_error("a change must fall on days 1 to 30");
    }
    return static_cast<std::uint8_t>(day);
}
}  // namespace detail

constexpr MonthEntry Whole(Sign sign) {
    return {0, {sign, sign, sign}, {0, 0}};
}

constexpr MonthEntry OneChange(Sign first, int lastDay, Sign second) {
    return {1, {first, second, second}, {detail::CheckedLastDay(lastDay), 0}};
}

constexpr MonthEntry TwoChanges(Sign first, int lastDay1, Sign second, int lastDay2, Sign third) {
    if (lastDay1 >= lastDay2) {
        throw std::logic_error("the changes of a month must come in order");
    }
    return {2,
            {first, second, third},
            {detail::CheckedLastDay(lastDay1), detail::CheckedLastDay(lastDay2)}};
}

// Any day number gives a sign: days before the 1st count as the first sign, days past the
// month's length as the last one.
constexpr Sign SignOnDay(const MonthEntry& entry, int day) {
    if (entry.changes == 0 || day <= entry.lastDays[0]) {
        return entry.signs[0];
    }
    if (entry.changes == 1 || day <= entry.lastDays[1]) {
        return entry.signs[1];
    }
    return entry.signs[2];
}

inline constexpr int kTableYears = kLastTableYear - kFirstTableYear + 1;
inline constexpr std::size_t kTableEntries = kTableYears * 12;

// Entries in calendar order: January 1930, February 1930, ... December 2012.
using SignTable = std::array<MonthEntry, kTableEntries>;

// The entry of a month (0 = January) of a year the table holds.
constexpr const MonthEntry& EntryFor(const SignTable& table, int year, int monthIndex) {
    return table[static_cast<std::size_t>((year - kFirstTableYear) * 12 + monthIndex)];
}

extern const SignTable kMarsTable;
extern const SignTable kVenusTable;

// Each planet's lookup is split into three procedures, one per block of years.
struct YearBlock {
    int firstYear;
    int lastYear;
};

inline constexpr YearBlock kYears1930to1959{1930, 1959};
inline constexpr YearBlock kYears1960to1989{1960, 1989};
inline constexpr YearBlock kYears1990to2012{1990, 2012};

// A planet's table together with its current sign: the sign of the last successful search,
// empty until there has been one. Each search returns the current sign after it has run.
class SignTableSearch {
public:
    explicit constexpr SignTableSearch(const SignTable& table) : table_(&table) {}

    // The year is read as a number before anything else, so a year text that does not read
    // throws TypeMismatch whichever block is searched. The day is read only when the selected
    // month has a change. A date outside the block leaves the current sign as it is.
    ZodiacSign Search(YearBlock block, std::string_view year, std::string_view month,
                      std::string_view day);

    // A complete lookup: the three blocks in order, with the same arguments; the last result
    // stands.
    ZodiacSign SearchEveryBlock(std::string_view year, std::string_view month,
                                std::string_view day);

    ZodiacSign CurrentSign() const { return current_; }

private:
    const SignTable* table_;
    ZodiacSign current_;
};

}  // namespace amorist
