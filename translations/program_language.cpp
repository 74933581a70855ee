#include "translations/program_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "translations/app_translation.h"

namespace amorist {

namespace {

bool SpeaksEnglish(const QLocale& locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

}  // namespace

ProgramLanguage::ProgramLanguage(const QStringList& languages) {
    for (const QString& language : languages) {
        // No catalogue: C, POSIX (which an unknown tag brings into Qt's
        // list) or a language the program lacks.
        if (!LoadAppCatalogue(program_, QLocale(language)))
            continue;
        // English, the language the program is written in, ends the search
        // with its empty catalogue.
        const QLocale found(program_.language());
        if (found.language() != QLocale::English) {
            code_ = QLocale::languageToCode(found.language());
            QCoreApplication::installTranslator(&program_);
            // Qt's buttons in the same language; without them they stay English.
            if (qt_.load(found, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&qt_);
        }
        break;
    }
    if (!code_.isEmpty()) {
        QLocale::setDefault(QLocale(code_));
    } else if (!SpeaksEnglish(QLocale())) {
        // An untranslated language (Italian) gets the English the texts are in.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
}

ProgramLanguage::~ProgramLanguage() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
    QLocale::setDefault(previousDefault_);
}

bool ShowsTranslation() {
    return !SpeaksEnglish(QLocale());
}

}  // namespace amorist
