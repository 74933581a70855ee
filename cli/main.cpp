// amorist-cli: compatibility readings and sign listings from the terminal.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/output.h"
#include "reading/text_output.h"

int main(int argc, char** argv) {
    // batch can write gigabytes into a pipe; a pipe larger than the default
    // 64 KiB halves the switches between this program and its reader. Where
    // the system refuses, the pipe stays as it was.
    struct stat target {};
    if (fstat(STDOUT_FILENO, &target) == 0 && S_ISFIFO(target.st_mode))
        fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    amorist::cli::Output out(STDOUT_FILENO);
    amorist::cli::Output err(STDERR_FILENO);
    const amorist::cli::Streams io{
        STDIN_FILENO, out, err,
        amorist::reading::TerminalWidth(std::getenv("COLUMNS"), STDOUT_FILENO)};
    return amorist::cli::Run(args, io);
}
