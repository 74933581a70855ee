// How make_catalogues.py lays a catalogue out: records separated by U+001E,
// fields by U+001F, the first record the header. Read by Catalogue and cut
// by HashedCatalogue.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace amorist::catalogue_format {

inline constexpr char kRecordSeparator = '\x1e';
inline constexpr char kFieldSeparator = '\x1f';

inline std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(separator, at);
        pieces.push_back(text.substr(at, end - at));
        if (end == std::string_view::npos)
            return pieces;
        at = end + 1;
    }
}

}  // namespace amorist::catalogue_format
