#include "cli/reading_format.h"

#include <cstdint>

#include "cli/text_output.h"

namespace amorist::cli {
namespace {

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

void AppendPlainPerson(std::string& text, std::string_view role, const PersonShown& person) {
    text.append(role).append(": ");
    AppendVisible(text, person.name);
    text.append("\nDate of birth: ").append(person.dateShown).append("\n");
    text.append("Mars sign: ").append(person.mars).append("\n");
    text.append("Venus sign: ").append(person.venus).append("\n");
}

void AppendPlainReading(std::string& text, std::string_view title, const ReadingResult& reading,
                        std::size_t width) {
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
}

}  // namespace

void AppendJsonPerson(std::string& out, const PersonShown& person) {
    out.append("{\"name\": ");
    AppendJsonString(out, person.name);
    out.append(", \"date\": \"");
    AppendIsoDate(out, person.date);
    out.append("\", \"date_shown\": ");
    AppendJsonString(out, person.dateShown);
    out.append(", \"mars\": ");
    AppendJsonString(out, person.mars);
    out.append(", \"venus\": ");
    AppendJsonString(out, person.venus);
    out.append("}");
}

void AppendJsonReading(std::string& out, const ReadingResult& reading) {
    const Category* category = reading.category;
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

std::string PlainCouple(const PersonShown& you, const PersonShown& partner,
                        const RequestResult& result, std::size_t width) {
    std::string text;
    AppendPlainPerson(text, "You", you);
    text.append("\n");
    AppendPlainPerson(text, "Partner", partner);
    text.append("\n");
    AppendPlainReading(text, "Reading One: your Mars with your partner's Venus", result.one, width);
    text.append("\n");
    AppendPlainReading(text, "Reading Two: your Venus with your partner's Mars", result.two, width);
    return text;
}

}  // namespace amorist::cli
