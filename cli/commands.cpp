#include "cli/commands.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "cli/birth_date.h"
#include "cli/text_output.h"
#include "core/compatibility/birth_data_check.h"
#include "core/compatibility/program_state.h"
#include "core/compatibility/reading_content.h"
#include "core/ephemeris/modPlanetSignMars.h"
#include "core/ephemeris/modPlanetSignVenus.h"
#include "core/ephemeris/zodiac.h"

#ifndef AMORIST_CLI_VERSION
#error "AMORIST_CLI_VERSION must be defined by the build"
#endif

namespace amorist::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage:\n"
    "  amorist-cli signs [FROM [TO]]\n"
    "      One line per day: date,mars,venus. FROM and TO are dates such as\n"
    "      1975-03-07; without them the whole table, 1930-01-01 to 2012-12-31.\n"
    "  amorist-cli reading NAME DATE PARTNER_NAME PARTNER_DATE [--json]\n"
    "      The romantic compatibility reading for two people. A DATE is written\n"
    "      7/March/1975 or 1975-03-07.\n"
    "  amorist-cli --help\n"
    "  amorist-cli --version\n";

// The outcome of a command: what to print on success, or the one line that
// says what was wrong.
struct Outcome {
    std::string output;
    std::optional<std::string> error;
};

Outcome Fail(std::string error) {
    return {{}, std::move(error)};
}

// ---- signs ----------------------------------------------------------------

struct Day {
    int year, monthIndex, day;

    auto operator<=>(const Day&) const = default;
};

Day Next(Day d) {
    if (d.day < DaysInMonth(d.year, d.monthIndex))
        return {d.year, d.monthIndex, d.day + 1};
    if (d.monthIndex < 11)
        return {d.year, d.monthIndex + 1, 1};
    return {d.year + 1, 0, 1};
}

void AppendIso(std::string& out, const Day& d) {
    auto twoDigits = [&](int n) {
        out += static_cast<char>('0' + n / 10);
        out += static_cast<char>('0' + n % 10);
    };
    out += std::to_string(d.year);
    out += '-';
    twoDigits(d.monthIndex + 1);
    out += '-';
    twoDigits(d.day);
}

Outcome Signs(std::span<const std::string> args) {
    if (args.size() > 2) {
        return Fail("signs takes at most FROM and TO, got " + QuoteForMessage(args[2]) +
                    " as well");
    }
    Day from{kFirstTableYear, 0, 1};
    Day to{kLastTableYear, 11, 31};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const ParsedDate parsed = ParseIsoDay(args[i]);
        if (!parsed.date)
            return Fail(parsed.error);
        const Day day{parsed.date->yearNumber, parsed.date->monthIndex, parsed.date->dayNumber};
        (i == 0 ? from : to) = day;
    }
    if (from > to)
        return Fail("FROM " + args[0] + " comes after TO " + args[1]);

    modPlanetSignMars mars;
    modPlanetSignVenus venus;
    std::string out = "date,mars,venus\n";
    for (Day d = from; d <= to; d = Next(d)) {
        const std::string year = std::to_string(d.year);
        const std::string_view month = kMonthNames[d.monthIndex];
        const std::string day = std::to_string(d.day);
        AppendIso(out, d);
        out += ',';
        out.append(GetMarsSign(mars, year, month, day));
        out += ',';
        out.append(GetVenusSign(venus, year, month, day));
        out += '\n';
    }
    return {std::move(out), {}};
}

// ---- reading --------------------------------------------------------------

struct Person {
    std::string_view name;
    BirthDate date;
};

std::string SwatchHex(int number) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const Rgb colour = kSwatchColours[number - 1];
    std::string hex = "#";
    for (std::uint8_t channel : {colour.red, colour.green, colour.blue}) {
        hex += kHex[channel >> 4];
        hex += kHex[channel & 0xF];
    }
    return hex;
}

bool HasSwatch(const ReadingResult& reading) {
    return reading.number && *reading.number >= 1 && *reading.number <= 12;
}

std::string PlainPerson(std::string_view role, std::string_view name, std::string_view date,
                        std::string_view mars, std::string_view venus) {
    std::string text;
    text.append(role).append(": ").append(name).append("\n");
    text.append("Date of birth: ").append(date).append("\n");
    text.append("Mars sign: ").append(mars).append("\n");
    text.append("Venus sign: ").append(venus).append("\n");
    return text;
}

std::string PlainReading(std::string_view title, const ReadingResult& reading, std::size_t width) {
    std::string text;
    text.append(title).append("\n");
    text.append("Pair: ").append(reading.pairKey).append("\n");
    text.append("Number: ")
        .append(reading.number ? std::to_string(*reading.number) : "none")
        .append("\n");
    if (HasSwatch(reading))
        text.append("Swatch: ").append(SwatchHex(*reading.number)).append("\n");
    if (reading.category != nullptr) {
        text.append("Colour: ").append(reading.category->colourName).append("\n");
        text.append("Keywords: ").append(reading.category->word).append("\n");
        text.append("Your Romantic Compatibility:\n");
        text.append(WrapText(reading.category->paragraph, width));
    }
    return text;
}

std::string JsonPerson(std::string_view name, std::string_view date, std::string_view mars,
                       std::string_view venus) {
    return "{\"name\": " + JsonString(name) + ", \"date\": " + JsonString(date) +
           ", \"mars\": " + JsonString(mars) + ", \"venus\": " + JsonString(venus) + "}";
}

std::string JsonReading(const ReadingResult& reading) {
    const Category* category = reading.category;
    auto textOrNull = [&](std::string_view Category::*field) {
        return category != nullptr ? JsonString(category->*field) : std::string("null");
    };
    return "{\"pair\": " + JsonString(reading.pairKey) +
           ", \"number\": " + (reading.number ? std::to_string(*reading.number) : "null") +
           ", \"swatch\": " +
           (HasSwatch(reading) ? JsonString(SwatchHex(*reading.number)) : "null") +
           ", \"colour\": " + textOrNull(&Category::colourName) +
           ", \"category\": " + textOrNull(&Category::word) +
           ", \"paragraph\": " + textOrNull(&Category::paragraph) + "}";
}

BirthEntries EntriesFor(const Person& person) {
    return {person.name, person.date.dayNumber - 1, person.date.monthIndex, person.date.yearNumber};
}

BirthData DataFor(const Person& person) {
    return {std::string(person.name), person.date.day, person.date.month, person.date.year};
}

Outcome Reading(std::span<const std::string> args, std::size_t width) {
    constexpr std::string_view kShape =
        "reading needs NAME DATE PARTNER_NAME PARTNER_DATE [--json]";
    if (args.size() < 4)
        return Fail(std::string(kShape));
    bool json = false;
    if (args.size() == 5 && args[4] == "--json") {
        json = true;
    } else if (args.size() > 4) {
        return Fail("unexpected argument " + QuoteForMessage(args[4]) + "; " + std::string(kShape));
    }

    const ParsedDate yourDate = ParseBirthDate(args[1]);
    if (!yourDate.date)
        return Fail(yourDate.error);
    const ParsedDate partnerDate = ParseBirthDate(args[3]);
    if (!partnerDate.date)
        return Fail(partnerDate.error);
    const Person you{args[0], *yourDate.date};
    const Person partner{args[2], *partnerDate.date};

    // The same check, in the same order and with the same words, as the main
    // window applies before it looks anything up.
    if (const auto failure = ValidateBirthData(EntriesFor(you), EntriesFor(partner))) {
        return Fail(std::string(failure->message));
    }

    ProgramState state;
    const RequestResult result = state.RunCompatibilityRequest(DataFor(you), DataFor(partner));

    std::string out;
    if (json) {
        out =
            "{\"you\": " +
            JsonPerson(you.name, result.yourDateOfBirth, state.YourMarsSign, state.YourVenusSign) +
            ", \"partner\": " +
            JsonPerson(partner.name, result.partnerDateOfBirth, state.PartnerMarsSign,
                       state.PartnerVenusSign) +
            ", \"readings\": [" + JsonReading(result.one) + ", " + JsonReading(result.two) + "]}\n";
    } else {
        out = PlainPerson("You", you.name, result.yourDateOfBirth, state.YourMarsSign,
                          state.YourVenusSign) +
              "\n" +
              PlainPerson("Partner", partner.name, result.partnerDateOfBirth, state.PartnerMarsSign,
                          state.PartnerVenusSign) +
              "\n" +
              PlainReading("Reading One: your Mars with your partner's Venus", result.one, width) +
              "\n" +
              PlainReading("Reading Two: your Venus with your partner's Mars", result.two, width);
    }
    return {std::move(out), {}};
}

Outcome Dispatch(std::span<const std::string> args, std::size_t width) {
    if (args.empty())
        return Fail("no command given; try amorist-cli --help");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        if (args.size() > 1)
            return Fail("--help takes no arguments");
        return {std::string(kUsage), {}};
    }
    if (command == "--version") {
        if (args.size() > 1)
            return Fail("--version takes no arguments");
        return {"amorist-cli " AMORIST_CLI_VERSION "\n", {}};
    }
    if (command == "signs")
        return Signs(args.subspan(1));
    if (command == "reading")
        return Reading(args.subspan(1), width);
    return Fail("unknown command " + QuoteForMessage(command) + "; try amorist-cli --help");
}

}  // namespace

int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err,
        std::size_t width) {
    const Outcome outcome = Dispatch(args, width);
    if (outcome.error) {
        err << "amorist-cli: " << *outcome.error << '\n';
        return kExitBadInput;
    }
    out << outcome.output;
    out.flush();
    return kExitOk;
}

}  // namespace amorist::cli
