// The language a reading is written in: English, the language the program's
// data is spelled in, or one of the translations built into the program.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "reading/birth_date.h"
#include "core/compatibility/reading_content.h"
#include "core/ephemeris/zodiac.h"
#include "core/translatable.h"

namespace amorist {
class Catalogue;
}

namespace amorist::reading {

// The words of a plain-text reading around its data; %1 and %2 stand for the
// data, so a translation may put them where its language wants them.
struct PlainPhrases {
    static constexpr const char* kContext = "amorist-cli";

    //: The first person of a plain-text reading in the terminal: %1 is their name
    std::string_view you = QT_TRANSLATE_NOOP("amorist-cli", "You: %1");
    //: The second person of a plain-text reading: %1 is their name
    std::string_view partner = QT_TRANSLATE_NOOP("amorist-cli", "Partner: %1");
    //: %1 is a date of birth, as day/month/year
    std::string_view dateOfBirth = QT_TRANSLATE_NOOP("amorist-cli", "Date of birth: %1");
    std::string_view marsSign = QT_TRANSLATE_NOOP("amorist-cli", "Mars sign: %1");
    std::string_view venusSign = QT_TRANSLATE_NOOP("amorist-cli", "Venus sign: %1");
    std::string_view readingOne =
        QT_TRANSLATE_NOOP("amorist-cli", "Reading One: your Mars with your partner's Venus");
    std::string_view readingTwo =
        QT_TRANSLATE_NOOP("amorist-cli", "Reading Two: your Venus with your partner's Mars");
    //: %1 is the pair of signs a reading is made from, such as Aquarius-Gemini
    std::string_view pair = QT_TRANSLATE_NOOP("amorist-cli", "Pair: %1");
    //: A pair of signs: %1 the first sign, %2 the second
    std::string_view pairOfSigns = QT_TRANSLATE_NOOP("amorist-cli", "%1-%2");
    //: %1 is the compatibility number, 1 to 12, or the word for none
    std::string_view number = QT_TRANSLATE_NOOP("amorist-cli", "Number: %1");
    //: Stands for the compatibility number when a reading has none
    std::string_view noNumber = QT_TRANSLATE_NOOP("amorist-cli", "none");
    //: %1 is the colour of the reading's swatch as #RRGGBB
    std::string_view swatch = QT_TRANSLATE_NOOP("amorist-cli", "Swatch: %1");
    //: %1 is the colour name
    std::string_view colour = QT_TRANSLATE_NOOP("amorist-cli", "Colour: %1");
    //: %1 is the category word
    std::string_view keywords = QT_TRANSLATE_NOOP("amorist-cli", "Keywords: %1");
    //: The heading of the reading's paragraph, which follows on the next lines
    std::string_view compatibility =
        QT_TRANSLATE_NOOP("amorist-cli", "Your Romantic Compatibility:");

    // A refusal that names its argument, as in
    // "amorist-cli: partner's date '31/February/2000': Please Enter ...".
    //: %1 names the argument, %2 is the argument as typed, quoted; %3 says what is wrong
    std::string_view argumentRefused = QT_TRANSLATE_NOOP("amorist-cli", "%1 %2: %3");
    //: The first person's name, as an argument a message is about
    std::string_view nameArgument = QT_TRANSLATE_NOOP("amorist-cli", "name");
    //: The first person's date of birth, as an argument a message is about
    std::string_view dateArgument = QT_TRANSLATE_NOOP("amorist-cli", "date");
    //: The second person's name, as an argument a message is about
    std::string_view partnerNameArgument = QT_TRANSLATE_NOOP("amorist-cli", "partner's name");
    //: The second person's date of birth, as an argument a message is about
    std::string_view partnerDateArgument = QT_TRANSLATE_NOOP("amorist-cli", "partner's date");
};

class Language {
public:
    // The codes --lang takes, "en" first, as a list for a message: "en, de, fr or es".
    static std::string Codes();
    static bool Exists(std::string_view code);

    static const Language& English();
    // The language a code of Codes() names, with its texts; nullopt for any
    // other code, or when the translation does not load, which only a broken
    // build can cause.
    static std::optional<Language> Named(std::string_view code);
    // The language a catalogue translates into, with its texts.
    static Language Using(const Catalogue& catalogue);

    // A sign or month as this language shows it; a text that is no sign is
    // returned as it is.
    std::string_view Sign(std::string_view english) const;
    std::string_view Month(int monthIndex) const;
    // The category with its colour name, word and paragraph in this language;
    // nullptr stays nullptr.
    const Category* Shown(const Category* english) const;
    // The date in this language's own form: 7/March/1975, 7. März 1975.
    void AppendDate(std::string& out, CalendarDate date) const;
    const PlainPhrases& phrases() const;
    const DateFaultPhrases& dateFaults() const;
    // Any English text of the program in this language, such as a message of
    // the birth-data check (context "birth_data_check").
    std::string Translated(const char* context, std::string_view english) const;
    // How every translation writes a date, for reading one back whatever
    // language it is in (English needs none). Loads every translation.
    static std::span<const DateSpelling> EveryDateSpelling();

private:
    struct Texts;
    explicit Language(std::shared_ptr<const Texts> texts);
    // A translated language's texts; null when its translation does not load.
    static std::shared_ptr<const Texts> Load(std::string_view code);
    static std::shared_ptr<const Texts> Load(const Catalogue& catalogue);

    std::shared_ptr<const Texts> texts_;  // shared, so the views into it survive copies
};

}  // namespace amorist::reading
