#include "core/compatibility/birth_data_check.h"

#include <chrono>

#include "core/translatable.h"

namespace amorist {
namespace {

constexpr int kFebruary = 1;
// Any leap year: the longest each month ever is.
constexpr int kLeapYear = 2000;

// Whether the entries name a day past the end of their month as it is in `year`.
bool PastMonthEnd(const BirthEntries& entries, int year) {
    return entries.monthIndex >= 0 && entries.monthIndex <= 11 &&
           entries.dayIndex >= DaysInMonth(year, entries.monthIndex);
}

}  // namespace

int DaysInMonth(int year, int monthIndex) {
    using namespace std::chrono;
    const year_month_day_last last{std::chrono::year(year), month_day_last(month(monthIndex + 1))};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

std::optional<CheckFailure> ValidateBirthData(const BirthEntries& you,
                                              const BirthEntries& partner) {
    // The order is the one users have always seen, so the user's 30 or 31
    // February is reported before a missing partner name but the user's 29
    // February in a common year only after it.
    if (you.name.empty()) {
        return CheckFailure{//: The user's name is empty
                            QT_TRANSLATE_NOOP("birth_data_check", "Please Enter Your Name"),
                            CheckedEntry::YourName, CheckFocus::YourName};
    }
    if (you.monthIndex == kFebruary && PastMonthEnd(you, kLeapYear)) {
        return CheckFailure{
            //: The user's date of birth is 30 or 31 February
            QT_TRANSLATE_NOOP("birth_data_check", "Please Enter Your Correct Date of Birth!"),
            CheckedEntry::YourDate};
    }
    if (PastMonthEnd(you, kLeapYear)) {
        return CheckFailure{
            //: The user's date of birth is the 31st of a month of 30 days
            QT_TRANSLATE_NOOP("birth_data_check", "Please Enter Correct Date of Birth !"),
            CheckedEntry::YourDate};
    }
    if (partner.name.empty()) {
        return CheckFailure{
            //: The partner's name is empty
            QT_TRANSLATE_NOOP("birth_data_check", "Please Enter Your Partner's Name"),
            CheckedEntry::PartnerName, CheckFocus::PartnerName};
    }
    if (PastMonthEnd(you, you.year)) {
        return CheckFailure{
            //: The user's date of birth is 29 February of a common year
            QT_TRANSLATE_NOOP("birth_data_check", "Please Enter Correct Date Or Month!"),
            CheckedEntry::YourDate};
    }
    if (partner.monthIndex == kFebruary && PastMonthEnd(partner, partner.year)) {
        return CheckFailure{//: The partner's date of birth is a day February does not have
                            //: ("Friend" is the partner)
                            QT_TRANSLATE_NOOP("birth_data_check",
                                              "Please Enter Correct Date Or Month Of Your Friend!"),
                            CheckedEntry::PartnerDate};
    }
    if (PastMonthEnd(partner, partner.year)) {
        return CheckFailure{
            //: The partner's date of birth is the 31st of a month of 30 days ("Friend" is the
            //: partner)
            QT_TRANSLATE_NOOP("birth_data_check",
                              "Please Enter Correct Date Or Month Of Your Friend !"),
            CheckedEntry::PartnerDate};
    }
    return std::nullopt;
}

}  // namespace amorist
