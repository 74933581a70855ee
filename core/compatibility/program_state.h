// Everything the reading core keeps for the life of the program.
#pragma once

#include <optional>
#include <string>

#include "core/compatibility/modRomanticCompatibility.h"
#include "core/compatibility/reading_content.h"
#include "core/ephemeris/modPlanetSignMars.h"
#include "core/ephemeris/modPlanetSignVenus.h"
#include "core/translatable.h"

namespace amorist {

// A person as the request reads them: each text exactly as its control shows it.
struct BirthData {
    std::string name;
    std::string day;    // "1" to "31"
    std::string month;  // a month name
    std::string year;   // "1930" to "2012"
};

struct ReadingResult {
    std::string pairKey;  // e.g. Aries-Taurus, your sign first
    // Number read from CompatibilityNumber; nullopt when it did not read, and
    // then the reading's controls are left as they were.
    std::optional<int> number;
    const Category* category = nullptr;  // nullptr leaves the texts unchanged
};

// How a date of birth is shown: %n the day, %1 the month name (translated in
// the context "zodiac"), %2 the year. The day is the form's number, so a
// language may write its first day differently ("1er mars 1975").
inline constexpr std::string_view kDateOfBirthForm =
    //: A date of birth: %n the day, %1 the month name, %2 the year, e.g. 7/March/1975
    QT_TRANSLATE_N_NOOP("program_state", "%n/%1/%2");

struct RequestResult {
    std::string yourDateOfBirth;  // in kDateOfBirthForm, in English: 7/March/1975
    std::string partnerDateOfBirth;
    ReadingResult one;  // your Mars sign with your partner's Venus sign
    ReadingResult two;  // your Venus sign with your partner's Mars sign
};

// One reading as the request makes it: the pair's number, read back from
// CompatibilityNumber, picks the category. A pair that matches nothing repeats
// the last number found.
ReadingResult ReadingForPair(modRomanticCompatibility& compatibility, ZodiacSign first,
                             ZodiacSign second);

class ProgramState {
public:
    // The lookups and the two readings of a compatibility request, after the
    // input check has passed. Each sign is looked up with the three block
    // searches in turn, each result assigned to it; a search that fails (a
    // text that does not read as a number) leaves the sign as it was and the
    // request goes on with the next search.
    RequestResult RunCompatibilityRequest(const BirthData& you, const BirthData& partner);

    modPlanetSignMars mars;
    modPlanetSignVenus venus;
    modRomanticCompatibility compatibility;

    ZodiacSign YourMarsSign;
    ZodiacSign PartnerMarsSign;
    ZodiacSign YourVenusSign;
    ZodiacSign PartnerVenusSign;
};

}  // namespace amorist
