// The birth-data check with any names and any list positions. It must refuse exactly the dates
// that do not exist, in its fixed order, and send the focus to the name box that is empty.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/compatibility/birth_data_check.h"
#include "fuzz/fuzz_support.h"

namespace {

using amorist::BirthEntries;
using amorist::CheckFocus;
using amorist::fuzz::Require;

// The calendar the year list covers (1930 to 2012), counted independently of the check: every
// fourth year is a leap year, 2000 included.
bool IsRealDay(const BirthEntries& entries) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (entries.monthIndex < 0 || entries.monthIndex > 11 || entries.dayIndex < 0)
        return false;
    int length = kLengths[entries.monthIndex];
    if (entries.monthIndex == 1 && entries.year % 4 == 0)
        length = 29;
    return entries.dayIndex < length;
}

// Positions the lists can actually hold: day 1 to 31, any month, a year from the list.
bool FromTheLists(const BirthEntries& entries) {
    return entries.dayIndex >= 0 && entries.dayIndex <= 30 && entries.monthIndex >= 0 &&
           entries.monthIndex <= 11 && entries.year >= 1930 && entries.year <= 2012;
}

BirthEntries Consume(FuzzedDataProvider& input, std::string& name) {
    BirthEntries entries;
    name = input.ConsumeRandomLengthString(40);
    entries.name = name;
    // Mostly what the lists hold, sometimes anything at all, so both the rule and its
    // robustness get exercised.
    if (input.ConsumeBool()) {
        entries.dayIndex = input.ConsumeIntegralInRange(0, 30);
        entries.monthIndex = input.ConsumeIntegralInRange(0, 11);
        entries.year = input.ConsumeIntegralInRange(1930, 2012);
    } else {
        entries.dayIndex = input.ConsumeIntegral<int>();
        entries.monthIndex = input.ConsumeIntegral<int>();
        entries.year = input.ConsumeIntegral<int>();
    }
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::string yourName;
    std::string partnerName;
    const BirthEntries you = Consume(input, yourName);
    const BirthEntries partner = Consume(input, partnerName);

    const auto failure = amorist::ValidateBirthData(you, partner);
    const auto again = amorist::ValidateBirthData(you, partner);
    Require(
        failure.has_value() == again.has_value() &&
            (!failure || (failure->message == again->message && failure->focus == again->focus)),
        "the check gives the same answer for the same entries");

    if (failure) {
        Require(!failure->message.empty(), "a refusal always says why");
        Require((failure->focus == CheckFocus::YourName) ==
                    (failure->message == "Please Enter Your Name"),
                "only the missing own name sends the focus to the own name box");
        Require((failure->focus == CheckFocus::PartnerName) ==
                    (failure->message == "Please Enter Your Partner's Name"),
                "only the missing partner name sends the focus to the partner's name box");
    }

    if (you.name.empty()) {
        Require(failure && failure->focus == CheckFocus::YourName,
                "an empty own name is the first thing the check refuses");
        return 0;
    }
    Require(!failure || failure->focus != CheckFocus::YourName,
            "a typed own name is never reported missing");
    if (!FromTheLists(you) || !FromTheLists(partner))
        return 0;

    const bool youReal = IsRealDay(you);
    const bool partnerReal = IsRealDay(partner);
    if (partner.name.empty() && youReal) {
        Require(failure && failure->focus == CheckFocus::PartnerName,
                "an empty partner name is refused once the own date exists");
    }
    if (!partner.name.empty()) {
        Require(failure.has_value() == (!youReal || !partnerReal),
                "with both names typed, the check refuses exactly the dates that do not exist");
        if (failure) {
            Require(failure->focus == CheckFocus::Unchanged,
                    "a refused date leaves the focus where it is");
        }
    }
    if (failure && !youReal && partnerReal && !partner.name.empty()) {
        Require(failure->message.find("Friend") == std::string_view::npos,
                "a wrong own date is not blamed on the partner");
    }
    if (failure && youReal && !partnerReal && !partner.name.empty()) {
        Require(failure->message.find("Friend") != std::string_view::npos,
                "a wrong partner date is reported as the friend's");
    }
    return 0;
}
