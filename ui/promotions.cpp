#include "ui/promotions.h"

#include <QCoreApplication>

#include "app/modHelp.h"

namespace amorist {

QString BannerText() {
    //: The banner at the top of both reading windows; %1 is the site's host
    return QCoreApplication::translate("promotions",
                                       "The Most Popular Online Quillmoor Discussion Board. Best "
                                       "Resource For Everything Quillmoor. Visit %1 Now")
        .arg(QLatin1String(sites::kMainHost));
}

QString CoBrandText() {
    return QCoreApplication::translate(
        "promotions",
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &  link here. See \"Help\" for details.Click Here for more info on "
        "co-branding.");
}

QString FullBrandText() {
    return QCoreApplication::translate(
        "promotions",
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.");
}

}  // namespace amorist
