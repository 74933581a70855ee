#include "planet_lookup.h"

#include <sstream>
#include <stdexcept>

namespace amorist::testing {

using namespace std::chrono;

ZodiacSign PlanetLookup::Block(int block, std::string_view year, std::string_view month,
                               std::string_view day) {
    if (planet_ == Planet::Mars) {
        switch (block) {
            case 0:
                return mars_.GetMarsSign1930to1959(year, month, day);
            case 1:
                return mars_.GetMarsSign1960to1989(year, month, day);
            default:
                return mars_.GetMarsSign1990to2012(year, month, day);
        }
    }
    switch (block) {
        case 0:
            return venus_.GetVenusSign1930to1959(year, month, day);
        case 1:
            return venus_.GetVenusSign1960to1989(year, month, day);
        default:
            return venus_.GetVenusSign1990to2012(year, month, day);
    }
}

std::string DateText(year_month_day date) {
    std::ostringstream text;
    text << unsigned{date.day()} << ' ' << kMonthNames[unsigned{date.month()} - 1] << ' '
         << int{date.year()};
    return text.str();
}

year_month_day ParseDate(std::string_view text) {
    std::istringstream in{std::string(text)};
    unsigned day = 0;
    std::string monthName;
    int yearNumber = 0;
    in >> day >> monthName >> yearNumber;
    const std::optional<int> monthIndex = MonthIndex(monthName);
    if (in.fail() || !monthIndex) {
        throw std::invalid_argument("bad date in test data: " + std::string(text));
    }
    const year_month_day date{year{yearNumber}, month{static_cast<unsigned>(*monthIndex + 1)},
                              std::chrono::day{day}};
    if (!date.ok()) {
        throw std::invalid_argument("bad date in test data: " + std::string(text));
    }
    return date;
}

std::vector<std::string> MismatchedDays(PlanetLookup& lookup, const MonthSigns& expected) {
    const year_month_day_last last{year{expected.year}, month_day_last{month{expected.month}}};
    std::vector<std::string> mismatches;
    for (unsigned d = 1; d <= unsigned{last.day()}; ++d) {
        ZodiacSign want;
        for (const auto& [firstDay, sign] : expected.from) {
            if (d >= firstDay) {
                want = sign;
            }
        }
        const year_month_day date{year{expected.year}, month{expected.month}, day{d}};
        const ZodiacSign got = lookup.On(date);
        if (got != want) {
            mismatches.push_back(DateText(date) + ": " + std::string(got) + ", expected " +
                                 std::string(want));
        }
    }
    return mismatches;
}

bool SignChange::Backward() const {
    return (*SignIndex(from) + 11) % 12 == *SignIndex(to);
}

std::vector<SignChange> AllChanges(Planet planet) {
    PlanetLookup lookup(planet);
    std::vector<SignChange> changes;
    ZodiacSign previous = lookup.On(1930y / January / 1);
    for (sys_days d = sys_days{1930y / January / 2}; d <= sys_days{2012y / December / 31};
         d += days{1}) {
        const ZodiacSign sign = lookup.On(year_month_day{d});
        if (sign != previous) {
            changes.push_back({year_month_day{d}, previous, sign});
        }
        previous = sign;
    }
    return changes;
}

}  // namespace amorist::testing
