// The terminal companion's commands: sign listing and compatibility reading.
#pragma once

#include <cstddef>
#include <ostream>
#include <span>
#include <string>

namespace amorist::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;

// Runs one command line (without the program name). Output goes to out only
// when the command succeeds; bad input writes one line to err, nothing to
// out, and gives kExitBadInput. Paragraphs are wrapped to width.
int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err, std::size_t width);

}  // namespace amorist::cli
