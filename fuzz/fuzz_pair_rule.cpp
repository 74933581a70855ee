// The pair rule with any two sign texts. Only the 144 exact sign pairs give a number, always
// the count from the first sign to the second, and every other text leaves the number alone.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/compatibility/modRomanticCompatibility.h"
#include "core/ephemeris/zodiac.h"
#include "fuzz/fuzz_support.h"

using amorist::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [first, second] = amorist::fuzz::Fields<2>(data, size);
    const std::optional<int> i = amorist::SignIndex(first);
    const std::optional<int> j = amorist::SignIndex(second);

    amorist::modRomanticCompatibility fresh;
    fresh.FindCompatibilityNumber(first, second);
    const std::string_view number = fresh.CompatibilityNumber();
    if (i && j) {
        // Counting through the zodiac with the first sign as 1 (Aries-Aries 1, Aries-Libra 7,
        // Aries-Pisces 12), told without the count itself: a sign with itself is 1, and moving
        // the second sign one on moves the number one on, from 12 back to 1.
        if (*i == *j)
            Require(number == "1", "a sign with itself gives 1");
        const std::string_view next = amorist::kZodiacSigns[static_cast<std::size_t>(*j + 1) % 12];
        amorist::modRomanticCompatibility onward;
        onward.FindCompatibilityNumber(first, next);
        const int here = std::stoi(std::string(number));
        Require(here >= 1 && here <= 12, "the number runs from 1 to 12");
        Require(std::stoi(std::string(onward.CompatibilityNumber())) == here % 12 + 1,
                "the sign after the second gives the next number");
    } else {
        Require(number.empty(), "a text that is not a sign name, exactly spelled, gives nothing");
    }

    // The number a reading already holds survives an unmatched pair.
    amorist::modRomanticCompatibility held;
    held.FindCompatibilityNumber("Leo", "Aquarius");
    Require(held.CompatibilityNumber() == "7", "Leo-Aquarius is 7");
    held.FindCompatibilityNumber(first, second);
    Require(held.CompatibilityNumber() == (number.empty() ? std::string_view("7") : number),
            "an unmatched pair keeps the earlier number, a matched one replaces it");

    // Reading Two asks with the signs the other way round: the two counts add up to 14, except
    // for equal signs, where both are 1.
    amorist::modRomanticCompatibility swapped;
    swapped.FindCompatibilityNumber(second, first);
    if (i && j) {
        const int forward = std::stoi(std::string(number));
        const int backward = std::stoi(std::string(swapped.CompatibilityNumber()));
        Require(*i == *j ? backward == 1 : forward + backward == 14,
                "exchanging the signs turns n into 14 - n");
    } else {
        Require(swapped.CompatibilityNumber().empty(), "swapping unmatched texts matches nothing");
    }
    return 0;
}
