// The banner and the two promotion offers that both reading windows carry.
#pragma once

#include <QString>

namespace amorist {

// Names the main site's host, so it changes with the address the banner opens.
QString BannerText();

// Shown as written: two double spaces and one ampersand.
inline constexpr char16_t kCoBrandText[] =
    u"Co-brand this software for your site.  Increase loyalty and traffic to your site. "
    u"Put your site's name &  link here. See \"Help\" for details.Click Here for more info on "
    u"co-branding.";

inline constexpr char16_t kFullBrandText[] =
    u"Home Business Opportunity. Start your own Internet business and make money online. "
    u"Get this software fully branded for your website. Click here for more details.";

}  // namespace amorist
