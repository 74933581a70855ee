// amorist-cli: sign listings and compatibility readings from the terminal.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/text_output.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::size_t width = amorist::cli::TerminalWidth(std::getenv("COLUMNS"), STDOUT_FILENO);
    return amorist::cli::Run(args, std::cout, std::cerr, width);
}
