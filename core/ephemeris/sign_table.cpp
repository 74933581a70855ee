#include "core/ephemeris/sign_table.h"

#include "core/ephemeris/reads_as_number.h"

namespace amorist {

ZodiacSign SignTableSearch::Search(YearBlock block, std::string_view year, std::string_view month,
                                   std::string_view day) {
    const int yearNumber = NumberOrThrow(year);
    if (yearNumber < block.firstYear || yearNumber > block.lastYear) {
        return current_;
    }
    const std::optional<int> monthIndex = MonthIndex(month);
    if (!monthIndex) {
        return current_;
    }
    const MonthEntry& entry = EntryFor(*table_, yearNumber, *monthIndex);
    const Sign sign = entry.changes == 0 ? entry.signs[0] : SignOnDay(entry, NumberOrThrow(day));
    current_ = SignName(sign);
    return current_;
}

ZodiacSign SignTableSearch::SearchEveryBlock(std::string_view year, std::string_view month,
                                             std::string_view day) {
    Search(kYears1930to1959, year, month, day);
    Search(kYears1960to1989, year, month, day);
    return Search(kYears1990to2012, year, month, day);
}

}  // namespace amorist
