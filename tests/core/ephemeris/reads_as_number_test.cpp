#include "core/ephemeris/reads_as_number.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace amorist {
namespace {

struct NumberCase {
    std::string text;
    std::optional<int> value;
};

// Shows the text in failure messages, cut short and with unprintable bytes escaped.
std::string Shown(const std::string& text) {
    std::string shown = "\"";
    for (const unsigned char c : text.substr(0, 24)) {
        if (c >= 0x20 && c < 0x7f) {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            shown += escaped;
        }
    }
    return shown + (text.size() > 24 ? "...\"" : "\"");
}

TEST(ReadAsNumber, ReadsOnlyDecimalIntegersWithSurroundingSpaces) {
    const NumberCase cases[] = {
        // Plain values, as the year and day lists give them.
        {"7", 7},
        {"31", 31},
        {"1975", 1975},
        {"0", 0},
        // Spaces around, a sign, leading zeros.
        {"  1975", 1975},
        {"1975   ", 1975},
        {" 7 ", 7},
        {"+7", 7},
        {"-7", -7},
        {" -12 ", -12},
        {"007", 7},
        {"-0", 0},
        {"+0", 0},
        {" +7 ", 7},
        {"  -2147483648  ", -2147483647 - 1},
        {"+2147483647", 2147483647},
        {std::string(500, '0') + "1930", 1930},
        // The ends of int's range, and one past them.
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"+2147483648", std::nullopt},
        {" 2147483648 ", std::nullopt},
        {"-" + std::string(30, '9'), std::nullopt},
        {"99999999999999999999", std::nullopt},
        {std::string(100000, '9'), std::nullopt},
        // Nothing to read.
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {" - ", std::nullopt},
        // Anything besides the digits and one leading sign.
        {"- 7", std::nullopt},
        {"+-7", std::nullopt},
        {"-+7", std::nullopt},
        {"++7", std::nullopt},
        {"--7", std::nullopt},
        {"+ 7", std::nullopt},
        {"7+", std::nullopt},
        {" 7 +", std::nullopt},
        {"7-", std::nullopt},
        {"1 975", std::nullopt},
        {"7.0", std::nullopt},
        {"1e3", std::nullopt},
        {"0x1F", std::nullopt},
        {"seven", std::nullopt},
        {"7a", std::nullopt},
        {"\t7", std::nullopt},
        {"7\n", std::nullopt},
        {std::string("7\0", 2), std::nullopt},
        {"\xef\xbc\x97", std::nullopt},  // a full-width seven
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(ReadAsNumber(c.text), c.value) << Shown(c.text);
        if (c.value) {
            EXPECT_EQ(NumberOrThrow(c.text), *c.value) << Shown(c.text);
        } else {
            EXPECT_THROW(NumberOrThrow(c.text), TypeMismatch) << Shown(c.text);
        }
    }
}

}  // namespace
}  // namespace amorist
