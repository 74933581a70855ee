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

// columns: the COLUMNS the program sees, or none at all.
Finished RunCli(const std::vector<std::string>& args,
                std::optional<std::string> columns = std::nullopt);

}  // namespace amorist::cli::testing
