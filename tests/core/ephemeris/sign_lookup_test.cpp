// How the lookups read their arguments and keep each planet's current sign.
#include <gtest/gtest.h>

#include <string>

#include "planet_lookup.h"

namespace amorist::testing {
namespace {

class SignLookup : public ::testing::TestWithParam<Planet> {
protected:
    PlanetLookup lookup{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Planets, SignLookup, ::testing::Values(Planet::Mars, Planet::Venus),
                         [](const auto& info) { return PlanetName(info.param); });

struct Misses {
    const char* year;
    const char* month;
};

const Misses kMisses[] = {
    {"1929", "December"}, {"2013", "January"}, {"0", "January"},   {"-1975", "May"},
    {"1975", "january"},  {"1975", "JANUARY"}, {"1975", "Jan"},    {"1975", " January"},
    {"1975", "January "}, {"1975", ""},        {"1975", "Januar"}, {"1975", "Januaryy"},
};

TEST_P(SignLookup, FirstLookupOutsideTheTableGivesEmptyText) {
    for (const Misses& miss : kMisses) {
        EXPECT_EQ(lookup.Lookup(miss.year, miss.month, "1"), "") << miss.year << ' ' << miss.month;
    }
    EXPECT_EQ(lookup.CurrentSign(), "");
}

TEST_P(SignLookup, LookupOutsideTheTableGivesTheLastSignFound) {
    const ZodiacSign found = lookup.Lookup("1930", "January", "1");
    ASSERT_EQ(found, "Capricorn");
    for (const Misses& miss : kMisses) {
        EXPECT_EQ(lookup.Lookup(miss.year, miss.month, "1"), found)
            << miss.year << ' ' << miss.month;
    }
    // A later success replaces the current sign.
    const ZodiacSign later = lookup.Lookup("1930", "December", "31");
    EXPECT_NE(later, found);
    EXPECT_EQ(lookup.CurrentSign(), later);
    EXPECT_EQ(lookup.Lookup("2013", "January", "1"), later);
}

TEST_P(SignLookup, EachBlockProcedureFindsOnlyItsOwnYears) {
    const char* const years[] = {"1930", "1959", "1960", "1989", "1990", "2012"};
    for (int block = 0; block < 3; ++block) {
        for (int y = 0; y < 6; ++y) {
            PlanetLookup fresh(GetParam());
            const ZodiacSign sign = fresh.Block(block, years[y], "June", "15");
            EXPECT_EQ(sign.empty(), y / 2 != block) << "block " << block << ", " << years[y];
            EXPECT_EQ(fresh.CurrentSign(), sign);
        }
    }
}

TEST_P(SignLookup, LaterBlocksKeepTheSignTheEarlierOneFound) {
    const ZodiacSign found = lookup.Block(0, "1945", "March", "3");
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(lookup.Block(1, "1945", "March", "3"), found);
    EXPECT_EQ(lookup.Block(2, "1945", "March", "3"), found);
}

TEST_P(SignLookup, ReadsYearAndDayAsNumbers) {
    const ZodiacSign plain = lookup.Lookup("1930", "February", "20");
    ASSERT_FALSE(plain.empty());
    for (const char* year : {" 1930", "1930 ", "+1930", "01930"}) {
        PlanetLookup fresh(GetParam());
        EXPECT_EQ(fresh.Lookup(year, "February", "20"), plain) << '"' << year << '"';
    }
    for (const char* day : {" 20", "20 ", "+20", "0020"}) {
        PlanetLookup fresh(GetParam());
        EXPECT_EQ(fresh.Lookup("1930", "February", day), plain) << '"' << day << '"';
    }
}

struct BadArguments {
    const char* year;
    const char* month;
    std::string day;
    bool throws;
};

// February 1930 has a change for both planets, December 1930 has none.
const BadArguments kBadArguments[] = {
    {"abc", "February", "1", true},
    {"", "February", "1", true},
    {"1930.0", "February", "1", true},
    {"19 30", "February", "1", true},
    {"99999999999", "February", "1", true},
    {"abc", "january", "x", true},  // the year is compared before the month
    {"1930", "February", "x", true},
    {"1930", "February", "", true},
    {"1930", "February", "7.5", true},
    {"1930", "February", "99999999999999999999", true},
    {"1930", "February", std::string(1 << 20, '7'), true},
    {"1930", "February", std::string("7\0", 2), true},
    {"1930", "December", "x", false},  // whole month: the day is not read
    {"1930", "December", std::string(1 << 20, '%'), false},
    {"1930", "Feb", "x", false},
    {"2013", "February", "x", false},
};

TEST_P(SignLookup, ThrowsTypeMismatchOnlyForATextThatMustBeReadAndCannot) {
    const ZodiacSign before = lookup.Lookup("1935", "July", "4");
    for (const BadArguments& bad : kBadArguments) {
        const std::string label =
            std::string(bad.year) + ' ' + bad.month + ' ' + bad.day.substr(0, 20);
        if (bad.throws) {
            EXPECT_THROW(lookup.Lookup(bad.year, bad.month, bad.day), TypeMismatch) << label;
            EXPECT_EQ(lookup.CurrentSign(), before) << label;
        } else {
            EXPECT_NO_THROW(lookup.Lookup(bad.year, bad.month, bad.day)) << label;
        }
    }
}

TEST_P(SignLookup, EveryBlockReadsTheYearEvenWhenTheYearIsNotItsOwn) {
    for (int block = 0; block < 3; ++block) {
        EXPECT_THROW(lookup.Block(block, "nineteen", "May", "1"), TypeMismatch) << block;
    }
}

TEST(CurrentSigns, AreKeptApartForMarsAndVenus) {
    PlanetLookup mars(Planet::Mars);
    PlanetLookup venus(Planet::Venus);
    ASSERT_EQ(mars.Lookup("1930", "May", "10"), "Aries");
    EXPECT_EQ(venus.Lookup("2013", "May", "10"), "");
    ASSERT_EQ(venus.Lookup("1930", "May", "10"), "Gemini");
    EXPECT_EQ(mars.Lookup("2013", "May", "10"), "Aries");
}

}  // namespace
}  // namespace amorist::testing
