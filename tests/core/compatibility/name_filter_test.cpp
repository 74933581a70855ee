#include "core/compatibility/name_filter.h"

#include <gtest/gtest.h>

namespace amorist {
namespace {

TEST(NameFilter, TheDesktopKeepsCapitalsOfAToZAndTheSpace) {
    const struct {
        const char* typed;
        const char* kept;
        bool refused;
    } cases[] = {
        {"ann", "ANN", false},
        {"Mary Ann", "MARY ANN", false},
        {"", "", false},
        {"ann-marie 2", "ANNMARIE ", true},
        {"zo\u00eb", "ZO", true},               // é is a letter, but not one of A to Z
        {"\u00df", "", true},                   // nor is ß, and it is not made SS here
        {"a\x16" "b", "AB", true},              // Ctrl+V's control character
        {"a\xff\xc3" "b", "AB", true},          // bytes that are not UTF-8
        {"\u0430", "", true},                   // Cyrillic а looks like a, and is not
    };
    for (const auto& c : cases) {
        const FilteredName filtered = FilterName(c.typed, kLatinNameAlphabet);
        EXPECT_EQ(filtered.kept, c.kept) << c.typed;
        EXPECT_EQ(filtered.refused, c.refused) << c.typed;
    }
}

// An alphabet like the page's: capitals may be longer than the letter, and
// the alphabet is asked of the capitals, not of what was typed.
const NameAlphabet kCapitalsOnly{
    [](char32_t c) { return (c >= U'A' && c <= U'Z') || c == U'\u00c9'; },
    [](char32_t c, std::span<char32_t, kLongestCapitalForm> form) -> std::size_t {
        if (c == U'\u00df') {
            form[0] = form[1] = U'S';
            return 2;
        }
        form[0] = c == U'\u00e9' ? U'\u00c9'
                  : (c >= U'a' && c <= U'z') ? static_cast<char32_t>(c - U'a' + U'A') : c;
        return 1;
    },
};

TEST(NameFilter, TheAlphabetIsAskedOfEachCapitalInTurn) {
    EXPECT_EQ(FilterName("stra\u00dfe", kCapitalsOnly).kept, "STRASSE");
    EXPECT_FALSE(FilterName("stra\u00dfe", kCapitalsOnly).refused);
    EXPECT_EQ(FilterName("ren\u00e9e", kCapitalsOnly).kept, "REN\u00c9E");
    const FilteredName mixed = FilterName("a1\u00dfb", kCapitalsOnly);
    EXPECT_EQ(mixed.kept, "ASSB");
    EXPECT_TRUE(mixed.refused);
}

}  // namespace
}  // namespace amorist
