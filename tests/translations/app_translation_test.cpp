#include <gtest/gtest.h>

#include <QTranslator>
#include <string>
#include <vector>

#include "translations/app_translation.h"
#include "translations/catalogue.h"
#include "translations/hashed_catalogue.h"
#include "translations/translated_languages.h"

namespace amorist {
namespace {

// The languages QLocale::uiLanguages() may list find their translation by
// their language alone, as Qt matches them (ISO 639-2 "deu" included);
// English, C and untranslated languages find none.
TEST(LoadAppTranslation, FindsEachTranslationByItsLanguage) {
    const struct {
        const char* language;
        const char* march;  // nullptr: nothing loads
    } cases[] = {
        {"de", "März"},  {"de-AT", "März"}, {"fr_FR.UTF-8", "mars"},
        {"ES", "marzo"}, {"en", nullptr},   {"en-US", nullptr},
        {"it", nullptr}, {"deu", "März"},   {"", nullptr},
        {"C", nullptr},  {"xx", nullptr},
    };
    for (const auto& c : cases) {
        QTranslator translator;
        EXPECT_EQ(LoadAppTranslation(translator, QString::fromUtf8(c.language)), c.march != nullptr)
            << c.language;
        EXPECT_EQ(translator.translate("zodiac", "March"),
                  QString::fromUtf8(c.march ? c.march : ""))
            << c.language;
    }
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator) {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

// amorist-cli and the web edition translate without Qt, from catalogues the
// build writes from the same .ts files: every entry, in every numerus form,
// must come out as QTranslator gives it from the .qm file.
TEST(Catalogue, TranslatesEveryEntryAsQTranslatorDoes) {
    for (std::string_view code : kTranslatedLanguages) {
        QTranslator translator;
        const QString language = QString::fromUtf8(code.data(), qsizetype(code.size()));
        ASSERT_TRUE(LoadAppTranslation(translator, language));
        const std::string data(EmbeddedCatalogue(code));
        const std::optional<Catalogue> catalogue = Catalogue::Read(data);
        ASSERT_TRUE(catalogue) << code;
        EXPECT_EQ(catalogue->code(), code);
        const std::vector<std::string> records = Split(data, '\x1e');
        EXPECT_GT(records.size(), 150u) << code;
        for (std::size_t i = 1; i < records.size(); ++i) {
            const std::vector<std::string> fields = Split(records[i], '\x1f');
            for (int n : {-1, 0, 1, 2, 21}) {
                const QString qt = translator.translate(fields[0].c_str(), fields[1].c_str(),
                                                        fields[2].empty() ? nullptr : fields[2].c_str(), n);
                EXPECT_EQ(catalogue->Translate(fields[0], fields[1], fields[2], n),
                          (qt.isEmpty() ? QString::fromStdString(fields[1]) : qt).toStdString())
                    << code << ": " << fields[1] << " n=" << n;
            }
        }
        EXPECT_EQ(catalogue->Translate("zodiac", "no such text"), "no such text");
    }
    for (std::string_view broken : {"", "amorist-catalogue\x1f" "de", "amorist-catalogue\x1f" "de\x1fn%10",
                                     "amorist-catalogue\x1f" "de\x1fone-is-1\x1ezodiac\x1fMarch",
                                     "amorist-catalogue\x1f" "de\x1fone-is-1\x1fsources"}) {
        EXPECT_FALSE(Catalogue::Read(broken)) << broken;
    }
}

// The web page's cut of a catalogue translates what the core asks for as the
// whole catalogue does, and nothing else.
TEST(HashedCatalogue, TranslatesTheKeptContextsAsTheWholeCatalogueDoes) {
    static constexpr std::string_view kKept[] = {"zodiac", "reading"};
    for (std::string_view code : kTranslatedLanguages) {
        const std::string whole(EmbeddedCatalogue(code));
        std::string error;
        const std::optional<std::string> cut = HashedCatalogue(whole, kKept, error);
        ASSERT_TRUE(cut) << code << ": " << error;
        const std::optional<Catalogue> original = Catalogue::Read(whole);
        const std::optional<Catalogue> hashed = Catalogue::Read(*cut);
        ASSERT_TRUE(original && hashed) << code;
        EXPECT_LT(cut->size(), whole.size() / 2) << code;
        int kept = 0;
        for (const std::string& record : Split(whole, '\x1e')) {
            const std::vector<std::string> fields = Split(record, '\x1f');
            if (fields.size() < 4)
                continue;
            const bool keeps = fields[0] == "zodiac" || fields[0] == "reading";
            kept += keeps;
            for (int n : {-1, 1, 2}) {
                const auto found = hashed->Find(fields[0], fields[1], fields[2], n);
                EXPECT_EQ(found, keeps ? original->Find(fields[0], fields[1], fields[2], n)
                                       : std::nullopt)
                    << code << ": " << fields[0] << " " << fields[1];
            }
        }
        EXPECT_GT(kept, 30) << code;
    }
}

TEST(HashedCatalogue, RefusesWhatItCannotCutFaithfully) {
    static constexpr std::string_view kKept[] = {"zodiac"};
    std::string error;
    const std::string de(EmbeddedCatalogue("de"));
    const std::optional<std::string> once = HashedCatalogue(de, kKept, error);
    ASSERT_TRUE(once) << error;
    // "costarring" and "liquid" share their FNV-1a hash.
    const std::string header = "amorist-catalogue\x1f" "de\x1fone-is-1";
    const std::string colliding = header + "\x1ezodiac\x1f" "costarring\x1f\x1f" "a" +
                                  "\x1ezodiac\x1fliquid\x1f\x1f" "b";
    const struct {
        std::string data;
        std::string_view why;
    } refused[] = {
        {"", "not a catalogue"},
        {*once, "not a catalogue"},
        {colliding, "two sources of context 'zodiac' share the hash 5e4daa9d"},
    };
    for (const auto& [data, why] : refused) {
        error.clear();
        EXPECT_FALSE(HashedCatalogue(data, kKept, error)) << why;
        EXPECT_NE(error.find(why), std::string::npos) << error;
    }
    // Another context keeps both.
    static constexpr std::string_view kOther[] = {"reading"};
    EXPECT_TRUE(HashedCatalogue(colliding, kOther, error));
}

}  // namespace
}  // namespace amorist
