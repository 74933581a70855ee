#include "core/compatibility/name_filter.h"

#include <array>

#include "core/utf8.h"

namespace amorist {

FilteredName FilterName(std::string_view text, const NameAlphabet& alphabet) {
    FilteredName filtered;
    filtered.kept.reserve(text.size());
    std::array<char32_t, kLongestCapitalForm> form{};
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = alphabet.capitals(NextCodePoint(text, pos), form);
        for (const char32_t capital : std::span(form).first(length)) {
            if (alphabet.admits(capital))
                AppendUtf8(filtered.kept, capital);
            else
                filtered.refused = true;
        }
    }
    return filtered;
}

const NameAlphabet kLatinNameAlphabet{
    [](char32_t c) { return (c >= U'A' && c <= U'Z') || c == U' '; },
    [](char32_t c, std::span<char32_t, kLongestCapitalForm> form) -> std::size_t {
        form[0] = (c >= U'a' && c <= U'z') ? static_cast<char32_t>(c - U'a' + U'A') : c;
        return 1;
    },
};

}  // namespace amorist
