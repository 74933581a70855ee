// Drives the Mars and Venus lookups with calendar dates, the way the main window passes them:
// day and year as decimal text, the month by its English name.
#pragma once

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "core/ephemeris/modPlanetSignMars.h"
#include "core/ephemeris/modPlanetSignVenus.h"

namespace amorist::testing {

enum class Planet { Mars, Venus };

inline const char* PlanetName(Planet planet) {
    return planet == Planet::Mars ? "Mars" : "Venus";
}

// Names the planet in test output.
inline void PrintTo(Planet planet, std::ostream* out) {
    *out << PlanetName(planet);
}

// One planet's lookup object with its own current sign.
class PlanetLookup {
public:
    explicit PlanetLookup(Planet planet) : planet_(planet) {}

    // A complete lookup with the texts as given.
    ZodiacSign Lookup(std::string_view year, std::string_view month, std::string_view day) {
        return planet_ == Planet::Mars ? GetMarsSign(mars_, year, month, day)
                                       : GetVenusSign(venus_, year, month, day);
    }

    // One block procedure: 0 for 1930-1959, 1 for 1960-1989, 2 for 1990-2012.
    ZodiacSign Block(int block, std::string_view year, std::string_view month,
                     std::string_view day);

    ZodiacSign On(std::chrono::year_month_day date) {
        return Lookup(std::to_string(int{date.year()}), kMonthNames[unsigned{date.month()} - 1],
                      std::to_string(unsigned{date.day()}));
    }

    ZodiacSign CurrentSign() const {
        return planet_ == Planet::Mars ? mars_.CurrentSign() : venus_.CurrentSign();
    }

private:
    Planet planet_;
    modPlanetSignMars mars_;
    modPlanetSignVenus venus_;
};

// A day and the sign a planet is in on it.
struct DaySign {
    const char* date;
    ZodiacSign sign;
};

// "17 February 1931", for failure messages and comparing lists of dates.
std::string DateText(std::chrono::year_month_day date);

std::chrono::year_month_day ParseDate(std::string_view text);

// Signs of a month as stretches: the first day of each sign in order, as {1, "Leo"},
// {17, "Cancer"} for "Leo to 16, Cancer from 17".
struct MonthSigns {
    int year;
    unsigned month;
    std::vector<std::pair<unsigned, ZodiacSign>> from;
};

// Returns the days of the month whose looked-up sign differs from the expected one, as text.
std::vector<std::string> MismatchedDays(PlanetLookup& lookup, const MonthSigns& expected);

// A change of sign between two consecutive days of the table.
struct SignChange {
    std::chrono::year_month_day firstDay;  // first day in the new sign
    ZodiacSign from;
    ZodiacSign to;
    bool Backward() const;
};

// Every day of the table in order, looked up through the public lookup.
std::vector<SignChange> AllChanges(Planet planet);

}  // namespace amorist::testing
