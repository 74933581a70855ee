// The check both people's birth data must pass before a reading is made.
#pragma once

#include <optional>
#include <string_view>

namespace amorist {

// One person's entries as the main window holds them: list positions for day
// (0 = day 1) and month (0 = January), the year as read from its list.
struct BirthEntries {
    std::string_view name;
    int dayIndex = 0;
    int monthIndex = 0;
    int year = 1930;
};

enum class CheckFocus { Unchanged, YourName, PartnerName };

// Which of the four entries a refusal is about.
enum class CheckedEntry { YourName, YourDate, PartnerName, PartnerDate };

struct CheckFailure {
    std::string_view message;  // English; shown translated in the context "birth_data_check"
    CheckedEntry entry = CheckedEntry::YourName;
    CheckFocus focus = CheckFocus::Unchanged;
};

// The days of a month (0 = January to 11) in a year of the Gregorian calendar.
int DaysInMonth(int year, int monthIndex);

// The seven checks in their order; the first that refuses gives its message
// and where the focus goes. nullopt when everything is acceptable.
std::optional<CheckFailure> ValidateBirthData(const BirthEntries& you, const BirthEntries& partner);

}  // namespace amorist
