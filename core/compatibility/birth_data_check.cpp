#include "core/compatibility/birth_data_check.h"

#include <chrono>

#include "core/translatable.h"

namespace amorist {
namespace {

constexpr int kFebruary = 1;

// April, June, September and November: the months without a 31st.
bool IsThirtyDayMonth(int monthIndex) {
    return monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
}

bool IsLeapYear(int year) {
    return DaysInMonth(year, kFebruary) == 29;
}

constexpr int kDay29 = 28;
constexpr int kDay30 = 29;
constexpr int kDay31 = 30;

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
    if (you.monthIndex == kFebruary && (you.dayIndex == kDay30 || you.dayIndex == kDay31)) {
        return CheckFailure{
            //: The user's date of birth is 30 or 31 February
            QT_TRANSLATE_NOOP("birth_data_check", "Please Enter Your Correct Date of Birth!"),
            CheckedEntry::YourDate};
    }
    if (IsThirtyDayMonth(you.monthIndex) && you.dayIndex == kDay31) {
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
    if (!IsLeapYear(you.year) && you.monthIndex == kFebruary && you.dayIndex == kDay29) {
        return CheckFailure{
            //: The user's date of birth is 29 February of a common year
            QT_TRANSLATE_NOOP("birth_data_check", "Please Enter Correct Date Or Month!"),
            CheckedEntry::YourDate};
    }
    if (partner.monthIndex == kFebruary &&
        (partner.dayIndex == kDay30 || partner.dayIndex == kDay31 ||
         (partner.dayIndex == kDay29 && !IsLeapYear(partner.year)))) {
        return CheckFailure{//: The partner's date of birth is a day February does not have
                            //: ("Friend" is the partner)
                            QT_TRANSLATE_NOOP("birth_data_check",
                                              "Please Enter Correct Date Or Month Of Your Friend!"),
                            CheckedEntry::PartnerDate};
    }
    if (IsThirtyDayMonth(partner.monthIndex) && partner.dayIndex == kDay31) {
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
