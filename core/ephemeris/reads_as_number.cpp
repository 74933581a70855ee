#include "core/ephemeris/reads_as_number.h"

#include <charconv>

namespace amorist {

std::optional<int> ReadAsNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    // from_chars takes a minus but not a plus, so a plus is dropped here; what follows it must
    // not be a second sign.
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

int NumberOrThrow(std::string_view text) {
    if (const std::optional<int> number = ReadAsNumber(text)) {
        return *number;
    }
    throw TypeMismatch("Type mismatch");
}

}  // namespace amorist
