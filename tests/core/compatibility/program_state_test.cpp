#include <gtest/gtest.h>

#include <string_view>

#include "core/compatibility/program_state.h"

namespace amorist {
namespace {

// Dates whose signs are fixed facts of the tables:
// 1 Jan 1930: Mars Capricorn, Venus Capricorn.
// 7 Feb 1930: Mars Aquarius, Venus Aquarius.
// 1 May 1930: Mars Aries, Venus Gemini.
const BirthData kNewYear1930{"ANN", "1", "January", "1930"};
const BirthData kFebruary1930{"ANN", "7", "February", "1930"};
const BirthData kMay1930{"BOB", "1", "May", "1930"};

struct Signs {
    std::string_view yourMars, partnerMars, yourVenus, partnerVenus;
};

void ExpectSigns(const ProgramState& state, const Signs& s) {
    EXPECT_EQ(state.YourMarsSign, s.yourMars);
    EXPECT_EQ(state.PartnerMarsSign, s.partnerMars);
    EXPECT_EQ(state.YourVenusSign, s.yourVenus);
    EXPECT_EQ(state.PartnerVenusSign, s.partnerVenus);
}

void ExpectReading(const ReadingResult& reading, std::string_view pair, int number,
                   std::string_view word) {
    EXPECT_EQ(reading.pairKey, pair);
    EXPECT_EQ(reading.number, number);
    ASSERT_NE(reading.category, nullptr);
    EXPECT_EQ(reading.category->word, word);
}

TEST(CompatibilityRequest, DatesReadDayMonthYearExactlyAsEntered) {
    ProgramState state;
    const RequestResult result = state.RunCompatibilityRequest({"ANN", "7", "March", "1975"},
                                                               {" BOB ", "07", "May", "1930"});
    EXPECT_EQ(result.yourDateOfBirth, "7/March/1975");
    EXPECT_EQ(result.partnerDateOfBirth, "07/May/1930");
}

TEST(CompatibilityRequest, CrossesYourMarsWithPartnerVenusAndYourVenusWithPartnerMars) {
    ProgramState state;
    const RequestResult result = state.RunCompatibilityRequest(kFebruary1930, kMay1930);
    ExpectSigns(state, {"Aquarius", "Aries", "Aquarius", "Gemini"});
    ExpectReading(result.one, "Aquarius-Gemini", 5, "Happening");
    ExpectReading(result.two, "Aquarius-Aries", 3, "Understanding");
}

TEST(CompatibilityRequest, EqualSignsGiveTheExcellentReading) {
    ProgramState state;
    const RequestResult result = state.RunCompatibilityRequest(kNewYear1930, kNewYear1930);
    ExpectSigns(state, {"Capricorn", "Capricorn", "Capricorn", "Capricorn"});
    ExpectReading(result.one, "Capricorn-Capricorn", 1, "Excellent");
    ExpectReading(result.two, "Capricorn-Capricorn", 1, "Excellent");
}

TEST(CompatibilityRequest, ExchangingThePeopleSwapsTheReadingsAndMirrorsTheNumbers) {
    ProgramState forward, backward;
    const RequestResult a = forward.RunCompatibilityRequest(kFebruary1930, kMay1930);
    const RequestResult b = backward.RunCompatibilityRequest(kMay1930, kFebruary1930);
    EXPECT_EQ(b.two.number, 14 - *a.one.number);
    EXPECT_EQ(b.one.number, 14 - *a.two.number);
    EXPECT_EQ(b.two.category, a.one.category);
    EXPECT_EQ(b.one.category, a.two.category);
}

TEST(CompatibilityRequest, PartnerOutsideTheTablesTakesYourSigns) {
    for (const BirthData& partner :
         {BirthData{"BOB", "1", "January", "2013"}, BirthData{"BOB", "1", "January", "1929"},
          BirthData{"BOB", "1", "january", "1975"}}) {
        ProgramState state;
        const RequestResult result = state.RunCompatibilityRequest(kMay1930, partner);
        ExpectSigns(state, {"Aries", "Aries", "Gemini", "Gemini"});
        ExpectReading(result.one, "Aries-Gemini", 3, "Understanding");
        ExpectReading(result.two, "Gemini-Aries", 11, "Understanding");
    }
}

TEST(CompatibilityRequest, ASecondRequestReplacesEveryValue) {
    ProgramState state;
    state.RunCompatibilityRequest(kNewYear1930, kNewYear1930);
    const RequestResult result = state.RunCompatibilityRequest(kFebruary1930, kMay1930);
    EXPECT_EQ(result.yourDateOfBirth, "7/February/1930");
    EXPECT_EQ(result.partnerDateOfBirth, "1/May/1930");
    ExpectSigns(state, {"Aquarius", "Aries", "Aquarius", "Gemini"});
    ExpectReading(result.one, "Aquarius-Gemini", 5, "Happening");
    ExpectReading(result.two, "Aquarius-Aries", 3, "Understanding");
}

TEST(CompatibilityRequest, NothingFoundYetLeavesBothReadingsWithoutContent) {
    ProgramState state;
    const RequestResult result =
        state.RunCompatibilityRequest({"ANN", "1", "January", "2013"}, {"BOB", "1", "Jan", "1975"});
    ExpectSigns(state, {"", "", "", ""});
    EXPECT_EQ(result.one.pairKey, "-");
    EXPECT_EQ(result.one.number, std::nullopt);
    EXPECT_EQ(result.one.category, nullptr);
    EXPECT_EQ(result.two.number, std::nullopt);
    EXPECT_EQ(result.two.category, nullptr);
}

TEST(CompatibilityRequest, AYearThatIsNotANumberKeepsTheSignsOfTheLastRequest) {
    ProgramState state;
    state.RunCompatibilityRequest(kNewYear1930, kMay1930);
    const RequestResult result =
        state.RunCompatibilityRequest({"ANN", "1", "January", "19x0"}, {"BOB", "1", "May", ""});
    ExpectSigns(state, {"Capricorn", "Aries", "Capricorn", "Gemini"});
    ExpectReading(result.one, "Capricorn-Gemini", 6, "Magnetic");
    ExpectReading(result.two, "Capricorn-Aries", 4, "Fiery");
}

// May 1930 is a whole month for Mars (Aries) but has a change for Venus, so a
// day that is not a number only fails the Venus lookups.
TEST(CompatibilityRequest, ADayThatIsNotANumberFailsOnlyLookupsThatReadIt) {
    ProgramState state;
    const RequestResult result =
        state.RunCompatibilityRequest({"ANN", "x", "May", "1930"}, {"BOB", "", "May", "1930"});
    ExpectSigns(state, {"Aries", "Aries", "", ""});
    EXPECT_EQ(result.one.number, std::nullopt);
    EXPECT_EQ(result.one.category, nullptr);
    EXPECT_EQ(result.two.number, std::nullopt);
}

// Each of the three block searches is assigned on its own: when the block
// holding the year fails, the later blocks still hand over the lookup's
// current sign, which for the partner is the user's sign just found.
TEST(CompatibilityRequest, AFailedBlockSearchLeavesTheLaterBlocksResult) {
    ProgramState state;
    state.RunCompatibilityRequest(kNewYear1930, kMay1930);
    ASSERT_EQ(state.PartnerVenusSign, "Gemini");
    state.RunCompatibilityRequest(kNewYear1930, {"BOB", "x", "May", "1930"});
    ExpectSigns(state, {"Capricorn", "Aries", "Capricorn", "Capricorn"});
}

TEST(CompatibilityRequest, AnUnmatchedPairRepeatsTheNumberBeforeIt) {
    ProgramState state;
    // Your Venus lookup fails on the day, so reading Two's pair has no first
    // sign, matches nothing, and shows reading One's number again.
    const RequestResult result =
        state.RunCompatibilityRequest({"ANN", "x", "May", "1930"}, kFebruary1930);
    ExpectSigns(state, {"Aries", "Aquarius", "", "Aquarius"});
    ExpectReading(result.one, "Aries-Aquarius", 11, "Understanding");
    ExpectReading(result.two, "-Aquarius", 11, "Understanding");
}

}  // namespace
}  // namespace amorist
