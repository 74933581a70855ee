#include "reading/language.h"

#include <array>
#include <mutex>
#include <utility>

#include "core/compatibility/program_state.h"
#include "translations/catalogue.h"
#include "translations/translated_languages.h"

namespace amorist::cli {
namespace {

constexpr std::string_view PlainPhrases::*kPhrases[] = {
    &PlainPhrases::you,        &PlainPhrases::partner,   &PlainPhrases::dateOfBirth,
    &PlainPhrases::marsSign,   &PlainPhrases::venusSign, &PlainPhrases::readingOne,
    &PlainPhrases::readingTwo, &PlainPhrases::pair,      &PlainPhrases::pairOfSigns,
    &PlainPhrases::number,     &PlainPhrases::noNumber,  &PlainPhrases::swatch,
    &PlainPhrases::colour,     &PlainPhrases::keywords,  &PlainPhrases::compatibility,
};
static_assert(std::size(kPhrases) * sizeof(std::string_view) == sizeof(PlainPhrases),
              "every phrase is translated");

// The seven categories are those of the numbers 1 to 7.
constexpr int kCategoryCount = 7;

}  // namespace

struct Language::Texts {
    std::string code;
    std::array<std::string, 12> signs, months;
    std::array<std::string, 3 * kCategoryCount> categoryTexts;
    std::array<Category, kCategoryCount> categories;
    std::string dateForm;
    std::array<std::string, std::size(kPhrases)> phraseTexts;
    PlainPhrases phrases;

    // translate(context, english) gives the text to show.
    template <typename Translate>
    Texts(std::string_view language, Translate translate) : code(language) {
        for (std::size_t i = 0; i < 12; ++i) {
            signs[i] = translate("zodiac", kZodiacSigns[i]);
            months[i] = translate("zodiac", kMonthNames[i]);
        }
        for (int k = 0; k < kCategoryCount; ++k) {
            const Category& english = *CategoryFor(k + 1);
            std::string* texts = &categoryTexts[3 * k];
            texts[0] = translate("reading", english.colourName);
            texts[1] = translate("reading", english.word);
            texts[2] = translate("reading", english.paragraph);
            categories[k] = {texts[0], texts[1], texts[2]};
        }
        dateForm = translate("program_state", kDateOfBirthForm);
        for (std::size_t i = 0; i < std::size(kPhrases); ++i) {
            phraseTexts[i] = translate(PlainPhrases::kContext, PlainPhrases{}.*kPhrases[i]);
            phrases.*kPhrases[i] = phraseTexts[i];
        }
    }
};

Language::Language(std::shared_ptr<const Texts> texts) : texts_(std::move(texts)) {}

// What the translation lacks stays English.
std::shared_ptr<const Language::Texts> Language::Load(const Catalogue& catalogue) {
    return std::make_shared<const Texts>(
        catalogue.Code(), [&](const char* context, std::string_view text) {
            return std::string(catalogue.Translate(context, text));
        });
}

std::shared_ptr<const Language::Texts> Language::Load(std::string_view code) {
    const std::optional<Catalogue> catalogue = Catalogue::Read(EmbeddedCatalogue(code));
    return catalogue ? Load(*catalogue) : nullptr;
}

Language Language::Using(const Catalogue& catalogue) {
    return Language(Load(catalogue));
}

std::string Language::Codes() {
    std::string codes = "en";
    for (std::size_t i = 0; i < kTranslatedLanguages.size(); ++i)
        codes.append(i + 1 < kTranslatedLanguages.size() ? ", " : " or ")
            .append(kTranslatedLanguages[i]);
    return codes;
}

bool Language::Exists(std::string_view code) {
    if (code == "en")
        return true;
    for (std::string_view translated : kTranslatedLanguages) {
        if (code == translated)
            return true;
    }
    return false;
}

const Language& Language::English() {
    static const Language english(std::make_shared<const Texts>(
        "en", [](const char*, std::string_view text) { return std::string(text); }));
    return english;
}

std::optional<Language> Language::Named(std::string_view code) {
    if (code == "en")
        return English();
    // Each language is loaded once, at its first use, and kept.
    static std::array<std::once_flag, kTranslatedLanguages.size()> once;
    static std::array<std::shared_ptr<const Texts>, kTranslatedLanguages.size()> loaded;
    for (std::size_t i = 0; i < kTranslatedLanguages.size(); ++i) {
        if (code != kTranslatedLanguages[i])
            continue;
        std::call_once(once[i], [&] { loaded[i] = Load(code); });
        return loaded[i] ? std::optional(Language(loaded[i])) : std::nullopt;
    }
    return std::nullopt;
}

std::string_view Language::Sign(std::string_view english) const {
    const std::optional<int> index = SignIndex(english);
    return index ? std::string_view(texts_->signs[*index]) : english;
}

std::string_view Language::Month(int monthIndex) const {
    return texts_->months.at(static_cast<std::size_t>(monthIndex));
}

const Category* Language::Shown(const Category* english) const {
    for (int k = 0; k < kCategoryCount; ++k) {
        if (english == CategoryFor(k + 1))
            return &texts_->categories[k];
    }
    return english;
}

void Language::AppendDate(std::string& out, CalendarDate date) const {
    AppendFilled(out, texts_->dateForm,
                 {std::to_string(date.day), Month(date.monthIndex), std::to_string(date.year)});
}

const PlainPhrases& Language::Phrases() const {
    return texts_->phrases;
}

std::string_view Language::Code() const {
    return texts_->code;
}

}  // namespace amorist::cli
