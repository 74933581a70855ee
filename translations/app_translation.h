// The program's own translations, built into it: one per language besides
// the English it is written in.
#pragma once

#include <QStringView>

#include "translations/translated_languages.h"

class QLocale;
class QTranslator;

namespace amorist {

// Loads the program's catalogue for the first of the locale's languages that
// has one, matched as Qt matches them ("de-AT" finds German). English has an
// empty one, so English listed first ends the search; C, POSIX and languages
// the program lacks have none (false). Needs no application object.
bool LoadAppCatalogue(QTranslator& translator, const QLocale& locale);

// Loads the program's translation for a language into translator: "de", "fr"
// or "es", alone or with a region as QLocale::uiLanguages() gives it ("de-AT",
// "de_AT.UTF-8"). False, and the translator is left as it was, for any other
// language, English included.
bool LoadAppTranslation(QTranslator& translator, QStringView language);

}  // namespace amorist
