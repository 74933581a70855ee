// The four arguments of a reading and the check they pass, the same for the
// reading command and for each line of a batch.
#pragma once

#include <string>
#include <string_view>

#include "core/compatibility/birth_data_check.h"
#include "reading/birth_date.h"
#include "reading/language.h"

namespace amorist::reading {

struct CoupleArgs {
    std::string_view name;
    std::string_view date;
    std::string_view partnerName;
    std::string_view partnerDate;
};

struct Couple {
    std::string_view name;
    CalendarDate date;
    std::string_view partnerName;
    CalendarDate partnerDate;
};

// The couple, or one line that names the argument at fault and says why, in
// the language: "partner's date '31/February/2000': Please Enter Correct Date
// Or Month Of Your Friend!". Both dates are read first, in any language's form,
// then the main window's birth-data check runs. Allocates only for a message.
struct CheckedCouple {
    Couple couple;
    std::string error;
    // For a refusal: which entry it is about, and why, without the argument.
    CheckedEntry entry = CheckedEntry::YourName;
    std::string why;

    bool ok() const { return error.empty(); }
};

CheckedCouple CheckCouple(const CoupleArgs& args, const Language& language = Language::English());

// "FROM '1975-02-29': not a day of the calendar": what is wrong with a date,
// named as the command line names it.
std::string DateError(std::string_view label, std::string_view text, const DateReading& reading);

}  // namespace amorist::reading
