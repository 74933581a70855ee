// What each of the page's WebAssembly modules keeps between calls: the
// languages whose catalogues the page has handed over, and the last answer,
// which the page copies out before its next call.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "reading/language.h"
#include "translations/catalogue.h"

namespace amorist::web {

inline std::map<std::string, reading::Language, std::less<>>& Languages() {
    static std::map<std::string, reading::Language, std::less<>> languages{
        {"en", reading::Language::English()}};
    return languages;
}

// A catalogue as the build wrote it; false when it does not read.
inline bool UseCatalogue(std::string_view data) {
    const std::optional<Catalogue> catalogue = Catalogue::Read(data);
    if (!catalogue)
        return false;
    Languages().insert_or_assign(std::string(catalogue->code()),
                                 reading::Language::Using(*catalogue));
    return true;
}

inline const char* Answer(std::string text) {
    static std::string answer;
    answer = std::move(text);
    return answer.c_str();
}

}  // namespace amorist::web
