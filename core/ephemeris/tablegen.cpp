// amorist-tablegen: computes the Mars and Venus sign of every day from 1 January 1930 to
// 31 December 2012, applies the corrections listed below, folds the days into one entry per
// month and writes the result as C++ source for the program to compile.
//
// Usage: amorist-tablegen OUTPUT_FILE
//
// The sign of a day is the tropical sign of the planet's geocentric apparent ecliptic
// longitude of date at 00:00 UT. Positions come from the Moshier theory built into Swiss
// Ephemeris, so no ephemeris data file on the machine can change the result.

#include <swephexp.h>

#include <array>
#include <chrono>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/ephemeris/sign_table.h"
#include "core/ephemeris/zodiac.h"

namespace {

using namespace std::chrono;

enum class Planet { Mars, Venus };
using enum Planet;

using amorist::Sign;
using enum amorist::Sign;

constexpr sys_days kFirstDay = 1930y / January / 1;
constexpr sys_days kLastDay = 2012y / December / 31;
constexpr int kDayCount = (kLastDay - kFirstDay).count() + 1;

// A departure from the computed signs, or a pin on a day the computation could get wrong.
struct Correction {
    enum class Kind {
        // `first` is the first day in `signs[0]`; the day before keeps the sign being left.
        FirstDay,
        // The month of `first` is set to the entry given by signs, lastDays and changes.
        Entry,
        // Every day from `first` to `last` is in `signs[0]`.
        Span,
    };
    Kind kind;
    Planet planet;
    year_month_day first;
    year_month_day last;
    std::array<Sign, 3> signs;
    std::array<int, 2> lastDays;
    int changes;
};

constexpr Correction FirstDay(Planet planet, year_month_day day, Sign sign) {
    return {Correction::Kind::FirstDay, planet, day, day, {sign, sign, sign}, {0, 0}, 0};
}

constexpr Correction MonthCorrection(Planet planet, year_month month, std::array<Sign, 3> signs,
                                     std::array<int, 2> lastDays, int changes) {
    return {Correction::Kind::Entry, planet, month / 1, month / 1, signs, lastDays, changes};
}

constexpr Correction Entry(Planet planet, year_month month, Sign sign) {
    return MonthCorrection(planet, month, {sign, sign, sign}, {0, 0}, 0);
}

constexpr Correction Entry(Planet planet, year_month month, Sign first, int lastDay, Sign second) {
    return MonthCorrection(planet, month, {first, second, second}, {lastDay, 0}, 1);
}

constexpr Correction Entry(Planet planet, year_month month, Sign first, int lastDay1, Sign second,
                           int lastDay2, Sign third) {
    return MonthCorrection(planet, month, {first, second, third}, {lastDay1, lastDay2}, 2);
}

constexpr Correction Span(Planet planet, year_month_day first, year_month_day last, Sign sign) {
    return {Correction::Kind::Span, planet, first, last, {sign, sign, sign}, {0, 0}, 0};
}

// Every place where the table is not simply the computed sign of the day. Applied in order,
// after the signs of all days have been computed.
const Correction kCorrections[] = {
    // Mars crossings within about an hour of 00:00 UT. Ephemerides of slightly different
    // precision put these on neighbouring days, so the day the table uses is fixed here rather
    // than left to the library's version.
    FirstDay(Mars, 1932y / January / 19, Aquarius),
    FirstDay(Mars, 1938y / December / 12, Scorpio),
    FirstDay(Mars, 1939y / May / 26, Aquarius),
    FirstDay(Mars, 1939y / September / 25, Aquarius),
    FirstDay(Mars, 1940y / January / 5, Aries),
    FirstDay(Mars, 1941y / February / 18, Capricorn),
    FirstDay(Mars, 1943y / July / 8, Taurus),
    FirstDay(Mars, 1943y / August / 24, Gemini),
    FirstDay(Mars, 1944y / August / 30, Libra),
    FirstDay(Mars, 1949y / June / 11, Gemini),
    FirstDay(Mars, 1949y / October / 28, Virgo),
    FirstDay(Mars, 1951y / July / 4, Cancer),
    FirstDay(Mars, 1955y / April / 11, Gemini),
    FirstDay(Mars, 1955y / May / 27, Cancer),
    FirstDay(Mars, 1961y / June / 29, Virgo),
    FirstDay(Mars, 1961y / August / 18, Libra),
    FirstDay(Mars, 1962y / February / 2, Aquarius),
    FirstDay(Mars, 1962y / May / 29, Taurus),
    FirstDay(Mars, 1962y / October / 12, Leo),
    FirstDay(Mars, 1966y / December / 5, Libra),
    FirstDay(Mars, 1968y / March / 28, Taurus),
    FirstDay(Mars, 1972y / October / 1, Libra),
    FirstDay(Mars, 1973y / October / 30, Aries),
    FirstDay(Mars, 1974y / June / 10, Leo),
    FirstDay(Mars, 1976y / July / 7, Virgo),
    FirstDay(Mars, 1976y / November / 21, Sagittarius),
    FirstDay(Mars, 1977y / January / 2, Capricorn),
    FirstDay(Mars, 1977y / September / 2, Cancer),
    FirstDay(Mars, 1981y / December / 17, Libra),
    FirstDay(Mars, 1982y / November / 1, Capricorn),
    FirstDay(Mars, 1983y / February / 26, Aries),
    FirstDay(Mars, 1983y / October / 1, Virgo),
    FirstDay(Mars, 1986y / October / 10, Aquarius),
    FirstDay(Mars, 1991y / April / 4, Cancer),
    FirstDay(Mars, 1993y / April / 28, Leo),
    FirstDay(Mars, 1993y / December / 21, Capricorn),
    FirstDay(Mars, 2000y / September / 18, Virgo),
    FirstDay(Mars, 2002y / January / 19, Aries),
    FirstDay(Mars, 2003y / April / 22, Aquarius),
    FirstDay(Mars, 2007y / September / 29, Cancer),
    FirstDay(Mars, 2010y / July / 30, Libra),
    FirstDay(Mars, 2010y / December / 8, Capricorn),
    FirstDay(Mars, 2011y / February / 24, Pisces),

    // Mars entries the table holds as they stand, whatever the ephemeris says.
    // The change into Virgo comes a month early, on 6 September 1951.
    Entry(Mars, 1951y / September, Leo, 5, Virgo),
    Entry(Mars, 1951y / October, Virgo),
    // Mars stands still on the Gemini-Cancer boundary and dips back into Gemini for two days.
    Entry(Mars, 1961y / January, Cancer),
    Entry(Mars, 1961y / February, Cancer, 5, Gemini, 7, Cancer),
    Entry(Mars, 1961y / March, Cancer),
    // Mars stands still close to the Pisces-Aries boundary.
    Entry(Mars, 1988y / October, Aries, 23, Pisces),
    Entry(Mars, 1988y / November, Pisces, 1, Aries),

    // Mars around the turn of 1997: Capricorn, then Aquarius, then Pisces, in the order of the
    // signs. Pinned because an older table skips Aquarius here, giving Capricorn up to
    // 25 January 1998.
    Span(Mars, 1997y / November / 10, 1997y / December / 18, Capricorn),
    Span(Mars, 1997y / December / 19, 1998y / January / 25, Aquarius),
    FirstDay(Mars, 1998y / January / 26, Pisces),

    // Venus crossings within about twenty minutes of 00:00 UT, fixed for the same reason as
    // the Mars ones above.
    FirstDay(Venus, 1932y / April / 6, Gemini),
    FirstDay(Venus, 1932y / November / 28, Scorpio),
    FirstDay(Venus, 1937y / September / 1, Leo),
    FirstDay(Venus, 1941y / June / 8, Cancer),
    FirstDay(Venus, 1943y / July / 8, Virgo),
    FirstDay(Venus, 1950y / December / 15, Capricorn),
    FirstDay(Venus, 1951y / December / 9, Scorpio),
    FirstDay(Venus, 1952y / August / 10, Virgo),
    FirstDay(Venus, 1955y / July / 9, Cancer),
    FirstDay(Venus, 1957y / November / 6, Capricorn),
    FirstDay(Venus, 1961y / December / 30, Capricorn),
    FirstDay(Venus, 1966y / September / 9, Virgo),
    FirstDay(Venus, 1974y / June / 26, Gemini),
    FirstDay(Venus, 1974y / August / 15, Leo),
    FirstDay(Venus, 1981y / October / 10, Sagittarius),
    FirstDay(Venus, 1984y / November / 14, Capricorn),
    FirstDay(Venus, 1990y / June / 26, Gemini),
    FirstDay(Venus, 1991y / April / 14, Gemini),
    FirstDay(Venus, 1992y / March / 14, Pisces),
    FirstDay(Venus, 1993y / January / 4, Pisces),
    FirstDay(Venus, 1993y / July / 7, Gemini),
    FirstDay(Venus, 1993y / October / 17, Libra),
    FirstDay(Venus, 2008y / December / 8, Aquarius),

    // Venus entries the table holds as they stand, whatever the ephemeris says.
    // Venus enters Taurus on 20 April 1949 by the ephemeris; the table keeps Aries to the 29th.
    Entry(Venus, 1949y / April, Aries, 29, Taurus),
    // From 1 January 1977 to 20 January 1978 the table keeps the ephemeris's days of change
    // but names, throughout, the sign after the one the planet is in.
    Entry(Venus, 1977y / January, Pisces, 4, Aries),
    Entry(Venus, 1977y / February, Aries, 2, Taurus),
    Entry(Venus, 1977y / March, Taurus),
    Entry(Venus, 1977y / April, Taurus),
    Entry(Venus, 1977y / May, Taurus),
    Entry(Venus, 1977y / June, Taurus, 6, Gemini),
    Entry(Venus, 1977y / July, Gemini, 6, Cancer),
    Entry(Venus, 1977y / August, Cancer, 2, Leo, 28, Virgo),
    Entry(Venus, 1977y / September, Virgo, 22, Libra),
    Entry(Venus, 1977y / October, Libra, 17, Scorpio),
    Entry(Venus, 1977y / November, Scorpio, 10, Sagittarius),
    Entry(Venus, 1977y / December, Sagittarius, 4, Capricorn, 27, Aquarius),
    Entry(Venus, 1978y / January, Aquarius),
    // Venus turns back from Virgo into Leo by the ephemeris; the table has Libra for these
    // weeks and the backward change into Virgo on 6 October.
    Entry(Venus, 1983y / August, Virgo, 27, Libra),
    Entry(Venus, 1983y / September, Libra),
    Entry(Venus, 1983y / October, Libra, 5, Virgo),
    // The ephemeris has Venus enter Sagittarius at about 00:00 UT on 3 December 1993; the table
    // keeps Scorpio to the 22nd.
    Entry(Venus, 1993y / December, Scorpio, 22, Sagittarius, 26, Capricorn),
};

bool IsNeighbour(int from, int to) {
    return to == (from + 1) % 12 || from == (to + 1) % 12;
}

std::string DateText(sys_days day) {
    const year_month_day date{day};
    std::ostringstream text;
    text << unsigned{date.day()} << ' ' << amorist::kMonthNames[unsigned{date.month()} - 1] << ' '
         << int{date.year()};
    return text.str();
}

int DayIndex(sys_days day) {
    return (day - kFirstDay).count();
}

// Sign of the planet at 00:00 UT of every day of the table, or an empty vector after printing
// the library's error.
std::vector<int> ComputeSigns(Planet planet) {
    const int body = planet == Mars ? SE_MARS : SE_VENUS;
    std::vector<int> signs(kDayCount);
    for (sys_days day = kFirstDay; day <= kLastDay; day += days{1}) {
        // Julian day number of 00:00 UT; the Unix epoch is JD 2440587.5.
        const double julianDay = 2440587.5 + day.time_since_epoch().count();
        std::array<double, 6> position{};
        std::array<char, AS_MAXCH> error{};
        const int32 flags =
            swe_calc_ut(julianDay, body, SEFLG_MOSEPH, position.data(), error.data());
        if (flags < 0 || (flags & SEFLG_MOSEPH) == 0) {
            std::cerr << "amorist-tablegen: no position for " << DateText(day) << ": "
                      << error.data() << '\n';
            return {};
        }
        signs[DayIndex(day)] = static_cast<int>(std::floor(position[0] / 30.0)) % 12;
    }
    return signs;
}

// Applies one correction. Returns false, after saying why, when it cannot be applied.
bool Apply(const Correction& correction, std::vector<int>& signs) {
    switch (correction.kind) {
        case Correction::Kind::FirstDay: {
            const int index = DayIndex(correction.first);
            const int sign = static_cast<int>(correction.signs[0]);
            if (index < 2) {
                std::cerr << "amorist-tablegen: " << DateText(correction.first)
                          << " is too early for a change\n";
                return false;
            }
            signs[index] = sign;
            // The crossing lies close to midnight, so the ephemeris may have it one day early.
            if (signs[index - 1] == sign) {
                signs[index - 1] = signs[index - 2];
            }
            if (signs[index - 1] == sign) {
                std::cerr << "amorist-tablegen: no change into " << amorist::kZodiacSigns[sign]
                          << " near " << DateText(correction.first) << '\n';
                return false;
            }
            return true;
        }
        case Correction::Kind::Entry: {
            const year_month_day_last monthEnd{correction.first.year(),
                                               month_day_last{correction.first.month()}};
            const int lastDay = static_cast<int>(unsigned{monthEnd.day()});
            const int start = DayIndex(correction.first);
            for (int day = 1; day <= lastDay; ++day) {
                int part = 0;
                while (part < correction.changes && day > correction.lastDays[part]) {
                    ++part;
                }
                signs[start + day - 1] = static_cast<int>(correction.signs[part]);
            }
            return true;
        }
        case Correction::Kind::Span:
            for (int index = DayIndex(correction.first); index <= DayIndex(correction.last);
                 ++index) {
                signs[index] = static_cast<int>(correction.signs[0]);
            }
            return true;
    }
    return false;
}

struct Counts {
    std::array<int, 3> entries{};  // by number of changes in the month
    int changes = 0;
    int backward = 0;
};

// Checks that every change goes to a neighbouring sign and that no month holds more than two
// changes, then appends the planet's table to `out`.
bool WriteTable(Planet planet, const std::vector<int>& signs, std::ostream& out, Counts& counts) {
    const char* const planetName = planet == Mars ? "Mars" : "Venus";
    for (int index = 1; index < kDayCount; ++index) {
        if (signs[index] == signs[index - 1]) {
            continue;
        }
        if (!IsNeighbour(signs[index - 1], signs[index])) {
            std::cerr << "amorist-tablegen: " << planetName << " jumps from "
                      << amorist::kZodiacSigns[signs[index - 1]] << " to "
                      << amorist::kZodiacSigns[signs[index]] << " on "
                      << DateText(kFirstDay + days{index}) << '\n';
            return false;
        }
        ++counts.changes;
        if (signs[index - 1] == (signs[index] + 1) % 12) {
            ++counts.backward;
        }
    }

    out << "constinit const SignTable k" << planetName << "Table = {{\n";
    for (year_month month = 1930y / January; month <= 2012y / December; month += months{1}) {
        const int start = DayIndex(month / 1);
        const int length = static_cast<int>(unsigned{(month / last).day()});
        std::vector<int> lastDays;
        for (int day = 2; day <= length; ++day) {
            if (signs[start + day - 1] != signs[start + day - 2]) {
                lastDays.push_back(day - 1);
            }
        }
        if (lastDays.size() > 2) {
            std::cerr << "amorist-tablegen: " << planetName << " changes sign " << lastDays.size()
                      << " times in " << amorist::kMonthNames[unsigned{month.month()} - 1] << ' '
                      << int{month.year()} << '\n';
            return false;
        }
        ++counts.entries[lastDays.size()];

        out << "    /* " << int{month.year()} << ' '
            << amorist::kMonthNames[unsigned{month.month()} - 1] << " */ ";
        const auto signName = [&](int day) {
            return amorist::kZodiacSigns[signs[start + day - 1]];
        };
        switch (lastDays.size()) {
            case 0:
                out << "Whole(" << signName(1) << ")";
                break;
            case 1:
                out << "OneChange(" << signName(1) << ", " << lastDays[0] << ", "
                    << signName(lastDays[0] + 1) << ")";
                break;
            default:
                out << "TwoChanges(" << signName(1) << ", " << lastDays[0] << ", "
                    << signName(lastDays[0] + 1) << ", " << lastDays[1] << ", "
                    << signName(lastDays[1] + 1) << ")";
                break;
        }
        out << ",\n";
    }
    out << "}};\n";

    std::cerr << "amorist-tablegen: " << planetName << ": " << counts.entries[0] << " whole-month, "
              << counts.entries[1] << " one-change and " << counts.entries[2]
              << " two-change entries; " << counts.changes << " changes, " << counts.backward
              << " of them backward\n";
    return true;
}

// Computes, corrects and writes one planet's table. Reports every correction that moved a
// day away from the ephemeris, so a regeneration shows how far the table departs from it.
bool BuildTable(Planet planet, std::ostream& out) {
    std::vector<int> signs = ComputeSigns(planet);
    if (signs.empty()) {
        return false;
    }
    const std::vector<int> computed = signs;
    for (const Correction& correction : kCorrections) {
        if (correction.planet != planet) {
            continue;
        }
        if (!Apply(correction, signs)) {
            return false;
        }
    }
    // One line per run of days with the same departure.
    for (int index = 0; index < kDayCount;) {
        if (signs[index] == computed[index]) {
            ++index;
            continue;
        }
        int end = index + 1;
        while (end < kDayCount && signs[end] == signs[index] && computed[end] == computed[index]) {
            ++end;
        }
        std::cerr << "amorist-tablegen: " << (planet == Mars ? "Mars" : "Venus") << ' '
                  << DateText(kFirstDay + days{index}) << " to "
                  << DateText(kFirstDay + days{end - 1}) << ": ephemeris "
                  << amorist::kZodiacSigns[computed[index]] << ", table "
                  << amorist::kZodiacSigns[signs[index]] << '\n';
        index = end;
    }
    Counts counts;
    return WriteTable(planet, signs, out, counts);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: amorist-tablegen OUTPUT_FILE\n";
        return 2;
    }

    std::ostringstream source;
    source
        << "// Generated by amorist-tablegen; do not edit. Regenerate with `make tables`.\n"
           "// clang-format off\n"
           "//\n"
           "// Mars and Venus signs at 00:00 UT, one entry per month from January 1930 to "
           "December 2012,\n"
           "// computed with the Moshier ephemeris of Swiss Ephemeris and corrected as listed in\n"
           "// core/ephemeris/tablegen.cpp.\n"
           "\n"
           "#include \"core/ephemeris/sign_table.h\"\n"
           "\n"
           "namespace amorist {\n"
           "\n"
           "using enum Sign;\n"
           "\n";
    bool built = BuildTable(Mars, source);
    source << '\n';
    built = built && BuildTable(Venus, source);
    swe_close();
    if (!built) {
        return 1;
    }
    source << "\n}  // namespace amorist\n";

    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << source.str();
    file.close();
    if (!file) {
        std::cerr << "amorist-tablegen: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
