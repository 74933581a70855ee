#include <gtest/gtest.h>

#include <QTranslator>

#include "translations/app_translation.h"

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

}  // namespace
}  // namespace amorist
