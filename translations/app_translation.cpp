#include "translations/app_translation.h"

#include <QString>
#include <QTranslator>

namespace amorist {

bool LoadAppTranslation(QTranslator& translator, QStringView language) {
    qsizetype end = 0;
    while (end < language.size() && language[end].isLetter())
        ++end;
    const QStringView primary = language.first(end);  // "de" of "de-AT"
    for (std::string_view code : kTranslatedLanguages) {
        const QLatin1StringView name(code.data(), static_cast<qsizetype>(code.size()));
        if (primary.compare(name, Qt::CaseInsensitive) == 0)
            return translator.load(QStringLiteral(":/i18n/amorist_%1.qm").arg(name));
    }
    return false;
}

}  // namespace amorist
