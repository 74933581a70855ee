// What the page asks of the core, as plain C functions the page calls through
// the module's ccall: no generated glue that would need eval.
#include <emscripten/emscripten.h>

#include <map>
#include <optional>
#include <string>

#include "core/compatibility/program_state.h"
#include "reading/couple.h"
#include "reading/language.h"
#include "reading/reading_format.h"
#include "reading/text_output.h"
#include "translations/catalogue.h"

namespace amorist::web {
namespace {

// The languages whose catalogues the page has handed over, by code; English
// needs none. Kept for the life of the page, like amorist-cli's.
std::map<std::string, cli::Language, std::less<>>& Languages() {
    static std::map<std::string, cli::Language, std::less<>> languages{
        {"en", cli::Language::English()}};
    return languages;
}

const char* Answer(std::string text) {
    static std::string answer;  // the page copies it out before its next call
    answer = std::move(text);
    return answer.c_str();
}

std::string_view EntryName(std::string_view error) {
    // CheckCouple names the argument at fault first: "partner's date '...': ...".
    if (error.starts_with("partner's name"))
        return "partner_name";
    if (error.starts_with("partner's date"))
        return "partner_date";
    if (error.starts_with("name"))
        return "name";
    return "date";
}

cli::PersonShown Person(std::string_view name, cli::CalendarDate date, std::string_view dateShown,
                        ZodiacSign mars, ZodiacSign venus) {
    return {name, date, dateShown, mars, venus};
}

void AppendShown(std::string& out, const cli::PersonShown& person, const cli::Language& language) {
    std::string date;
    language.AppendDate(date, person.date);
    out.append("{\"date\": ");
    cli::AppendJsonString(out, date);
    out.append(", \"mars\": ");
    cli::AppendJsonString(out, language.Sign(person.mars));
    out.append(", \"venus\": ");
    cli::AppendJsonString(out, language.Sign(person.venus));
    out.append("}");
}

}  // namespace
}  // namespace amorist::web

extern "C" {

// Takes a language's catalogue, as the build wrote it; 1 when it reads.
EMSCRIPTEN_KEEPALIVE int amorist_use_catalogue(const char* data, int size) {
    using namespace amorist;
    const std::optional<Catalogue> catalogue =
        Catalogue::Read(std::string_view(data, static_cast<std::size_t>(size)));
    if (!catalogue)
        return 0;
    web::Languages().insert_or_assign(std::string(catalogue->Code()),
                                      cli::Language::Using(*catalogue));
    return 1;
}

// The reading of a couple in a language whose catalogue the page has handed
// over: exactly the line `amorist-cli reading --json --lang <language>` prints,
// with `"shown": {...}` (dates and signs as the language shows them) added
// before the last brace when shown is 1. A refusal gives
// {"refused": entry, "message": the check's message, "error": amorist-cli's
// message line}.
EMSCRIPTEN_KEEPALIVE const char* amorist_reading(const char* language, const char* name,
                                                 const char* date, const char* partnerName,
                                                 const char* partnerDate, int shown) {
    using namespace amorist;
    const auto found = web::Languages().find(std::string_view(language));
    if (found == web::Languages().end())
        return web::Answer("{\"error\": \"no catalogue for this language\"}\n");
    const cli::Language& lang = found->second;

    const cli::CoupleArgs args{name, date, partnerName, partnerDate};
    const cli::CheckedCouple checked = cli::CheckCouple(args);
    if (!checked.Ok()) {
        std::string text = "{\"refused\": \"";
        text.append(web::EntryName(checked.error)).append("\", \"message\": ");
        const std::size_t colon = checked.error.rfind(": ");
        cli::AppendJsonString(text, std::string_view(checked.error).substr(colon + 2));
        text.append(", \"error\": ");
        cli::AppendJsonString(text, checked.error);
        text.append("}\n");
        return web::Answer(std::move(text));
    }
    const cli::Couple& couple = checked.couple;
    auto data = [](std::string_view who, cli::CalendarDate d) {
        return BirthData{std::string(who), std::to_string(d.day),
                         std::string(kMonthNames[d.monthIndex]), std::to_string(d.year)};
    };
    ProgramState state;
    const RequestResult result = state.RunCompatibilityRequest(
        data(couple.name, couple.date), data(couple.partnerName, couple.partnerDate));
    const cli::PersonShown you = web::Person(couple.name, couple.date, result.yourDateOfBirth,
                                             state.YourMarsSign, state.YourVenusSign);
    const cli::PersonShown partner =
        web::Person(couple.partnerName, couple.partnerDate, result.partnerDateOfBirth,
                    state.PartnerMarsSign, state.PartnerVenusSign);
    std::string one, two, text;
    cli::AppendJsonReading(one, result.one, lang);
    cli::AppendJsonReading(two, result.two, lang);
    cli::AppendJsonCouple(text, you, partner, one, two);
    if (shown == 1) {
        text.resize(text.size() - 2);  // "}\n"
        text.append(", \"shown\": {\"you\": ");
        web::AppendShown(text, you, lang);
        text.append(", \"partner\": ");
        web::AppendShown(text, partner, lang);
        text.append("}}\n");
    }
    return web::Answer(std::move(text));
}

}  // extern "C"
