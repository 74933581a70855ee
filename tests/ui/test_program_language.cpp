// The one language the program speaks: its own texts, Qt's dialog buttons and
// the default locale all follow the first listed language it has.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QLocale>

#include "translations/program_language.h"

namespace amorist {
namespace {

TEST(ProgramLanguage, TheFirstLanguageWithATranslationSpeaksForProgramAndQt) {
    const struct {
        QStringList languages;
        const char* code;
        const char* march;
        const char* yes;  // Qt's own button
    } cases[] = {
        {{"it-IT", "de-DE", "fr"}, "de", "März", "&Ja"}, {{"fr_CA.UTF-8"}, "fr", "mars", "&Oui"},
        {{"pt-BR", "es"}, "es", "marzo", "&Sí"},         {{"it-IT"}, "", "March", "&Yes"},
        {{"en-GB", "de"}, "", "March", "&Yes"},          {{}, "", "March", "&Yes"},
        // An unknown tag brings C into Qt's list; it is no language, not English.
        {{"xx", "C", "de", "de-DE"}, "de", "März", "&Ja"},
    };
    for (const auto& c : cases) {
        const std::string listed = c.languages.join(u',').toStdString();
        {
            const ProgramLanguage language(c.languages);
            EXPECT_EQ(language.code(), QString::fromLatin1(c.code)) << listed;
            EXPECT_EQ(QCoreApplication::translate("zodiac", "March"), QString::fromUtf8(c.march))
                << listed;
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"),
                      QString::fromUtf8(c.yes))
                << listed;
            EXPECT_EQ(ShowsTranslation(), *c.code != '\0') << listed;
        }
        EXPECT_EQ(QCoreApplication::translate("zodiac", "March"), QStringLiteral("March"))
            << listed << ": gone with its scope";
    }
}

}  // namespace
}  // namespace amorist
