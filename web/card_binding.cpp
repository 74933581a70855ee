// The reading card for the page's picture commands, in a module of its own
// that the page loads only when a picture is asked for. It draws from what
// the reading already gave the page (the English signs and the two numbers),
// so it carries no sign tables and sees no date.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "core/compatibility/reading_content.h"
#include "core/ephemeris/zodiac.h"
#include "reading/card.h"
#include "reading/language.h"
#include "translations/catalogue.h"
#include "web/module_state.h"

namespace amorist::web {
namespace {

std::optional<ZodiacSign> Sign(const char* english) {
    const std::optional<int> index = SignIndex(english);
    if (!index)
        return std::nullopt;
    return kZodiacSigns[static_cast<std::size_t>(*index)];
}

ReadingResult ReadingNumbered(ZodiacSign first, ZodiacSign second, int number) {
    ReadingResult reading;
    reading.pairKey = std::string(first) + "-" + std::string(second);
    if (number >= 1 && number <= 12) {
        reading.number = number;
        reading.category = CategoryFor(number);
    }
    return reading;
}

}  // namespace
}  // namespace amorist::web

extern "C" {

// Takes a language's catalogue, as the build wrote it; 1 when it reads.
EMSCRIPTEN_KEEPALIVE int amorist_card_use_catalogue(const char* data, int size) {
    const std::string_view catalogue(data, static_cast<std::size_t>(size));
    return amorist::web::UseCatalogue(catalogue) ? 1 : 0;
}

// The card's SVG, or an empty text for a language without its catalogue or a
// sign that is not one of the twelve (English names, as the reading's JSON has them).
EMSCRIPTEN_KEEPALIVE const char* amorist_card(const char* language, const char* name,
                                              const char* partnerName, int withNames,
                                              const char* yourMars, const char* yourVenus,
                                              const char* partnerMars, const char* partnerVenus,
                                              int numberOne, int numberTwo) {
    using namespace amorist;
    const auto found = web::Languages().find(std::string_view(language));
    const std::optional<ZodiacSign> mars = web::Sign(yourMars), venus = web::Sign(yourVenus),
                                    theirMars = web::Sign(partnerMars),
                                    theirVenus = web::Sign(partnerVenus);
    if (found == web::Languages().end() || !mars || !venus || !theirMars || !theirVenus)
        return web::Answer("");
    RequestResult result;
    result.one = web::ReadingNumbered(*mars, *theirVenus, numberOne);
    result.two = web::ReadingNumbered(*venus, *theirMars, numberTwo);
    const reading::CardContent content{name,   partnerName, withNames == 1, *mars,
                                       *venus, *theirMars,  *theirVenus,    &result};
    return web::Answer(reading::CardSvg(content, found->second));
}

}  // extern "C"
