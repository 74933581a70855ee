// Venus sign of a calendar day from 1 January 1930 to 31 December 2012.
#pragma once

#include <string_view>

#include "core/ephemeris/reads_as_number.h"
#include "core/ephemeris/sign_table.h"
#include "core/ephemeris/zodiac.h"

namespace amorist {

// The search over the Venus table under the module's own names. Holds the current Venus
// sign: empty until a search succeeds, then the sign of the last successful search, never
// cleared. Year and day are texts compared as numbers; a year text that does not read, or a day
// text that does not read in a month with a change, throws TypeMismatch. The month must be one
// of kMonthNames exactly.
class modPlanetSignVenus : public SignTableSearch {
public:
    modPlanetSignVenus() : SignTableSearch(kVenusTable) {}

    // One search procedure per block of years; each returns the current Venus sign after its
    // own search, unchanged when the date lies outside its block.
    ZodiacSign GetVenusSign1930to1959(std::string_view year, std::string_view month,
                                      std::string_view day) {
        return Search(kYears1930to1959, year, month, day);
    }
    ZodiacSign GetVenusSign1960to1989(std::string_view year, std::string_view month,
                                      std::string_view day) {
        return Search(kYears1960to1989, year, month, day);
    }
    ZodiacSign GetVenusSign1990to2012(std::string_view year, std::string_view month,
                                      std::string_view day) {
        return Search(kYears1990to2012, year, month, day);
    }
};

inline ZodiacSign GetVenusSign(modPlanetSignVenus& venus, std::string_view year,
                               std::string_view month, std::string_view day) {
    return venus.SearchEveryBlock(year, month, day);
}

}  // namespace amorist
