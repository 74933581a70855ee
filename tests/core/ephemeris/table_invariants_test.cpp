// Properties that hold over the whole of both tables, and where each puts its changes close to
// midnight, checked day by day through the lookups.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "planet_lookup.h"

namespace amorist::testing {
namespace {

using namespace std::chrono;

bool Neighbours(ZodiacSign a, ZodiacSign b) {
    const int i = *SignIndex(a);
    const int j = *SignIndex(b);
    return (i + 1) % 12 == j || (j + 1) % 12 == i;
}

// How a planet's months fall into the three entry forms, measured from the looked-up days.
struct MonthForms {
    std::array<int, 3> byChanges{};  // whole month, one change, two changes
    std::vector<std::string> twoChangeMonths;
};

// Also checks, month by month, what a caller can see of an entry's form: the day text is read
// only in a month with a change, and day numbers beyond the month's days give its first or
// last sign.
MonthForms MeasureForms(Planet planet) {
    PlanetLookup lookup(planet);
    MonthForms forms;
    for (year_month month = 1930y / January; month <= 2012y / December; month += months{1}) {
        const std::string yearText = std::to_string(int{month.year()});
        const std::string_view monthName = kMonthNames[unsigned{month.month()} - 1];
        const unsigned length = unsigned{(month / last).day()};
        int changes = 0;
        for (unsigned d = 2; d <= length; ++d) {
            changes += lookup.On(month / d) != lookup.On(month / (d - 1)) ? 1 : 0;
        }
        EXPECT_LE(changes, 2) << monthName << ' ' << yearText;
        if (changes > 2) {
            continue;
        }
        ++forms.byChanges[changes];
        if (changes == 2) {
            forms.twoChangeMonths.push_back(std::string(monthName) + ' ' + yearText);
        }

        const ZodiacSign first = lookup.On(month / 1);
        const ZodiacSign lastSign = lookup.On(month / length);
        for (const char* before : {"0", "-1", "-2147483648"}) {
            EXPECT_EQ(lookup.Lookup(yearText, monthName, before), first)
                << before << ' ' << monthName << ' ' << yearText;
        }
        for (const char* after : {"32", "2147483647"}) {
            EXPECT_EQ(lookup.Lookup(yearText, monthName, after), lastSign)
                << after << ' ' << monthName << ' ' << yearText;
        }
        if (changes == 0) {
            EXPECT_EQ(lookup.Lookup(yearText, monthName, "not a day"), first)
                << monthName << ' ' << yearText;
        } else {
            EXPECT_THROW(lookup.Lookup(yearText, monthName, "not a day"), TypeMismatch)
                << monthName << ' ' << yearText;
        }
    }
    return forms;
}

class BothTables : public ::testing::TestWithParam<Planet> {};

TEST_P(BothTables, ChangesOnlyToANeighbouringSign) {
    const std::vector<SignChange> changes = AllChanges(GetParam());
    ASSERT_FALSE(changes.empty());
    for (const SignChange& change : changes) {
        EXPECT_TRUE(Neighbours(change.from, change.to))
            << DateText(change.firstDay) << ": " << change.from << " to " << change.to;
    }
}

INSTANTIATE_TEST_SUITE_P(Planets, BothTables, ::testing::Values(Planet::Mars, Planet::Venus),
                         [](const auto& info) { return PlanetName(info.param); });

// Crossings close to 00:00 UT, within about an hour for Mars and twenty minutes for Venus:
// the day given is the first in the new sign.
struct MidnightChanges {
    Planet planet;
    std::vector<DaySign> changes;
};

const MidnightChanges kMidnightChanges[] = {
    {Planet::Mars,
     {
         {"19 January 1932", "Aquarius"}, {"12 December 1938", "Scorpio"},
         {"26 May 1939", "Aquarius"},     {"25 September 1939", "Aquarius"},
         {"5 January 1940", "Aries"},     {"18 February 1941", "Capricorn"},
         {"8 July 1943", "Taurus"},       {"24 August 1943", "Gemini"},
         {"30 August 1944", "Libra"},     {"11 June 1949", "Gemini"},
         {"28 October 1949", "Virgo"},    {"4 July 1951", "Cancer"},
         {"11 April 1955", "Gemini"},     {"27 May 1955", "Cancer"},
         {"29 June 1961", "Virgo"},       {"18 August 1961", "Libra"},
         {"2 February 1962", "Aquarius"}, {"29 May 1962", "Taurus"},
         {"12 October 1962", "Leo"},      {"5 December 1966", "Libra"},
         {"28 March 1968", "Taurus"},     {"1 October 1972", "Libra"},
         {"30 October 1973", "Aries"},    {"10 June 1974", "Leo"},
         {"7 July 1976", "Virgo"},        {"21 November 1976", "Sagittarius"},
         {"2 January 1977", "Capricorn"}, {"2 September 1977", "Cancer"},
         {"17 December 1981", "Libra"},   {"1 November 1982", "Capricorn"},
         {"26 February 1983", "Aries"},   {"1 October 1983", "Virgo"},
         {"10 October 1986", "Aquarius"}, {"4 April 1991", "Cancer"},
         {"28 April 1993", "Leo"},        {"21 December 1993", "Capricorn"},
         {"18 September 2000", "Virgo"},  {"19 January 2002", "Aries"},
         {"22 April 2003", "Aquarius"},   {"29 September 2007", "Cancer"},
         {"30 July 2010", "Libra"},       {"8 December 2010", "Capricorn"},
         {"24 February 2011", "Pisces"},
     }},
    {Planet::Venus,
     {
         {"6 April 1932", "Gemini"},         {"28 November 1932", "Scorpio"},
         {"1 September 1937", "Leo"},        {"8 June 1941", "Cancer"},
         {"8 July 1943", "Virgo"},           {"15 December 1950", "Capricorn"},
         {"9 December 1951", "Scorpio"},     {"10 August 1952", "Virgo"},
         {"9 July 1955", "Cancer"},          {"6 November 1957", "Capricorn"},
         {"30 December 1961", "Capricorn"},  {"9 September 1966", "Virgo"},
         {"26 June 1974", "Gemini"},         {"15 August 1974", "Leo"},
         {"10 October 1981", "Sagittarius"}, {"14 November 1984", "Capricorn"},
         {"26 June 1990", "Gemini"},         {"14 April 1991", "Gemini"},
         {"14 March 1992", "Pisces"},        {"4 January 1993", "Pisces"},
         {"7 July 1993", "Gemini"},          {"17 October 1993", "Libra"},
         {"8 December 2008", "Aquarius"},
     }},
};

class CloseToMidnight : public ::testing::TestWithParam<MidnightChanges> {};

TEST_P(CloseToMidnight, PutsEachChangeOnItsDay) {
    PlanetLookup lookup(GetParam().planet);
    for (const DaySign& change : GetParam().changes) {
        const year_month_day day = ParseDate(change.date);
        EXPECT_EQ(lookup.On(day), change.sign) << change.date;
        EXPECT_NE(lookup.On(sys_days{day} - days{1}), change.sign)
            << "the day before " << change.date;
    }
}

INSTANTIATE_TEST_SUITE_P(Planets, CloseToMidnight, ::testing::ValuesIn(kMidnightChanges),
                         [](const auto& info) { return PlanetName(info.param.planet); });

TEST(VenusTable, HasTheKnownNumberOfEntriesOfEachFormAndOfChanges) {
    const MonthForms forms = MeasureForms(Planet::Venus);
    EXPECT_EQ(forms.byChanges[0], 106);
    EXPECT_EQ(forms.byChanges[1], 755);
    EXPECT_EQ(forms.byChanges[2], 135);
    EXPECT_EQ(AllChanges(Planet::Venus).size(), 1055u);
}

TEST(MarsTable, HasOneTwoChangeMonthAndAboutTheKnownNumberOfOthers) {
    const MonthForms forms = MeasureForms(Planet::Mars);
    EXPECT_EQ(forms.twoChangeMonths, std::vector<std::string>{"February 1961"});
    // Known only roughly: about 440 whole months, 555 with one change, 570 changes in all.
    EXPECT_NEAR(forms.byChanges[0], 440, 10);
    EXPECT_NEAR(forms.byChanges[1], 555, 10);
    EXPECT_NEAR(static_cast<double>(AllChanges(Planet::Mars).size()), 570, 10);
}

}  // namespace
}  // namespace amorist::testing
