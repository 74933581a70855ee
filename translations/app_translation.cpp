#include "translations/app_translation.h"

#include <QString>
#include <QTranslator>

namespace amorist {

QStringView PrimaryLanguage(QStringView language) {
    qsizetype end = 0;
    while (end < language.size() && language[end].isLetter())
        ++end;
    return language.first(end);
}

bool LoadAppTranslation(QTranslator& translator, QStringView language) {
    const QStringView primary = PrimaryLanguage(language);
    for (std::string_view code : kTranslatedLanguages) {
        const QLatin1StringView name(code.data(), static_cast<qsizetype>(code.size()));
        if (primary.compare(name, Qt::CaseInsensitive) == 0)
            return translator.load(QStringLiteral(":/i18n/amorist_%1.qm").arg(name));
    }
    return false;
}

}  // namespace amorist
