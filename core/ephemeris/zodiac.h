// The twelve zodiac signs and month names as the program spells them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/translatable.h"

namespace amorist {

// A sign travels as text. Every non-empty ZodiacSign points at one of the
// names below, so it can be copied and returned without allocating.
using ZodiacSign = std::string_view;

// Zodiac order; the index is the sign's number (Aries 0 ... Pisces 11).
// These are the values the tables hold and the pair rule compares; where a
// sign is shown, it is translated in the context "zodiac".
inline constexpr std::array<std::string_view, 12> kZodiacSigns = {
    //: A zodiac sign, shown beside "Your Mars Sign" and the like
    QT_TRANSLATE_NOOP("zodiac", "Aries"),       QT_TRANSLATE_NOOP("zodiac", "Taurus"),
    QT_TRANSLATE_NOOP("zodiac", "Gemini"),      QT_TRANSLATE_NOOP("zodiac", "Cancer"),
    QT_TRANSLATE_NOOP("zodiac", "Leo"),         QT_TRANSLATE_NOOP("zodiac", "Virgo"),
    QT_TRANSLATE_NOOP("zodiac", "Libra"),       QT_TRANSLATE_NOOP("zodiac", "Scorpio"),
    QT_TRANSLATE_NOOP("zodiac", "Sagittarius"), QT_TRANSLATE_NOOP("zodiac", "Capricorn"),
    QT_TRANSLATE_NOOP("zodiac", "Aquarius"),    QT_TRANSLATE_NOOP("zodiac", "Pisces"),
};

// The sign lookups take these English names whatever language is shown; where
// a month name is shown, it is translated in the context "zodiac".
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    //: A month name, in the month lists and in a date of birth shown as day/month/year
    QT_TRANSLATE_NOOP("zodiac", "January"),   QT_TRANSLATE_NOOP("zodiac", "February"),
    QT_TRANSLATE_NOOP("zodiac", "March"),     QT_TRANSLATE_NOOP("zodiac", "April"),
    QT_TRANSLATE_NOOP("zodiac", "May"),       QT_TRANSLATE_NOOP("zodiac", "June"),
    QT_TRANSLATE_NOOP("zodiac", "July"),      QT_TRANSLATE_NOOP("zodiac", "August"),
    QT_TRANSLATE_NOOP("zodiac", "September"), QT_TRANSLATE_NOOP("zodiac", "October"),
    QT_TRANSLATE_NOOP("zodiac", "November"),  QT_TRANSLATE_NOOP("zodiac", "December"),
};

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
