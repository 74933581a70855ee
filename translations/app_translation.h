// The program's own translations, built into it: one per language besides
// the English it is written in.
#pragma once

#include <QStringView>

#include "translations/translated_languages.h"

class QTranslator;

namespace amorist {

// The language of a locale name without its region or encoding: "de" of
// "de-AT" or "de_AT.UTF-8".
QStringView PrimaryLanguage(QStringView language);

// Loads the program's translation for a language into translator: "de", "fr"
// or "es", alone or with a region as QLocale::uiLanguages() gives it ("de-AT",
// "de_AT.UTF-8"). False, and the translator is left as it was, for any other
// language, English included. Needs no application object.
bool LoadAppTranslation(QTranslator& translator, QStringView language);

}  // namespace amorist
