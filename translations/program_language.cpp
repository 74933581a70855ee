#include "translations/program_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "translations/app_translation.h"

namespace amorist {

ProgramLanguage::ProgramLanguage(const QStringList& languages) {
    for (const QString& language : languages) {
        // The language the program is written in ends the search as well.
        if (language.startsWith(u"en", Qt::CaseInsensitive) || language == u"C")
            break;
        if (!LoadAppTranslation(program_, language))
            continue;
        code_ = language.first(2).toLower();
        QCoreApplication::installTranslator(&program_);
        // Qt's buttons in the same language; without them they stay English.
        if (qt_.load(QStringLiteral("qtbase_") + code_,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt_);
        }
        break;
    }
    // An untranslated language (Italian) gets the English the texts are in.
    QLocale::setDefault(code_.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale(code_));
}

ProgramLanguage::~ProgramLanguage() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
    QLocale::setDefault(previousDefault_);
}

bool ShowsTranslation() {
    const QLocale::Language language = QLocale().language();
    return language != QLocale::English && language != QLocale::C;
}

}  // namespace amorist
