// Venus sign of a calendar day from 1 January 1930 to 31 December 2012.
#pragma once

#include <string_view>

#include "core/ephemeris/reads_as_number.h"
#include "core/ephemeris/sign_table.h"
#include "core/ephemeris/zodiac.h"

namespace amorist {

// Holds the current Venus sign: empty until a search succeeds, then the sign of the last
// successful search, never cleared. Year and day are texts compared as numbers; a year text
// that does not read, or a day text that does not read in a month with a change, throws
// TypeMismatch. The month must be one of kMonthNames exactly.
class modPlanetSignVenus {
public:
    // One search procedure per block of years; each returns the current Venus sign after its
    // own search, unchanged when the date lies outside its block.
    ZodiacSign GetVenusSign1930to1959(std::string_view year, std::string_view month,
                                      std::string_view day);
    ZodiacSign GetVenusSign1960to1989(std::string_view year, std::string_view month,
                                      std::string_view day);
    ZodiacSign GetVenusSign1990to2012(std::string_view year, std::string_view month,
                                      std::string_view day);

    ZodiacSign CurrentSign() const { return search_.CurrentSign(); }

private:
    SignTableSearch search_{kVenusTable};
};

// A complete lookup: the three block procedures in order, with the same arguments; the last
// result stands.
ZodiacSign GetVenusSign(modPlanetSignVenus& venus, std::string_view year, std::string_view month,
                        std::string_view day);

}  // namespace amorist
