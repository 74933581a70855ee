#include "cli/commands.h"

#include <chrono>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "reading/birth_date.h"
#include "reading/card.h"
#include "cli/command_line.h"
#include "reading/couple.h"
#include "reading/language.h"
#include "reading/reading_format.h"
#include "reading/text_output.h"
#include "core/compatibility/program_state.h"
#include "core/ephemeris/modPlanetSignMars.h"
#include "core/ephemeris/modPlanetSignVenus.h"
#include "core/ephemeris/zodiac.h"

#ifndef AMORIST_CLI_VERSION
#error "AMORIST_CLI_VERSION must be defined by the build"
#endif

namespace amorist::cli {
namespace {

int Refuse(const Streams& io, std::string_view message) {
    io.err.Report(message);
    return kExitBadInput;
}

// ---- signs ----------------------------------------------------------------

std::chrono::sys_days DayOf(CalendarDate d) {
    using namespace std::chrono;
    return year(d.year) / month(static_cast<unsigned>(d.monthIndex) + 1) /
           day(static_cast<unsigned>(d.day));
}

int Signs(const CommandLine& line, const Streams& io) {
    static constexpr std::string_view kLabels[] = {"FROM", "TO"};
    CalendarDate range[2] = {{kFirstTableYear, 0, 1}, {kLastTableYear, 11, 31}};
    for (std::size_t i = 0; i < line.operands.size(); ++i) {
        const DateReading reading =
            ReadCalendarDay(line.operands[i], Language::EveryDateSpelling());
        if (!reading.ok())
            return Refuse(io, DateError(kLabels[i], line.operands[i], reading));
        range[i] = reading.date;
    }
    if (DayOf(range[0]) > DayOf(range[1])) {
        return Refuse(io, "FROM " + QuoteForMessage(line.operands[0]) + " comes after TO " +
                              QuoteForMessage(line.operands[1]));
    }

    modPlanetSignMars mars;
    modPlanetSignVenus venus;
    const bool json = line.options.json;
    std::string text = json ? "" : "date,mars,venus\n";
    for (auto each = DayOf(range[0]); each <= DayOf(range[1]); each += std::chrono::days(1)) {
        const std::chrono::year_month_day ymd(each);
        const CalendarDate d{static_cast<int>(ymd.year()),
                             static_cast<int>(unsigned(ymd.month())) - 1,
                             static_cast<int>(unsigned(ymd.day()))};
        const std::string year = std::to_string(d.year);
        const std::string_view month = kMonthNames[d.monthIndex];
        const std::string day = std::to_string(d.day);
        const ZodiacSign marsSign = GetMarsSign(mars, year, month, day);
        const ZodiacSign venusSign = GetVenusSign(venus, year, month, day);
        text.append(json ? "{\"date\":\"" : "");
        AppendIsoDate(text, d);
        text.append(json ? "\",\"mars\":\"" : ",").append(marsSign);
        text.append(json ? "\",\"venus\":\"" : ",").append(venusSign);
        text.append(json ? "\"}\n" : "\n");
        io.out.Write(text);
        text.clear();
    }
    return kExitOk;
}

// ---- reading --------------------------------------------------------------

int Reading(const CommandLine& line, const Streams& io, const Language& language) {
    const CheckedCouple checked = CheckCouple(
        {line.operands[0], line.operands[1], line.operands[2], line.operands[3]}, language);
    if (!checked.ok())
        return Refuse(io, checked.error);
    const Couple& couple = checked.couple;
    const CoupleReading reading = ReadCouple(couple);
    io.out.Write(line.options.json ? JsonCouple(couple, reading, language)
                                   : PlainCouple(reading.You(couple), reading.Partner(couple),
                                                 reading.result, io.width, language));
    return kExitOk;
}

int Card(const CommandLine& line, const Streams& io, const Language& language) {
    const CheckedCouple checked = CheckCouple(
        {line.operands[0], line.operands[1], line.operands[2], line.operands[3]}, language);
    if (!checked.ok())
        return Refuse(io, checked.error);
    const CoupleReading reading = ReadCouple(checked.couple);
    io.out.Write(CardSvg(CardFor(checked.couple, reading, !line.options.noNames), language));
    return kExitOk;
}

int Dispatch(const CommandLine& line, const Streams& io) {
    if (line.options.help) {
        io.out.Write(HelpText(line.command));
        return kExitOk;
    }
    if (line.options.version) {
        io.out.Write("amorist-cli " AMORIST_CLI_VERSION "\n");
        return kExitOk;
    }
    // Without --lang the output is English, whatever language the caller's
    // environment asks for: a script's output must not change with its locale.
    std::optional<Language> language = Language::English();
    if (line.options.lang) {
        language = Language::Named(*line.options.lang);
        if (!language) {
            io.err.Report("the translation " + QuoteForMessage(*line.options.lang) +
                          " is missing from this build");
            return kExitSystemError;
        }
    }
    switch (line.command) {
        case Command::Reading:
            return Reading(line, io, *language);
        case Command::Batch:
            return RunBatch(line.operands.empty() ? std::string_view() : line.operands[0], io.in,
                            line.options.json, *language, io.out, io.err);
        case Command::Signs:
            return Signs(line, io);
        case Command::Card:
            return Card(line, io, *language);
        case Command::None:
            break;
    }
    return kExitBadInput;  // ParseCommandLine lets no line without a command through
}

}  // namespace

int Run(std::span<const std::string> args, const Streams& io) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    const int status = parsed.error.empty() ? Dispatch(parsed.line, io) : Refuse(io, parsed.error);
    if (!io.out.Flush()) {
        io.err.Report(std::string("write error: ") + std::strerror(io.out.error()));
        return kExitSystemError;
    }
    return status;
}

}  // namespace amorist::cli
