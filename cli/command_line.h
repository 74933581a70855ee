// The shape of amorist-cli's command line: its commands, its options, and the
// help that describes them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace amorist::cli {

enum class Command : std::uint8_t { None, Reading, Batch, Signs, Card };

// What the options asked for. A new option gets a field here and a row in
// kOptions (command_line.cpp), which says which commands take it.
struct Options {
    bool help = false;
    bool version = false;
    bool json = false;
    bool noNames = false;
    std::optional<std::string_view> lang;  // --lang's value, one of Language::Codes()
};

struct CommandLine {
    Command command = Command::None;
    Options options;
    std::vector<std::string_view> operands;  // the arguments after the command
};

// The command line, or the message of a usage error (exit status 2).
struct ParsedCommandLine {
    CommandLine line;
    std::string error;
};

// Options may come before, between and after the arguments, GNU style
// (--json, -h, -V, clustered letters, --name=value, unambiguous abbreviations);
// "--" ends them, so an argument may begin with "-". The arguments view args.
// With --help or --version the argument count is not checked.
ParsedCommandLine ParseCommandLine(std::span<const std::string> args);

// The program's help, or one command's.
std::string HelpText(Command command);

}  // namespace amorist::cli
