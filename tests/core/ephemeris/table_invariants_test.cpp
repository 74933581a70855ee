// Properties that hold over the whole of both tables, checked day by day through the lookups.
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
