#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/compatibility/modRomanticCompatibility.h"
#include "core/ephemeris/zodiac.h"

namespace amorist {
namespace {

// Rows by first sign, columns by second sign, both in zodiac order.
constexpr int kExpectedNumbers[12][12] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
    {11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9},
    {9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8}, {8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7},
    {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6}, {6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5},
    {5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4}, {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3},
    {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1},
};

std::string NumberFor(std::string_view first, std::string_view second) {
    modRomanticCompatibility rule;
    rule.FindCompatibilityNumber(first, second);
    return std::string(rule.CompatibilityNumber());
}

TEST(CompatibilityRule, EveryPairGivesItsNumberFromTheTable) {
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            EXPECT_EQ(NumberFor(kZodiacSigns[i], kZodiacSigns[j]),
                      std::to_string(kExpectedNumbers[i][j]))
                << kZodiacSigns[i] << "-" << kZodiacSigns[j];
        }
    }
}

TEST(CompatibilityRule, ExchangingTheSignsTurnsNInto14MinusN) {
    for (std::string_view first : kZodiacSigns) {
        for (std::string_view second : kZodiacSigns) {
            const int forward = std::stoi(NumberFor(first, second));
            const int backward = std::stoi(NumberFor(second, first));
            if (forward == 1 || forward == 7) {
                EXPECT_EQ(backward, forward) << first << "-" << second;
            } else {
                EXPECT_EQ(backward, 14 - forward) << first << "-" << second;
            }
        }
    }
}

TEST(CompatibilityRule, EachCallDependsOnlyOnItsOwnPairWhenItMatches) {
    modRomanticCompatibility rule;
    rule.FindCompatibilityNumber("Leo", "Aquarius");
    rule.FindCompatibilityNumber("Taurus", "Gemini");
    EXPECT_EQ(rule.CompatibilityNumber(), "2");
}

struct UnmatchedPair {
    std::string_view first, second;
};

class UnmatchedPairs : public testing::TestWithParam<UnmatchedPair> {};

TEST_P(UnmatchedPairs, StayEmptyBeforeAnyMatch) {
    modRomanticCompatibility rule;
    rule.FindCompatibilityNumber(GetParam().first, GetParam().second);
    EXPECT_EQ(rule.CompatibilityNumber(), "");
}

TEST_P(UnmatchedPairs, KeepTheEarlierNumber) {
    modRomanticCompatibility rule;
    rule.FindCompatibilityNumber("Aries", "Leo");
    ASSERT_EQ(rule.CompatibilityNumber(), "5");
    rule.FindCompatibilityNumber(GetParam().first, GetParam().second);
    EXPECT_EQ(rule.CompatibilityNumber(), "5");
}

INSTANTIATE_TEST_SUITE_P(
    CompatibilityRule, UnmatchedPairs,
    testing::Values(UnmatchedPair{"aries", "Taurus"}, UnmatchedPair{"Aries", "TAURUS"},
                    UnmatchedPair{"", "Taurus"}, UnmatchedPair{"Aries", ""}, UnmatchedPair{"", ""},
                    UnmatchedPair{" Aries", "Taurus"}, UnmatchedPair{"Aries", "Taurus "},
                    UnmatchedPair{"Aries-Taurus", ""}, UnmatchedPair{"", "Aries-Taurus"},
                    UnmatchedPair{"Aries-", "Taurus"}, UnmatchedPair{"Aries", "Taurus-Aries"},
                    UnmatchedPair{"Ari", "es-Taurus"},
                    UnmatchedPair{"Aries", std::string_view("Taurus\0", 7)}));

}  // namespace
}  // namespace amorist
