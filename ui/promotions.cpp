#include "ui/promotions.h"

#include "app/modHelp.h"

namespace amorist {

QString BannerText() {
    return QStringLiteral(
               "The Most Popular Online Quillmoor Discussion Board. Best Resource For "
               "Everything Quillmoor. Visit %1 Now")
        .arg(QLatin1String(sites::kMainHost));
}

}  // namespace amorist
