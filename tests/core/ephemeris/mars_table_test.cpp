// The Mars table's known facts, checked through the complete lookup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "planet_lookup.h"

namespace amorist::testing {
namespace {

using namespace std::chrono;

TEST(MarsTable, GivesTheKnownSignOfSingleDays) {
    const DaySign cases[] = {
        {"1 January 1930", "Capricorn"},     {"31 December 2012", "Aquarius"},
        {"6 February 1930", "Capricorn"},    {"7 February 1930", "Aquarius"},
        {"16 February 1931", "Leo"},         {"17 February 1931", "Cancer"},
        {"30 March 1931", "Cancer"},         {"31 March 1931", "Leo"},
        {"5 February 1961", "Cancer"},       {"6 February 1961", "Gemini"},
        {"7 February 1961", "Gemini"},       {"8 February 1961", "Cancer"},
        {"6 September 1951", "Virgo"},       {"5 October 1951", "Virgo"},
        {"31 December 1959", "Sagittarius"}, {"1 January 1960", "Sagittarius"},
        {"31 December 1989", "Sagittarius"}, {"1 January 1990", "Sagittarius"},
    };
    PlanetLookup mars(Planet::Mars);
    for (const DaySign& c : cases) {
        EXPECT_EQ(mars.On(ParseDate(c.date)), c.sign) << c.date;
    }
}

TEST(MarsTable, MatchesTheKnownMonthsOf1930And1931AndTheHeldEntries) {
    const MonthSigns months[] = {
        {1930, 1, {{1, "Capricorn"}}},
        {1930, 2, {{1, "Capricorn"}, {7, "Aquarius"}}},
        {1930, 3, {{1, "Aquarius"}, {18, "Pisces"}}},
        {1930, 4, {{1, "Pisces"}, {25, "Aries"}}},
        {1930, 5, {{1, "Aries"}}},
        {1930, 6, {{1, "Aries"}, {4, "Taurus"}}},
        {1930, 7, {{1, "Taurus"}, {15, "Gemini"}}},
        {1930, 8, {{1, "Gemini"}, {29, "Cancer"}}},
        {1930, 9, {{1, "Cancer"}}},
        {1930, 10, {{1, "Cancer"}, {21, "Leo"}}},
        {1930, 11, {{1, "Leo"}}},
        {1930, 12, {{1, "Leo"}}},
        {1931, 1, {{1, "Leo"}}},
        {1931, 2, {{1, "Leo"}, {17, "Cancer"}}},
        {1931, 3, {{1, "Cancer"}, {31, "Leo"}}},
        {1931, 4, {{1, "Leo"}}},
        {1931, 5, {{1, "Leo"}}},
        {1931, 6, {{1, "Leo"}, {11, "Virgo"}}},
        {1931, 7, {{1, "Virgo"}}},
        {1931, 8, {{1, "Virgo"}, {2, "Libra"}}},
        {1931, 9, {{1, "Libra"}, {18, "Scorpio"}}},
        {1931, 10, {{1, "Scorpio"}, {31, "Sagittarius"}}},
        {1931, 11, {{1, "Sagittarius"}}},
        {1931, 12, {{1, "Sagittarius"}, {11, "Capricorn"}}},
        // Entries held whatever the ephemeris says.
        {1951, 9, {{1, "Leo"}, {6, "Virgo"}}},
        {1951, 10, {{1, "Virgo"}}},
        {1961, 1, {{1, "Cancer"}}},
        {1961, 2, {{1, "Cancer"}, {6, "Gemini"}, {8, "Cancer"}}},
        {1961, 3, {{1, "Cancer"}}},
        {1988, 10, {{1, "Aries"}, {24, "Pisces"}}},
        {1988, 11, {{1, "Pisces"}, {2, "Aries"}}},
        // Around the turn of 1997, Aquarius between Capricorn and Pisces.
        {1997, 11, {{1, "Sagittarius"}, {10, "Capricorn"}}},
        {1997, 12, {{1, "Capricorn"}, {19, "Aquarius"}}},
        {1998, 1, {{1, "Aquarius"}, {26, "Pisces"}}},
    };
    PlanetLookup mars(Planet::Mars);
    for (const MonthSigns& month : months) {
        EXPECT_EQ(MismatchedDays(mars, month), std::vector<std::string>{});
    }
}

TEST(MarsTable, GoesBackwardsExactlyOnTheKnownDays) {
    const std::vector<std::string> expected = {
        "17 February 1931 Cancer", "15 May 1937 Scorpio",    "22 July 1939 Capricorn",
        "27 December 1945 Cancer", "13 February 1948 Leo",   "29 March 1950 Virgo",
        "4 July 1954 Sagittarius", "30 October 1958 Taurus", "6 February 1961 Gemini",
        "1 April 1967 Libra",      "30 October 1973 Aries",  "26 November 1975 Gemini",
        "27 January 1978 Cancer",  "12 March 1980 Leo",      "24 October 1988 Pisces",
        "15 December 1990 Taurus", "23 January 1995 Leo",    "9 March 1997 Virgo",
        "6 May 1999 Libra",        "1 January 2008 Gemini",
    };
    std::vector<std::string> backward;
    for (const SignChange& change : AllChanges(Planet::Mars)) {
        if (change.Backward()) {
            backward.push_back(DateText(change.firstDay) + ' ' + std::string(change.to));
        }
    }
    EXPECT_EQ(backward, expected);
}

}  // namespace
}  // namespace amorist::testing
