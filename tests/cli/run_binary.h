// Runs the built amorist-cli and collects what it printed.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace amorist::cli::testing {

struct Finished {
    int exitCode = -1;
    std::string out;
    std::string err;
};

struct Launch {
    std::optional<std::string> columns{};  // the COLUMNS the program sees, or none at all
    std::string input{};                   // its standard input
    const char* stdoutPath = nullptr;      // a file for its standard output instead of a pipe
    // NAME=value lines over the English locale it otherwise runs in.
    std::vector<std::string> environment{};
};

Finished RunCli(const std::vector<std::string>& args, const Launch& launch = {});

}  // namespace amorist::cli::testing
