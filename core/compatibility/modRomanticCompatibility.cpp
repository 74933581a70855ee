#include "core/compatibility/modRomanticCompatibility.h"

#include <array>
#include <cstddef>

#include "core/ephemeris/zodiac.h"

namespace amorist {
namespace {

// The numbers travel as text, like the signs; these are the only twelve values
// CompatibilityNumber can ever hold besides empty.
constexpr std::array<std::string_view, 12> kNumberTexts = {"1", "2", "3", "4",  "5",  "6",
                                                           "7", "8", "9", "10", "11", "12"};

// A pair key "First-Second". The longest, Sagittarius-Sagittarius, has 23
// characters, so a fixed buffer keeps the whole table in read-only data.
struct PairKey {
    std::array<char, 24> text{};
    std::size_t size = 0;

    constexpr std::string_view View() const { return {text.data(), size}; }
};

constexpr PairKey MakeKey(std::string_view first, std::string_view second) {
    PairKey key;
    for (char c : first)
        key.text[key.size++] = c;
    key.text[key.size++] = '-';
    for (char c : second)
        key.text[key.size++] = c;
    return key;
}

struct Tables {
    std::array<std::array<PairKey, 12>, 12> keys{};
    std::array<std::array<std::string_view, 12>, 12> numbers{};
};

// Counting forward from the first sign to the second, the first sign itself
// counting as 1: equal signs give 1, the opposite sign 7, the sign before 12.
constexpr Tables MakeTables() {
    Tables t;
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            t.keys[i][j] = MakeKey(kZodiacSigns[i], kZodiacSigns[j]);
            t.numbers[i][j] = kNumberTexts[((j - i) % 12 + 12) % 12];
        }
    }
    return t;
}

constexpr Tables kTables = MakeTables();

static_assert(kTables.keys[0][1].View() == "Aries-Taurus");
static_assert(kTables.keys[8][8].View() == "Sagittarius-Sagittarius");
static_assert(kTables.numbers[11][0] == "2");
static_assert(kTables.numbers[0][11] == "12");

// Whether first + "-" + second spells key, without building the joined text:
// any texts at all may arrive here, and none of them may cost an allocation.
bool JoinedEquals(std::string_view key, std::string_view first, std::string_view second) {
    return key.size() == first.size() + 1 + second.size() && key.substr(0, first.size()) == first &&
           key[first.size()] == '-' && key.substr(first.size() + 1) == second;
}

}  // namespace

void modRomanticCompatibility::FindCompatibilityNumber(std::string_view first,
                                                       std::string_view second) {
    // Every key is compared, without stopping at a match; the keys are all
    // distinct, so at most one of them can match.
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            if (JoinedEquals(kTables.keys[i][j].View(), first, second)) {
                number_ = kTables.numbers[i][j];
            }
        }
    }
}

}  // namespace amorist
