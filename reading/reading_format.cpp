#include "reading/reading_format.h"

#include <cstdint>

#include "reading/text_output.h"

namespace amorist::reading {

bool HasSwatch(const ReadingResult& reading) {
    return reading.number && *reading.number >= 1 && *reading.number <= 12;
}

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

namespace {

// One line: the phrase with its %1 (and %2) filled in.
void AppendLine(std::string& text, std::string_view phrase,
                std::initializer_list<std::string_view> values) {
    AppendFilled(text, phrase, values);
    text += '\n';
}

void AppendPlainPerson(std::string& text, std::string_view role, const PersonShown& person,
                       const Language& language) {
    const PlainPhrases& say = language.phrases();
    std::string name;
    AppendVisible(name, person.name);
    AppendLine(text, role, {name});
    std::string date;
    language.AppendDate(date, person.date);
    AppendLine(text, say.dateOfBirth, {date});
    AppendLine(text, say.marsSign, {language.Sign(person.mars)});
    AppendLine(text, say.venusSign, {language.Sign(person.venus)});
}

void AppendPlainReading(std::string& text, std::string_view title, const ReadingResult& reading,
                        ZodiacSign first, ZodiacSign second, std::size_t width,
                        const Language& language) {
    const PlainPhrases& say = language.phrases();
    AppendLine(text, title, {});
    std::string pair;
    AppendFilled(pair, say.pairOfSigns, {language.Sign(first), language.Sign(second)});
    AppendLine(text, say.pair, {pair});
    AppendLine(text, say.number,
               {reading.number ? std::to_string(*reading.number) : std::string(say.noNumber)});
    if (HasSwatch(reading))
        AppendLine(text, say.swatch, {SwatchHex(*reading.number)});
    if (const Category* category = language.Shown(reading.category)) {
        AppendLine(text, say.colour, {category->colourName});
        AppendLine(text, say.keywords, {category->word});
        AppendLine(text, say.compatibility, {});
        text.append(WrapText(category->paragraph, width));
    }
}

}  // namespace

// The quotes around each string are part of the fixed text: batch writes two
// people for every couple.
void AppendJsonPerson(std::string& out, const PersonShown& person) {
    out.append("{\"name\": \"");
    AppendJsonEscaped(out, person.name);
    out.append("\", \"date\": \"");
    AppendIsoDate(out, person.date);
    out.append("\", \"date_shown\": \"");
    AppendJsonEscaped(out, person.dateShown);
    out.append("\", \"mars\": \"");
    AppendJsonEscaped(out, person.mars);
    out.append("\", \"venus\": \"");
    AppendJsonEscaped(out, person.venus);
    out.append("\"}");
}

void AppendJsonReading(std::string& out, const ReadingResult& reading, const Language& language) {
    const Category* category = language.Shown(reading.category);
    auto textOrNull = [&](std::string_view Category::*field) {
        if (category != nullptr) {
            AppendJsonString(out, category->*field);
        } else {
            out.append("null");
        }
    };
    out.append("{\"pair\": ");
    AppendJsonString(out, reading.pairKey);
    out.append(", \"number\": ").append(reading.number ? std::to_string(*reading.number) : "null");
    out.append(", \"swatch\": ");
    if (HasSwatch(reading)) {
        AppendJsonString(out, SwatchHex(*reading.number));
    } else {
        out.append("null");
    }
    out.append(", \"colour\": ");
    textOrNull(&Category::colourName);
    out.append(", \"category\": ");
    textOrNull(&Category::word);
    out.append(", \"paragraph\": ");
    textOrNull(&Category::paragraph);
    out.append("}");
}

void AppendJsonCouple(std::string& out, const PersonShown& you, const PersonShown& partner,
                      std::string_view readingOne, std::string_view readingTwo) {
    out.append("{\"you\": ");
    AppendJsonPerson(out, you);
    out.append(", \"partner\": ");
    AppendJsonPerson(out, partner);
    out.append(", \"readings\": [").append(readingOne).append(", ").append(readingTwo);
    out.append("]}\n");
}

PersonShown CoupleReading::You(const Couple& couple) const {
    return {couple.name, couple.date, result.yourDateOfBirth, yourMars, yourVenus};
}

PersonShown CoupleReading::Partner(const Couple& couple) const {
    return {couple.partnerName, couple.partnerDate, result.partnerDateOfBirth, partnerMars,
            partnerVenus};
}

CoupleReading ReadCouple(const Couple& couple) {
    auto data = [](std::string_view name, CalendarDate date) {
        return BirthData{std::string(name), std::to_string(date.day),
                         std::string(kMonthNames[date.monthIndex]), std::to_string(date.year)};
    };
    ProgramState state;
    CoupleReading reading;
    reading.result = state.RunCompatibilityRequest(data(couple.name, couple.date),
                                                   data(couple.partnerName, couple.partnerDate));
    reading.yourMars = state.YourMarsSign;
    reading.yourVenus = state.YourVenusSign;
    reading.partnerMars = state.PartnerMarsSign;
    reading.partnerVenus = state.PartnerVenusSign;
    return reading;
}

std::string JsonCouple(const Couple& couple, const CoupleReading& reading,
                       const Language& language) {
    std::string one, two, text;
    AppendJsonReading(one, reading.result.one, language);
    AppendJsonReading(two, reading.result.two, language);
    AppendJsonCouple(text, reading.You(couple), reading.Partner(couple), one, two);
    return text;
}

std::string PlainCouple(const PersonShown& you, const PersonShown& partner,
                        const RequestResult& result, std::size_t width, const Language& language) {
    const PlainPhrases& say = language.phrases();
    std::string text;
    AppendPlainPerson(text, say.you, you, language);
    text.append("\n");
    AppendPlainPerson(text, say.partner, partner, language);
    text.append("\n");
    AppendPlainReading(text, say.readingOne, result.one, you.mars, partner.venus, width, language);
    text.append("\n");
    AppendPlainReading(text, say.readingTwo, result.two, you.venus, partner.mars, width, language);
    return text;
}

}  // namespace amorist::reading
