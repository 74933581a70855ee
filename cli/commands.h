// The terminal companion's commands: reading, batch, signs and card.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "cli/output.h"

namespace amorist::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitSystemError = 1;  // output lost, input unreadable
inline constexpr int kExitBadInput = 2;     // bad usage or bad input

struct Streams {
    int in;  // standard input, for batch
    Output& out;
    Output& err;
    std::size_t width;  // the width paragraphs are wrapped to
};

// Runs one command line (without the program name) and gives the exit
// status. Bad usage or input writes one line to err and nothing to out, except
// in batch, which goes on after a bad line. When out cannot take what is
// written, err says why and the status is kExitSystemError.
int Run(std::span<const std::string> args, const Streams& io);

}  // namespace amorist::cli
