#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

#include "core/compatibility/birth_data_check.h"

namespace amorist {
namespace {

enum Month { Jan, Feb, Mar, Apr, May, Jun, Jul, Aug, Sep, Oct, Nov, Dec };

struct Person {
    std::string_view name;
    int day;  // as the user sees it, 1 to 31
    Month month;
    int year;
};

struct CheckCase {
    std::string_view what;
    Person you, partner;
    std::string_view message;  // empty: accepted
    CheckFocus focus = CheckFocus::Unchanged;
};

constexpr std::string_view kAccepted = "";
constexpr std::string_view kYourName = "Please Enter Your Name";
constexpr std::string_view kYourFebruary = "Please Enter Your Correct Date of Birth!";
constexpr std::string_view kYour31st = "Please Enter Correct Date of Birth !";
constexpr std::string_view kPartnerName = "Please Enter Your Partner's Name";
constexpr std::string_view kYourLeapDay = "Please Enter Correct Date Or Month!";
constexpr std::string_view kPartnerFebruary = "Please Enter Correct Date Or Month Of Your Friend!";
constexpr std::string_view kPartner31st = "Please Enter Correct Date Or Month Of Your Friend !";

constexpr Person kAnn{"ANN", 7, Mar, 1975};
constexpr Person kBob{"BOB", 1, Jan, 1930};

const CheckCase kCases[] = {
    {"fresh window", {"", 1, Jan, 1930}, {"", 1, Jan, 1930}, kYourName, CheckFocus::YourName},
    {"valid entries", kAnn, kBob, kAccepted},
    {"names of spaces only", {" ", 7, Mar, 1975}, {"   ", 1, Jan, 1930}, kAccepted},
    {"partner name missing", kAnn, {"", 1, Jan, 1930}, kPartnerName, CheckFocus::PartnerName},

    {"you 30 February", {"ANN", 30, Feb, 2000}, kBob, kYourFebruary},
    {"you 31 February before partner name",
     {"ANN", 31, Feb, 1990},
     {"", 1, Jan, 1930},
     kYourFebruary},
    {"your name before your date", {"", 31, Feb, 1990}, kBob, kYourName, CheckFocus::YourName},
    {"you 31 April", {"ANN", 31, Apr, 1975}, kBob, kYour31st},
    {"you 31 June", {"ANN", 31, Jun, 1980}, kBob, kYour31st},
    {"you 31 September", {"ANN", 31, Sep, 1975}, kBob, kYour31st},
    {"you 31 November", {"ANN", 31, Nov, 1975}, kBob, kYour31st},
    {"you 31 June before partner name", {"ANN", 31, Jun, 1980}, {"", 1, Jan, 1930}, kYour31st},
    {"you 31 July", {"ANN", 31, Jul, 1975}, kBob, kAccepted},
    {"you 30 June", {"ANN", 30, Jun, 1975}, kBob, kAccepted},

    {"you 29 February 1990, partner name missing",
     {"ANN", 29, Feb, 1990},
     {"", 1, Jan, 1930},
     kPartnerName,
     CheckFocus::PartnerName},
    {"you 29 February 1990", {"ANN", 29, Feb, 1990}, kBob, kYourLeapDay},
    {"you 29 February 1992", {"ANN", 29, Feb, 1992}, kBob, kAccepted},
    {"you 29 February 1932", {"ANN", 29, Feb, 1932}, kBob, kAccepted},
    {"you 29 February 2000", {"ANN", 29, Feb, 2000}, kBob, kAccepted},
    {"you 29 February 2012", {"ANN", 29, Feb, 2012}, kBob, kAccepted},
    {"you 29 February 1900", {"ANN", 29, Feb, 1900}, kBob, kYourLeapDay},
    {"your leap day before partner's date",
     {"ANN", 29, Feb, 1990},
     {"BOB", 31, Nov, 1975},
     kYourLeapDay},

    {"partner 29 February 2001", kAnn, {"BOB", 29, Feb, 2001}, kPartnerFebruary},
    {"partner 29 February 2004", kAnn, {"BOB", 29, Feb, 2004}, kAccepted},
    {"partner 30 February 2004", kAnn, {"BOB", 30, Feb, 2004}, kPartnerFebruary},
    {"partner 31 February 2004", kAnn, {"BOB", 31, Feb, 2004}, kPartnerFebruary},
    {"partner name before partner date",
     kAnn,
     {"", 30, Feb, 2004},
     kPartnerName,
     CheckFocus::PartnerName},
    {"partner 31 November", kAnn, {"BOB", 31, Nov, 1975}, kPartner31st},
    {"partner 31 April", kAnn, {"BOB", 31, Apr, 1975}, kPartner31st},
    {"partner 31 June", kAnn, {"BOB", 31, Jun, 1975}, kPartner31st},
    {"partner 31 September", kAnn, {"BOB", 31, Sep, 1975}, kPartner31st},
    {"partner 31 December", kAnn, {"BOB", 31, Dec, 1975}, kAccepted},
    {"partner 29 February 1931", kAnn, {"BOB", 29, Feb, 1931}, kPartnerFebruary},
    {"partner 29 February 2100", kAnn, {"BOB", 29, Feb, 2100}, kPartnerFebruary},
};

BirthEntries Entries(const Person& p) {
    return {p.name, p.day - 1, static_cast<int>(p.month), p.year};
}

class BirthDataCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(BirthDataCheck, RefusesTheFirstFaultInOrder) {
    const CheckCase& c = GetParam();
    const auto failure = ValidateBirthData(Entries(c.you), Entries(c.partner));
    if (c.message.empty()) {
        EXPECT_FALSE(failure.has_value()) << failure->message;
        return;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, c.message);
    EXPECT_EQ(failure->focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(Cases, BirthDataCheck, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CheckCase>& info) {
                             std::string name;
                             for (char c : info.param.what) {
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             }
                             return name;
                         });

TEST(BirthDataCheckAllDays, EveryRealDateOfTheListsIsAccepted) {
    constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year = 1930; year <= 2012; ++year) {
        for (int month = 0; month < 12; ++month) {
            const int length = (month == Feb && year % 4 == 0) ? 29 : kLengths[month];
            for (int day = 0; day < 31; ++day) {
                const BirthEntries date{"ANN", day, month, year};
                const bool exists = day < length;
                EXPECT_EQ(!ValidateBirthData(date, date).has_value(), exists)
                    << year << "-" << month + 1 << "-" << day + 1;
            }
        }
    }
}

}  // namespace
}  // namespace amorist
