#include "core/ephemeris/reads_as_number.h"

#include <cstdint>
#include <limits>

namespace amorist {

std::optional<int> ReadAsNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }

    // Accumulate in a wider type and stop as soon as the value leaves int's range, so a
    // text of any length costs one pass and cannot overflow.
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                 : static_cast<std::int64_t>(std::numeric_limits<int>::max());
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
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
