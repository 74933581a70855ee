// amorist-cli: compatibility readings and sign listings from the terminal.
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/output.h"
#include "cli/text_output.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    amorist::cli::Output out(STDOUT_FILENO);
    amorist::cli::Output err(STDERR_FILENO);
    const amorist::cli::Streams io{
        STDIN_FILENO, out, err, amorist::cli::TerminalWidth(std::getenv("COLUMNS"), STDOUT_FILENO)};
    return amorist::cli::Run(args, io);
}
