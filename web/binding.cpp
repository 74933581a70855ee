// What the page asks of the core, as plain C functions. The page writes every
// string into the module's heap and passes its address and size, so no input
// is ever copied onto the module's small stack.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/compatibility/birth_data_check.h"
#include "core/compatibility/name_filter.h"
#include "core/compatibility/reading_content.h"
#include "core/referral/referral_check.h"
#include "core/sites.h"
#include "core/translatable.h"
#include "reading/couple.h"
#include "reading/language.h"
#include "reading/reading_format.h"
#include "reading/text_output.h"
#include "translations/catalogue.h"
#include "web/module_state.h"

// The page's name alphabet is the browser's: it knows the letters of every
// script and their capitals, tables this module could carry only at several
// times its size. The page hands its alphabet over as Module.nameAlphabet.
EM_JS(int, PageAdmits, (char32_t c), { return Module["nameAlphabet"].test(String.fromCodePoint(c)); });
EM_JS(int, PageCapitals, (char32_t c, char32_t* out), {
    let count = 0;
    for (const capital of String.fromCodePoint(c).toUpperCase())
        HEAPU32[(out >> 2) + count++] = capital.codePointAt(0);
    return count;
});

namespace amorist::web {
namespace {

const NameAlphabet kPageNameAlphabet{
    [](char32_t c) { return PageAdmits(c) != 0; },
    [](char32_t c, std::span<char32_t, kLongestCapitalForm> form) {
        return static_cast<std::size_t>(PageCapitals(c, form.data()));
    },
};

// The longest name the page takes, in characters. The page checks it first and
// says so in its language; the binding refuses anything longer all the same,
// so that no input, however it arrives, can exhaust the module.
constexpr int kLongestName = 200;
// A date or a language code is a few dozen bytes at most; anything far longer is not one.
constexpr std::size_t kLongestShortText = 64;

// What amorist_reading's flags ask for.
constexpr int kShown = 1;         // the dates and signs as the language shows them
constexpr int kBlankIsEmpty = 2;  // a name of spaces only counts as no name (the page's rule)

std::string_view View(const char* data, int size) {
    return size > 0 ? std::string_view(data, static_cast<std::size_t>(size)) : std::string_view();
}

// Characters, not bytes: each byte that does not continue a UTF-8 sequence starts one.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool TooLongForName(std::string_view name) {
    // Four bytes is the most a character takes, so only a long text needs counting.
    return name.size() > kLongestName && CharacterCount(name) > kLongestName;
}

std::string_view PageName(std::string_view name, int flags) {
    if ((flags & kBlankIsEmpty) != 0 && name.find_first_not_of(' ') == std::string_view::npos)
        return {};
    return name;
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

std::string ErrorAnswer(std::string_view why) {
    std::string text = "{\"error\": ";
    reading::AppendJsonString(text, why);
    text.append("}\n");
    return text;
}

std::string Refusal(const reading::CheckedCouple& checked) {
    std::string text = "{\"refused\": ";
    reading::AppendJsonString(text, EntryName(checked.entry));
    text.append(", \"message\": ");
    reading::AppendJsonString(text, checked.why);
    text.append(", \"error\": ");
    reading::AppendJsonString(text, checked.error);
    text.append("}\n");
    return text;
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

// The reading with what the page shows besides it, built from the same parts
// as amorist-cli's line.
std::string ShownReading(const reading::Couple& couple, const reading::CoupleReading& reading,
                         const reading::Language& language) {
    const reading::PersonShown you = reading.You(couple);
    const reading::PersonShown partner = reading.Partner(couple);
    std::string text = "{\"you\": ";
    reading::AppendJsonPerson(text, you);
    text.append(", \"partner\": ");
    reading::AppendJsonPerson(text, partner);
    text.append(", \"readings\": [");
    reading::AppendJsonReading(text, reading.result.one, language);
    text.append(", ");
    reading::AppendJsonReading(text, reading.result.two, language);
    text.append("], \"shown\": {\"you\": ");
    AppendShown(text, you, language);
    text.append(", \"partner\": ");
    AppendShown(text, partner, language);
    text.append("}}\n");
    return text;
}

std::string Reading(std::string_view code, const reading::CoupleArgs& args, int flags) {
    if (code.size() > kLongestShortText || args.date.size() > kLongestShortText ||
        args.partnerDate.size() > kLongestShortText || TooLongForName(args.name) ||
        TooLongForName(args.partnerName)) {
        return ErrorAnswer("an entry is longer than a reading takes");
    }
    const auto found = Languages().find(code);
    if (found == Languages().end())
        return ErrorAnswer("no catalogue for this language");
    const reading::Language& language = found->second;
    const reading::CoupleArgs page{PageName(args.name, flags), args.date,
                                   PageName(args.partnerName, flags), args.partnerDate};
    const reading::CheckedCouple checked = reading::CheckCouple(page, language);
    if (!checked.ok())
        return Refusal(checked);
    const reading::CoupleReading reading = reading::ReadCouple(checked.couple);
    if ((flags & kShown) != 0)
        return ShownReading(checked.couple, reading, language);
    return reading::JsonCouple(checked.couple, reading, language);
}

std::string ReferralRefusal(const reading::Language& language, std::string_view english,
                            std::string_view argument = {}) {
    std::string message;
    AppendFilled(message, language.Translated("modTellAFriend", english), {argument});
    std::string text = "{\"refused\": ";
    reading::AppendJsonString(text, message);
    text.append("}\n");
    return text;
}

// The page's four boxes, checked as the desktop's dialog checks its five: an
// empty box stands for the hint it shows, and the message box, which no one
// sees there, holds its English hint and a line break.
std::string Referral(std::string_view code, const ReferralTexts& boxes) {
    const auto found = Languages().find(code);
    if (code.size() > kLongestShortText || found == Languages().end())
        return ErrorAnswer("no catalogue for this language");
    const reading::Language& language = found->second;
    std::array<std::string, kReferralFieldCount> hints;
    ReferralTexts shownHints;
    for (std::size_t i = 0; i < kReferralFieldCount; ++i) {
        hints[i] = language.Translated("modTellAFriend", kReferralFieldTexts[i].hint);
        shownHints[i] = hints[i];
    }
    const std::string message = std::string(kReferralFieldTexts[2].hint) + "\r\n";
    ReferralTexts texts;
    for (std::size_t i = 0; i < kReferralFieldCount; ++i) {
        const std::string_view trimmed = TrimSpaces(boxes[i]);
        texts[i] = trimmed.empty() ? shownHints[i] : trimmed;
    }
    texts[static_cast<std::size_t>(ReferralField::Message)] = message;
    if (HasFieldTooLong(texts))
        return ReferralRefusal(language, kFieldTooLongMessage,
                               std::to_string(kLongestReferralField));
    if (const auto problem = EmailAddressProblem(texts))
        return ReferralRefusal(language, *problem);
    if (const auto missing = MissingFieldMessage(texts, shownHints))
        return ReferralRefusal(language, *missing);
    std::string text = "{\"address\": ";
    reading::AppendJsonString(
        text, ReferralAddress(texts, sites::Address(sites::kMainHost, kReferralPagePath),
                              sites::Address(sites::kProductHost, "/")));
    text.append("}\n");
    return text;
}

}  // namespace
}  // namespace amorist::web

extern "C" {

// Takes a language's catalogue, as the build wrote it; 1 when it reads.
EMSCRIPTEN_KEEPALIVE int amorist_use_catalogue(const char* data, int size) {
    return amorist::web::UseCatalogue(amorist::web::View(data, size)) ? 1 : 0;
}

// The longest name a reading takes, in characters.
EMSCRIPTEN_KEEPALIVE int amorist_longest_name() {
    return amorist::web::kLongestName;
}

// A name box's text as the page keeps it: {"kept": its capitals that the
// page's alphabet admits, "refused": whether anything was left out}.
EMSCRIPTEN_KEEPALIVE const char* amorist_filter_name(const char* text, int textSize) {
    using namespace amorist;
    const FilteredName filtered = FilterName(web::View(text, textSize), web::kPageNameAlphabet);
    std::string answer = "{\"kept\": ";
    reading::AppendJsonString(answer, filtered.kept);
    answer.append(filtered.refused ? ", \"refused\": true}\n" : ", \"refused\": false}\n");
    return web::Answer(std::move(answer));
}

// The reading of a couple in a language whose catalogue the page has handed
// over, each string given by its address and size in bytes. With flags 0 it
// is exactly the line `amorist-cli reading --json --lang <language>` prints;
// flag 1 adds "shown" (dates and signs as the language shows them), flag 2
// takes a name of spaces only as no name. A refusal gives {"refused": entry,
// "message": the check's message, "error": amorist-cli's message line};
// anything the binding cannot take gives {"error": why}.
EMSCRIPTEN_KEEPALIVE const char* amorist_reading(const char* language, int languageSize,
                                                 const char* name, int nameSize, const char* date,
                                                 int dateSize, const char* partnerName,
                                                 int partnerNameSize, const char* partnerDate,
                                                 int partnerDateSize, int flags) {
    using namespace amorist;
    const reading::CoupleArgs args{web::View(name, nameSize), web::View(date, dateSize),
                                   web::View(partnerName, partnerNameSize),
                                   web::View(partnerDate, partnerDateSize)};
    return web::Answer(web::Reading(web::View(language, languageSize), args, flags));
}

// The referral from the page's four boxes (name, e-mail, friend's name,
// friend's e-mail) in a language whose catalogue the page has handed over:
// {"address": where to open it}, or {"refused": the message of the first
// check that fails}.
EMSCRIPTEN_KEEPALIVE const char* amorist_referral(const char* language, int languageSize,
                                                  const char* name, int nameSize, const char* email,
                                                  int emailSize, const char* friendName,
                                                  int friendNameSize, const char* friendEmail,
                                                  int friendEmailSize) {
    using namespace amorist;
    const ReferralTexts boxes{web::View(name, nameSize),
                              web::View(email, emailSize),
                              {},
                              web::View(friendName, friendNameSize),
                              web::View(friendEmail, friendEmailSize)};
    return web::Answer(web::Referral(web::View(language, languageSize), boxes));
}

// One reading from its compatibility number alone, as a link passed on
// carries it: the reading's JSON as in amorist_reading, with an empty pair,
// since no signs come with the number. A number outside 1 to 12 or a language
// not handed over gives {"error": ...}.
EMSCRIPTEN_KEEPALIVE const char* amorist_reading_of_number(const char* language, int languageSize,
                                                           int number) {
    using namespace amorist;
    const auto found = web::Languages().find(web::View(language, languageSize));
    if (found == web::Languages().end())
        return web::Answer("{\"error\": \"no catalogue for this language\"}\n");
    const Category* category = CategoryFor(number);
    if (category == nullptr)
        return web::Answer("{\"error\": \"no reading has this number\"}\n");
    std::string text;
    reading::AppendJsonReading(text, ReadingResult{{}, number, category}, found->second);
    text.append("\n");
    return web::Answer(std::move(text));
}

}  // extern "C"
