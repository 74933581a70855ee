// Formatting helpers for the terminal companion's output.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace amorist::cli {

// Whether the text is well-formed UTF-8 (no overlong forms, surrogates or
// values past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// The text as a JSON string literal, quotes included. Quotes, backslashes and
// control characters are escaped; valid UTF-8 passes through unchanged, and
// each byte that is not part of a valid sequence becomes U+FFFD, so the
// result is valid JSON whatever the text holds.
std::string JsonString(std::string_view text);

// The text broken at spaces into lines of at most width characters, each line
// ending in a newline. A word longer than width stands on a line of its own.
std::string WrapText(std::string_view text, std::size_t width);

// The width to wrap paragraphs to: COLUMNS when it holds a positive number,
// else the width of the terminal on fd, else 80.
std::size_t TerminalWidth(const char* columns, int fd);

}  // namespace amorist::cli
