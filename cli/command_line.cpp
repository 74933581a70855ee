#include "cli/command_line.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <optional>

#include "cli/batch.h"
#include "reading/language.h"
#include "reading/text_output.h"

namespace amorist::cli {
namespace {

struct CommandRow {
    Command id;
    std::string_view name;
    std::string_view operands;  // as the usage line shows them
    std::size_t fewestOperands;
    std::size_t mostOperands;
    std::string_view description;
};

constexpr std::array<CommandRow, 4> kCommands = {{
    {Command::Reading, "reading", "NAME DATE PARTNER_NAME PARTNER_DATE", 4, 4,
     "The romantic compatibility reading for two people: both people's Mars and\n"
     "Venus signs, then reading One (your Mars with your partner's Venus) and\n"
     "reading Two (your Venus with your partner's Mars), each with its number,\n"
     "swatch colour, colour name, category and paragraph. With --json, one JSON\n"
     "object on one line.\n"},
    {Command::Batch, "batch", "[FILE]", 0, 1,
     "Readings for many couples, one per line of FILE, or of standard input when\n"
     "FILE is absent or -. A line holds one couple as CSV,\n"
     "  {input header}\n"
     "with a field that holds a comma or a quote quoted as RFC 4180 says. A first\n"
     "line that is exactly that header is skipped, and so are blank lines; CRLF\n"
     "line ends are accepted. Output is CSV with the header\n"
     "  {output header}\n"
     "(on one line), or with --json one line per couple holding what reading --json\n"
     "prints. A bad line is reported on stderr as 'line N: ...' and skipped, and\n"
     "the exit status is then 2.\n"},
    {Command::Signs, "signs", "[FROM [TO]]", 0, 2,
     "The Mars and Venus signs of every day from FROM to TO, both included: CSV\n"
     "lines date,mars,venus after that header, or with --json one JSON object per\n"
     "line. Without TO the list runs to 2012-12-31; without FROM it starts on\n"
     "1930-01-01.\n"},
    {Command::Card, "card", "NAME DATE PARTNER_NAME PARTNER_DATE", 4, 4,
     "The reading as a picture to share, 1080 x 1350 pixels, written as SVG to\n"
     "standard output: the two names, then each reading's category, colour and\n"
     "pair of signs. It holds no date of birth. The arguments are checked as for\n"
     "reading; with --no-names both names are left off.\n"},
}};

constexpr unsigned Bit(Command command) {
    return 1u << static_cast<unsigned>(command);
}

constexpr unsigned kAnyCommand =
    Bit(Command::None) | Bit(Command::Reading) | Bit(Command::Batch) | Bit(Command::Signs) |
    Bit(Command::Card);

// getopt_long reports an option by its letter, or by a number past every
// letter when it has none.
enum OptionId : int { kHelp = 'h', kVersion = 'V', kJson = 256, kLang, kNoNames };

struct OptionRow {
    OptionId id;
    std::string_view name;
    char letter;             // 0: no short form
    std::string_view value;  // the name of its value in the help; empty when it takes none
    unsigned commands;       // the commands that take it
    std::string_view help;
};

constexpr std::array<OptionRow, 5> kOptions = {{
    {kJson, "json", 0, "", Bit(Command::Reading) | Bit(Command::Batch) | Bit(Command::Signs),
     "write JSON instead of text or CSV"},
    {kLang, "lang", 0, "LANG", Bit(Command::Reading) | Bit(Command::Batch) | Bit(Command::Card),
     "write readings in LANG: {languages}"},
    {kNoNames, "no-names", 0, "", Bit(Command::Card), "leave both names off the picture"},
    {kHelp, "help", 'h', "", kAnyCommand, "show this help and exit"},
    {kVersion, "version", 'V', "", kAnyCommand, "show the version and exit"},
}};

// value: the option's value, when it takes one.
void Apply(Options& options, OptionId id, const char* value) {
    switch (id) {
        case kHelp:
            options.help = true;
            break;
        case kVersion:
            options.version = true;
            break;
        case kJson:
            options.json = true;
            break;
        case kLang:
            options.lang = value;
            break;
        case kNoNames:
            options.noNames = true;
            break;
    }
}

constexpr std::string_view kDates =
    "A DATE is written 7/March/1975 or 1975-03-07, or as a translation prints it\n"
    "(7. März 1975, 1er mars 1975, 7 de marzo de 1975); a month name may be in any\n"
    "of the four languages and any letter case, with or without its accents.\n"
    "Options may come before, between or after the arguments; -- ends them, so\n"
    "that a name may begin with -.\n";

constexpr std::string_view kExitStatus =
    "Exit status:\n"
    "  0  success\n"
    "  1  an output or system error, such as a full disk or an unreadable FILE\n"
    "  2  bad usage or bad input\n";

// A help text with what its braces name filled in from where it is defined.
std::string Filled(std::string_view text) {
    const std::size_t wrap = kCsvOutputHeader.find("number1");
    const std::string codes = Language::Codes();  // "en" first
    const std::pair<std::string_view, std::string> fields[] = {
        {"{input header}", std::string(kCsvInputHeader)},
        {"{output header}", std::string(kCsvOutputHeader.substr(0, wrap)) + "\n  " +
                                std::string(kCsvOutputHeader.substr(wrap))},
        {"{languages}", "en (the default)" + codes.substr(2)},
    };
    std::string filled(text);
    for (const auto& [name, value] : fields) {
        if (const std::size_t at = filled.find(name); at != std::string::npos)
            filled.replace(at, name.size(), value);
    }
    return filled;
}

const CommandRow* FindCommand(std::string_view name) {
    for (const CommandRow& row : kCommands) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

const CommandRow* RowOf(Command command) {
    for (const CommandRow& row : kCommands) {
        if (row.id == command)
            return &row;
    }
    return nullptr;
}

const OptionRow* OptionWithId(int id) {
    for (const OptionRow& row : kOptions) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

std::string Spelled(const OptionRow& row) {
    return "--" + std::string(row.name);
}

std::string HelpHint(Command command) {
    const CommandRow* row = RowOf(command);
    return std::string("; try 'amorist-cli ") +
           (row != nullptr ? std::string(row->name) + " " : std::string()) + "--help'";
}

// What getopt_long refused, in our words. element is the argument it was
// reading, value the option it names (getopt's optopt).
std::string OptionError(int refusal, std::string_view element, int value) {
    if (const OptionRow* row = OptionWithId(value)) {
        return (refusal == ':' ? "option " + Spelled(*row) + " needs a value"
                               : "option " + Spelled(*row) + " takes no value");
    }
    if (value > ' ' && value < 0x7F) {
        return "unknown option " + QuoteForMessage(std::string{'-', static_cast<char>(value)});
    }
    if (element.starts_with("--")) {
        element = element.substr(0, element.find('='));
        std::size_t matches = 0;
        for (const OptionRow& row : kOptions)
            matches += row.name.starts_with(element.substr(2)) ? 1 : 0;
        if (matches > 1)
            return "ambiguous option " + QuoteForMessage(element);
    }
    return "unknown option " + QuoteForMessage(element);
}

// What getopt_long finds on the command line, before anything is checked.
struct Scan {
    std::vector<std::string_view> arguments;  // in order, the command first
    Options options;
    unsigned given = 0;  // bits of the kOptions rows seen
    std::string optionError;
};

// The arguments view args.
Scan ScanArguments(std::span<const std::string> args) {
    std::vector<char*> argv{const_cast<char*>("amorist-cli")};
    for (const std::string& arg : args)  // getopt reorders nothing in RETURN_IN_ORDER mode
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const int argc = static_cast<int>(argv.size()) - 1;

    std::vector<option> longOptions;
    std::string letters = "-:";  // arguments in order, whatever POSIXLY_CORRECT says; no messages
    for (const OptionRow& row : kOptions) {
        longOptions.push_back({row.name.data(), row.value.empty() ? no_argument : required_argument,
                               nullptr, row.id});
        if (row.letter != 0)
            letters += std::string(1, row.letter) + (row.value.empty() ? "" : ":");
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});

    Scan scan;
    optind = 0;  // starts getopt afresh
    opterr = 0;
    for (;;) {
        const int element = optind == 0 ? 1 : optind;
        const int id = getopt_long(argc, argv.data(), letters.c_str(), longOptions.data(), nullptr);
        if (id == -1)
            break;
        if (id == 1) {
            scan.arguments.emplace_back(optarg);
        } else if (id == '?' || id == ':') {
            if (scan.optionError.empty())
                scan.optionError = OptionError(id, element < argc ? argv[element] : "", optopt);
        } else {
            Apply(scan.options, static_cast<OptionId>(id), optarg);
            for (std::size_t i = 0; i < kOptions.size(); ++i)
                scan.given |= kOptions[i].id == id ? 1u << i : 0u;
        }
    }
    for (int i = optind; i < argc; ++i)  // after "--"
        scan.arguments.emplace_back(argv[i]);
    return scan;
}

}  // namespace

ParsedCommandLine ParseCommandLine(std::span<const std::string> args) {
    const Scan scan = ScanArguments(args);
    ParsedCommandLine parsed;
    CommandLine& line = parsed.line;
    line.options = scan.options;

    const CommandRow* row = nullptr;
    if (!scan.arguments.empty()) {
        row = FindCommand(scan.arguments.front());
        if (row == nullptr && scan.optionError.empty()) {
            parsed.error =
                "unknown command " + QuoteForMessage(scan.arguments.front()) + HelpHint({});
            return parsed;
        }
    }
    line.command = row != nullptr ? row->id : Command::None;
    if (!scan.optionError.empty()) {
        parsed.error = scan.optionError + HelpHint(line.command);
        return parsed;
    }
    if (row != nullptr)
        line.operands.assign(scan.arguments.begin() + 1, scan.arguments.end());
    if (line.options.help || line.options.version)
        return parsed;
    if (row == nullptr) {
        parsed.error = "no command given" + HelpHint({});
        return parsed;
    }
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        if ((scan.given >> i & 1u) != 0 && (kOptions[i].commands & Bit(row->id)) == 0) {
            parsed.error = "option " + Spelled(kOptions[i]) + " does not apply to " +
                           std::string(row->name) + HelpHint(row->id);
            return parsed;
        }
    }
    if (line.options.lang && !Language::Exists(*line.options.lang)) {
        parsed.error = "unknown language " + QuoteForMessage(*line.options.lang) + " for --lang (" +
                       Language::Codes() + ")" + HelpHint(row->id);
        return parsed;
    }
    if (line.operands.size() < row->fewestOperands) {
        parsed.error =
            std::string(row->name) + " needs " + std::string(row->operands) + HelpHint(row->id);
    } else if (line.operands.size() > row->mostOperands) {
        parsed.error = "unexpected argument " + QuoteForMessage(line.operands[row->mostOperands]) +
                       HelpHint(row->id);
    }
    return parsed;
}

std::string HelpText(Command command) {
    std::string text;
    const CommandRow* row = RowOf(command);
    if (row != nullptr) {
        text.append("Usage: amorist-cli ").append(row->name).append(" [OPTION]... ");
        text.append(row->operands).append("\n\n").append(Filled(row->description));
    } else {
        text.append(
            "Usage: amorist-cli COMMAND [OPTION]... [ARGUMENT]...\n\n"
            "Romantic compatibility readings from two dates of birth, from 1930 to 2012,\n"
            "as the Amorist window gives them, for terminals and scripts.\n\n"
            "Commands:\n");
        for (const CommandRow& each : kCommands) {
            text.append("  ").append(each.name).append(" ").append(each.operands).append("\n");
        }
        text.append("See 'amorist-cli COMMAND --help' for what each one does.\n");
    }
    text.append("\n").append(kDates).append("\nOptions:\n");
    for (const OptionRow& option : kOptions) {
        if (row != nullptr && (option.commands & Bit(command)) == 0)
            continue;
        std::string names = option.letter != 0 ? std::string{'-', option.letter, ',', ' '} : "    ";
        names += Spelled(option);
        if (!option.value.empty())
            names.append(" ").append(option.value);
        names.resize(std::max<std::size_t>(names.size() + 2, 18), ' ');
        text.append("  ").append(names).append(Filled(option.help));
        if (row == nullptr && option.commands != kAnyCommand) {
            std::string_view separator = " (";
            for (const CommandRow& each : kCommands) {
                if ((option.commands & Bit(each.id)) != 0) {
                    text.append(separator).append(each.name);
                    separator = ", ";
                }
            }
            text.append(")");
        }
        text.append("\n");
    }
    text.append("\n").append(kExitStatus);
    return text;
}

}  // namespace amorist::cli
