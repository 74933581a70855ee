// What a name box keeps of what is typed or pasted into it. Every edition
// upper-cases a name and keeps only the characters of its alphabet, refusing
// the rest; which characters those are is the edition's: the desktop keeps
// the plain Latin letters of its design, the page the letters of every script.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace amorist {

// No character's capital form is longer than three (ΐ is Ϊ́).
constexpr std::size_t kLongestCapitalForm = 3;

struct NameAlphabet {
    // Whether a name may hold the character; asked of capitals only.
    bool (*admits)(char32_t character);
    // Writes the character's capital form, which may be longer (ß is SS), and
    // returns its length.
    std::size_t (*capitals)(char32_t character, std::span<char32_t, kLongestCapitalForm> form);
};

struct FilteredName {
    std::string kept;      // UTF-8: the capitals the alphabet admits, in order
    bool refused = false;  // whether anything was left out
};

// text is UTF-8; a byte outside a well-formed sequence is left out as refused.
FilteredName FilterName(std::string_view text, const NameAlphabet& alphabet);

// The desktop's: A to Z and the space.
extern const NameAlphabet kLatinNameAlphabet;

}  // namespace amorist
