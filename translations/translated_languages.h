// The languages the program is translated into, besides the English it is written in.
#pragma once

#include <array>
#include <string_view>

namespace amorist {

inline constexpr std::array<std::string_view, 3> kTranslatedLanguages = {"de", "fr", "es"};

}  // namespace amorist
