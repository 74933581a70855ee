// What "reads as a number" means everywhere in the program.
#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>

namespace amorist {

// Raised when a year or day text that must be compared as a number does not
// read as one.
class TypeMismatch : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Optional surrounding spaces, an optional sign, then decimal digits. Anything
// else, or a value outside the range of int, does not read.
std::optional<int> ReadAsNumber(std::string_view text);

// ReadAsNumber or TypeMismatch.
int NumberOrThrow(std::string_view text);

}  // namespace amorist
