#include "core/ephemeris/reads_as_number.h"

#include <cstdint>
#include <limits>

namespace amorist {

std::optional<int> ReadAsNumber(std::string_view text) {
    // One pass: spaces, an optional sign, digits, spaces. The value is accumulated in a wider
    // type and reading stops as soon as it leaves int's range, so a text of any length costs
    // one pass and cannot overflow.
    std::size_t i = 0;
    const std::size_t size = text.size();
    while (i < size && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::int64_t limit = negative
                                   ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                   : static_cast<std::int64_t>(std::numeric_limits<int>::max());
    const std::size_t firstDigit = i;
    std::int64_t value = 0;
    while (i < size && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            return std::nullopt;
        }
        ++i;
    }
    if (i == firstDigit) {
        return std::nullopt;
    }
    while (i < size && text[i] == ' ') {
        ++i;
    }
    if (i != size) {
        return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

int NumberOrThrow(std::string_view text) {
    if (const std::optional<int> number = ReadAsNumber(text)) {
        return *number;
    }
    throw TypeMismatch("Type mismatch");
}

}  // namespace amorist
