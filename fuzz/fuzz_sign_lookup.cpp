// Both sign lookups with any year, month and day texts. Whatever arrives, a lookup either
// throws TypeMismatch for a number that does not read, finds nothing outside the tables, or
// gives exactly the sign its table holds for that day.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/ephemeris/modPlanetSignMars.h"
#include "core/ephemeris/modPlanetSignVenus.h"
#include "core/ephemeris/reads_as_number.h"
#include "core/ephemeris/sign_table.h"
#include "core/ephemeris/zodiac.h"
#include "fuzz/fuzz_support.h"

namespace {

using amorist::fuzz::Require;

struct Outcome {
    bool threw = false;
    amorist::ZodiacSign sign;
};

template <typename Module, typename Lookup>
Outcome Run(Module& module, Lookup lookup, std::string_view year, std::string_view month,
            std::string_view day) {
    Outcome outcome;
    try {
        outcome.sign = lookup(module, year, month, day);
    } catch (const amorist::TypeMismatch&) {
        outcome.threw = true;
    }
    return outcome;
}

bool IsSignName(amorist::ZodiacSign sign) {
    return amorist::SignIndex(sign).has_value();
}

template <typename Module, typename Lookup>
void CheckPlanet(const amorist::SignTable& table, Lookup lookup, std::string_view year,
                 std::string_view month, std::string_view day) {
    Module fresh;
    const Outcome outcome = Run(fresh, lookup, year, month, day);
    Require(outcome.threw || outcome.sign == fresh.CurrentSign(),
            "a lookup returns the sign it leaves current");
    Require(outcome.threw || outcome.sign.empty() || IsSignName(outcome.sign),
            "a lookup gives a sign name spelled exactly, or nothing");

    // A module that already holds a sign keeps it through a lookup that throws or finds
    // nothing: the result window would otherwise show a sign nobody asked for.
    Module held;
    const amorist::ZodiacSign before = lookup(held, "1975", "March", "7");
    Require(IsSignName(before), "7 March 1975 has a sign");
    const Outcome again = Run(held, lookup, year, month, day);
    Require(again.threw == outcome.threw, "whether a lookup throws does not depend on the past");
    Require(held.CurrentSign() == (outcome.threw || outcome.sign.empty() ? before : outcome.sign),
            "a lookup that throws or finds nothing leaves the current sign as it was");

    const std::optional<int> yearNumber = amorist::ReadAsNumber(year);
    const std::optional<int> monthIndex = amorist::MonthIndex(month);
    const std::optional<int> dayNumber = amorist::ReadAsNumber(day);
    if (!yearNumber) {
        Require(outcome.threw, "a year that does not read as a number throws TypeMismatch");
        return;
    }
    if (*yearNumber < amorist::kFirstTableYear || *yearNumber > amorist::kLastTableYear ||
        !monthIndex) {
        Require(!outcome.threw && outcome.sign.empty(),
                "a year outside 1930 to 2012 or an unknown month finds nothing");
        return;
    }
    const amorist::MonthEntry& entry = table[static_cast<std::size_t>(
        (*yearNumber - amorist::kFirstTableYear) * 12 + *monthIndex)];
    if (entry.changes != 0 && !dayNumber) {
        Require(outcome.threw, "a day that does not read throws in a month with a change");
        return;
    }
    Require(!outcome.threw, "a readable date inside the tables does not throw");
    Require(outcome.sign == amorist::SignName(amorist::SignOnDay(entry, dayNumber.value_or(1))),
            "a date inside the tables gives the sign its month entry holds for that day");

    // Texts are compared as numbers, so the plain spelling of the same numbers agrees.
    Module plain;
    const std::string plainDay = dayNumber ? std::to_string(*dayNumber) : std::string(day);
    Require(lookup(plain, std::to_string(*yearNumber), month, plainDay) == outcome.sign,
            "\" 1975\", \"+1975\" and \"1975\" are the same year");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [year, month, day] = amorist::fuzz::Fields<3>(data, size);
    CheckPlanet<amorist::modPlanetSignMars>(
        amorist::kMarsTable,
        [](amorist::modPlanetSignMars& mars, std::string_view y, std::string_view m,
           std::string_view d) { return amorist::GetMarsSign(mars, y, m, d); },
        year, month, day);
    CheckPlanet<amorist::modPlanetSignVenus>(
        amorist::kVenusTable,
        [](amorist::modPlanetSignVenus& venus, std::string_view y, std::string_view m,
           std::string_view d) { return amorist::GetVenusSign(venus, y, m, d); },
        year, month, day);
    return 0;
}
