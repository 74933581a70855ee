// What the page asks of the core, as plain C functions the page calls through
// the module's ccall: no generated glue that would need eval.
#include <emscripten/emscripten.h>

#include <map>
#include <optional>
#include <string>

#include "core/compatibility/birth_data_check.h"
#include "reading/couple.h"
#include "reading/language.h"
#include "reading/reading_format.h"
#include "reading/text_output.h"
#include "translations/catalogue.h"

namespace amorist::web {
namespace {

// The languages whose catalogues the page has handed over, by code; English
// needs none. Kept for the life of the page, like amorist-cli's.
std::map<std::string, reading::Language, std::less<>>& Languages() {
    static std::map<std::string, reading::Language, std::less<>> languages{
        {"en", reading::Language::English()}};
    return languages;
}

const char* Answer(std::string text) {
    static std::string answer;  // the page copies it out before its next call
    answer = std::move(text);
    return answer.c_str();
}

std::string_view EntryName(CheckedEntry entry) {
    switch (entry) {
        case CheckedEntry::YourName:
            return "name";
        case CheckedEntry::YourDate:
            return "date";
        case CheckedEntry::PartnerName:
            return "partner_name";
        case CheckedEntry::PartnerDate:
            return "partner_date";
    }
    return "date";
}

void AppendShown(std::string& out, const reading::PersonShown& person,
                 const reading::Language& language) {
    std::string date;
    language.AppendDate(date, person.date);
    out.append("{\"date\": ");
    reading::AppendJsonString(out, date);
    out.append(", \"mars\": ");
    reading::AppendJsonString(out, language.Sign(person.mars));
    out.append(", \"venus\": ");
    reading::AppendJsonString(out, language.Sign(person.venus));
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
    web::Languages().insert_or_assign(std::string(catalogue->code()),
                                      reading::Language::Using(*catalogue));
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
    const reading::Language& lang = found->second;

    const reading::CoupleArgs args{name, date, partnerName, partnerDate};
    const reading::CheckedCouple checked = reading::CheckCouple(args, lang);
    if (!checked.ok()) {
        std::string text = "{\"refused\": \"";
        text.append(web::EntryName(checked.entry)).append("\", \"message\": ");
        reading::AppendJsonString(text, checked.why);
        text.append(", \"error\": ");
        reading::AppendJsonString(text, checked.error);
        text.append("}\n");
        return web::Answer(std::move(text));
    }
    const reading::Couple& couple = checked.couple;
    const reading::CoupleReading reading = reading::ReadCouple(couple);
    std::string text = reading::JsonCouple(couple, reading, lang);
    if (shown == 1) {
        text.resize(text.size() - 2);  // "}\n"
        text.append(", \"shown\": {\"you\": ");
        web::AppendShown(text, reading.You(couple), lang);
        text.append(", \"partner\": ");
        web::AppendShown(text, reading.Partner(couple), lang);
        text.append("}}\n");
    }
    return web::Answer(std::move(text));
}

}  // extern "C"
