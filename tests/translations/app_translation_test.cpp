#include <gtest/gtest.h>

#include <QTranslator>
#include <string>
#include <vector>

#include "translations/app_translation.h"
#include "translations/catalogue.h"

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

}  // namespace
}  // namespace amorist
