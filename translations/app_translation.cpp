#include "translations/app_translation.h"

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace amorist {

bool LoadAppCatalogue(QTranslator& translator, const QLocale& locale) {
    return translator.load(locale, QStringLiteral("amorist"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"));
}

bool LoadAppTranslation(QTranslator& translator, QStringView language) {
    QTranslator found;
    if (!LoadAppCatalogue(found, QLocale(language.toString())) ||
        QLocale(found.language()).language() == QLocale::English)
        return false;
    return translator.load(found.filePath());
}

}  // namespace amorist
