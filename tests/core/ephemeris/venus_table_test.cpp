// The Venus table's known facts, checked through the complete lookup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "planet_lookup.h"

namespace amorist::testing {
namespace {

using namespace std::chrono;

TEST(VenusTable, GivesTheKnownSignOfSingleDays) {
    const DaySign cases[] = {
        {"1 January 1930", "Capricorn"},     {"31 December 2012", "Sagittarius"},
        {"24 January 1930", "Capricorn"},    {"25 January 1930", "Aquarius"},
        {"30 April 1930", "Taurus"},         {"1 May 1930", "Gemini"},
        {"22 November 1930", "Sagittarius"}, {"23 November 1930", "Scorpio"},
        {"2 March 1949", "Aquarius"},        {"3 March 1949", "Pisces"},
        {"26 March 1949", "Pisces"},         {"27 March 1949", "Aries"},
        {"23 October 1954", "Scorpio"},      {"24 October 1954", "Sagittarius"},
        {"27 October 1954", "Sagittarius"},  {"28 October 1954", "Scorpio"},
        {"29 April 1949", "Aries"},          {"30 April 1949", "Taurus"},
        {"1 January 1977", "Pisces"},        {"20 January 1978", "Aquarius"},
        {"28 August 1983", "Libra"},         {"22 December 1993", "Scorpio"},
        {"23 December 1993", "Sagittarius"}, {"31 December 1959", "Scorpio"},
        {"1 January 1960", "Scorpio"},       {"31 December 1989", "Aquarius"},
        {"1 January 1990", "Aquarius"},
    };
    PlanetLookup venus(Planet::Venus);
    for (const DaySign& c : cases) {
        EXPECT_EQ(venus.On(ParseDate(c.date)), c.sign) << c.date;
    }
}

TEST(VenusTable, MatchesTheKnownMonthsOf1930AndTheHeldEntries) {
    const MonthSigns months[] = {
        {1930, 1, {{1, "Capricorn"}, {25, "Aquarius"}}},
        {1930, 2, {{1, "Aquarius"}, {17, "Pisces"}}},
        {1930, 3, {{1, "Pisces"}, {13, "Aries"}}},
        {1930, 4, {{1, "Aries"}, {7, "Taurus"}}},
        {1930, 5, {{1, "Gemini"}, {26, "Cancer"}}},
        {1930, 6, {{1, "Cancer"}, {20, "Leo"}}},
        {1930, 7, {{1, "Leo"}, {15, "Virgo"}}},
        {1930, 8, {{1, "Virgo"}, {11, "Libra"}}},
        {1930, 9, {{1, "Libra"}, {8, "Scorpio"}}},
        {1930, 10, {{1, "Scorpio"}, {13, "Sagittarius"}}},
        {1930, 11, {{1, "Sagittarius"}, {23, "Scorpio"}}},
        {1930, 12, {{1, "Scorpio"}}},
        {1949, 3, {{1, "Aquarius"}, {3, "Pisces"}, {27, "Aries"}}},
        {1954, 10, {{1, "Scorpio"}, {24, "Sagittarius"}, {28, "Scorpio"}}},
        // Entries held whatever the ephemeris says, with their neighbours.
        {1949, 4, {{1, "Aries"}, {30, "Taurus"}}},
        {1949, 5, {{1, "Taurus"}, {15, "Gemini"}}},
        {1976, 12, {{1, "Capricorn"}, {10, "Aquarius"}}},
        {1977, 1, {{1, "Pisces"}, {5, "Aries"}}},
        {1977, 2, {{1, "Aries"}, {3, "Taurus"}}},
        {1977, 3, {{1, "Taurus"}}},
        {1977, 4, {{1, "Taurus"}}},
        {1977, 5, {{1, "Taurus"}}},
        {1977, 6, {{1, "Taurus"}, {7, "Gemini"}}},
        {1977, 7, {{1, "Gemini"}, {7, "Cancer"}}},
        {1977, 8, {{1, "Cancer"}, {3, "Leo"}, {29, "Virgo"}}},
        {1977, 9, {{1, "Virgo"}, {23, "Libra"}}},
        {1977, 10, {{1, "Libra"}, {18, "Scorpio"}}},
        {1977, 11, {{1, "Scorpio"}, {11, "Sagittarius"}}},
        {1977, 12, {{1, "Sagittarius"}, {5, "Capricorn"}, {28, "Aquarius"}}},
        {1978, 1, {{1, "Aquarius"}}},
        {1978, 2, {{1, "Aquarius"}, {14, "Pisces"}}},
        {1983, 8, {{1, "Virgo"}, {28, "Libra"}}},
        {1983, 9, {{1, "Libra"}}},
        {1983, 10, {{1, "Libra"}, {6, "Virgo"}}},
        {1993, 12, {{1, "Scorpio"}, {23, "Sagittarius"}, {27, "Capricorn"}}},
    };
    PlanetLookup venus(Planet::Venus);
    for (const MonthSigns& month : months) {
        EXPECT_EQ(MismatchedDays(venus, month), std::vector<std::string>{});
    }
}

TEST(VenusTable, GoesBackwardsExactlyOnTheKnownDays) {
    const std::vector<std::string> expected = {
        "23 November 1930 Scorpio",  "14 July 1932 Gemini",       "15 April 1937 Aries",
        "16 November 1938 Scorpio",  "6 July 1940 Gemini",        "8 April 1945 Aries",
        "9 November 1946 Scorpio",   "30 June 1948 Gemini",       "1 April 1953 Aries",
        "28 October 1954 Scorpio",   "24 June 1956 Gemini",       "21 September 1959 Leo",
        "18 June 1964 Gemini",       "7 February 1966 Capricorn", "10 September 1967 Leo",
        "12 June 1972 Gemini",       "30 January 1974 Capricorn", "3 September 1975 Leo",
        "6 June 1980 Gemini",        "24 January 1982 Capricorn", "6 October 1983 Virgo",
        "28 May 1988 Gemini",        "17 January 1990 Capricorn", "22 August 1991 Leo",
        "10 January 1998 Capricorn", "16 August 1999 Leo",        "2 January 2006 Capricorn",
        "10 August 2007 Leo",        "12 April 2009 Pisces",      "9 November 2010 Libra",
    };
    std::vector<std::string> backward;
    for (const SignChange& change : AllChanges(Planet::Venus)) {
        if (change.Backward()) {
            backward.push_back(DateText(change.firstDay) + ' ' + std::string(change.to));
        }
    }
    EXPECT_EQ(backward, expected);
}

}  // namespace
}  // namespace amorist::testing
