#include "reading/language.h"

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "core/compatibility/program_state.h"
#include "translations/catalogue.h"
#include "translations/translated_languages.h"

namespace amorist::reading {
namespace {

constexpr std::string_view PlainPhrases::*kPhrases[] = {
    &PlainPhrases::you,
    &PlainPhrases::partner,
    &PlainPhrases::dateOfBirth,
    &PlainPhrases::marsSign,
    &PlainPhrases::venusSign,
    &PlainPhrases::readingOne,
    &PlainPhrases::readingTwo,
    &PlainPhrases::pair,
    &PlainPhrases::pairOfSigns,
    &PlainPhrases::number,
    &PlainPhrases::noNumber,
    &PlainPhrases::swatch,
    &PlainPhrases::colour,
    &PlainPhrases::keywords,
    &PlainPhrases::compatibility,
    &PlainPhrases::argumentRefused,
    &PlainPhrases::nameArgument,
    &PlainPhrases::dateArgument,
    &PlainPhrases::partnerNameArgument,
    &PlainPhrases::partnerDateArgument,
};
static_assert(std::size(kPhrases) * sizeof(std::string_view) == sizeof(PlainPhrases),
              "every phrase is translated");

constexpr std::string_view DateFaultPhrases::*kDateFaults[] = {
    &DateFaultPhrases::notAMonthName,   &DateFaultPhrases::monthOutOfRange,
    &DateFaultPhrases::yearOutOfRange,  &DateFaultPhrases::dayOutOfRange,
    &DateFaultPhrases::notACalendarDay, &DateFaultPhrases::notADate,
};
static_assert(std::size(kDateFaults) * sizeof(std::string_view) == sizeof(DateFaultPhrases),
              "every date fault is translated");

// Gives the text to show for an English text of the program in a context;
// for a text with plural forms, the form the language uses for the number n
// (n is -1 for any other text).
using Translate = std::function<std::string(const char* context, std::string_view text, int n)>;

// The seven categories are those of the numbers 1 to 7.
constexpr int kCategoryCount = 7;

}  // namespace

struct Language::Texts {
    Translate translate;
    std::array<std::string, 12> signs;
    DateSpelling dates;
    std::array<std::string, 3 * kCategoryCount> categoryTexts;
    std::array<Category, kCategoryCount> categories;
    std::array<std::string, std::size(kPhrases)> phraseTexts;
    PlainPhrases phrases;
    std::array<std::string, std::size(kDateFaults)> dateFaultTexts;
    DateFaultPhrases dateFaults;

    explicit Texts(Translate translator) : translate(std::move(translator)) {
        for (std::size_t i = 0; i < 12; ++i) {
            signs[i] = translate("zodiac", kZodiacSigns[i], -1);
            dates.months[i] = translate("zodiac", kMonthNames[i], -1);
        }
        // Each day's date form: the one place a plural form is chosen, by the
        // translation's own rule (French writes the 1st apart, as n < 2).
        for (std::size_t day = 1; day <= dates.forms.size(); ++day) {
            dates.forms[day - 1] =
                translate("program_state", kDateOfBirthForm, static_cast<int>(day));
        }
        for (int k = 0; k < kCategoryCount; ++k) {
            const Category& english = *CategoryFor(k + 1);
            std::string* texts = &categoryTexts[3 * k];
            texts[0] = translate("reading", english.colourName, -1);
            texts[1] = translate("reading", english.word, -1);
            texts[2] = translate("reading", english.paragraph, -1);
            categories[k] = {texts[0], texts[1], texts[2]};
        }
        for (std::size_t i = 0; i < std::size(kPhrases); ++i) {
            phraseTexts[i] = translate(PlainPhrases::kContext, PlainPhrases{}.*kPhrases[i], -1);
            phrases.*kPhrases[i] = phraseTexts[i];
        }
        for (std::size_t i = 0; i < std::size(kDateFaults); ++i) {
            dateFaultTexts[i] =
                translate(DateFaultPhrases::kContext, DateFaultPhrases{}.*kDateFaults[i], -1);
            dateFaults.*kDateFaults[i] = dateFaultTexts[i];
        }
    }

    // categories, phrases and dateFaults view the strings beside them, which a
    // copy or a move would leave behind.
    Texts(const Texts&) = delete;
    Texts& operator=(const Texts&) = delete;
};

Language::Language(std::shared_ptr<const Texts> texts) : texts_(std::move(texts)) {}

// What the translation lacks stays English.
std::shared_ptr<const Language::Texts> Language::Load(const Catalogue& catalogue) {
    return std::make_shared<const Texts>(
        [catalogue](const char* context, std::string_view text, int n) {
            // The translation's plural rule picks the form for n.
            return std::string(catalogue.Translate(context, text, {}, n));
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
        [](const char*, std::string_view text, int) { return std::string(text); }));
    return english;
}

std::optional<Language> Language::Named(std::string_view code) {
    if (code == "en")
        return English();
    if (!Exists(code))
        return std::nullopt;
    std::shared_ptr<const Texts> texts = Load(code);
    return texts ? std::optional(Language(std::move(texts))) : std::nullopt;
}

std::string_view Language::Sign(std::string_view english) const {
    const std::optional<int> index = SignIndex(english);
    return index ? std::string_view(texts_->signs[*index]) : english;
}

std::string_view Language::Month(int monthIndex) const {
    return texts_->dates.months.at(static_cast<std::size_t>(monthIndex));
}

const Category* Language::Shown(const Category* english) const {
    for (int k = 0; k < kCategoryCount; ++k) {
        if (english == CategoryFor(k + 1))
            return &texts_->categories[k];
    }
    return english;
}

void Language::AppendDate(std::string& out, CalendarDate date) const {
    AppendFilledN(out, texts_->dates.forms.at(static_cast<std::size_t>(date.day - 1)),
                  std::to_string(date.day), {Month(date.monthIndex), std::to_string(date.year)});
}

const PlainPhrases& Language::phrases() const {
    return texts_->phrases;
}

const DateFaultPhrases& Language::dateFaults() const {
    return texts_->dateFaults;
}

std::string Language::Translated(const char* context, std::string_view english) const {
    return texts_->translate(context, english, -1);
}

std::span<const DateSpelling> Language::EveryDateSpelling() {
    static const std::vector<DateSpelling> spellings = [] {
        std::vector<DateSpelling> each;
        for (std::string_view code : kTranslatedLanguages) {
            if (const std::optional<Language> language = Named(code))
                each.push_back(language->texts_->dates);
        }
        return each;
    }();
    return spellings;
}

}  // namespace amorist::reading
