// The twelve zodiac signs and month names as the program spells them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace amorist {

// A sign travels as text. Every non-empty ZodiacSign points at one of the
// names below, so it can be copied and returned without allocating.
using ZodiacSign = std::string_view;

// Zodiac order; the index is the sign's number (Aries 0 ... Pisces 11).
inline constexpr std::array<std::string_view, 12> kZodiacSigns = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

inline constexpr int kFirstTableYear = 1930;
inline constexpr int kLastTableYear = 2012;

// Exact, case-sensitive match against the names above.
constexpr std::optional<int> SignIndex(std::string_view name) {
    for (int i = 0; i < 12; ++i) {
        if (kZodiacSigns[i] == name)
            return i;
    }
    return std::nullopt;
}

constexpr std::optional<int> MonthIndex(std::string_view name) {
    for (int i = 0; i < 12; ++i) {
        if (kMonthNames[i] == name)
            return i;
    }
    return std::nullopt;
}

}  // namespace amorist
