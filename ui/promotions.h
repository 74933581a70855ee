// The banner and the two promotion offers that both reading windows carry,
// in the program's language.
#pragma once

#include <QString>

namespace amorist {

// Names the main site's host, so it changes with the address the banner opens.
QString BannerText();

// The English reads as it always has: two double spaces and one ampersand.
QString CoBrandText();
QString FullBrandText();

}  // namespace amorist
