// The referral's checks as the web page meets them: field sizes counted in
// characters, and the address encoded byte for byte as the desktop's Qt does.
#include <gtest/gtest.h>

#include <string>

#include "core/referral/referral_check.h"

namespace amorist {
namespace {

std::string Repeated(std::string_view text, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out.append(text);
    return out;
}

TEST(HasFieldTooLong, CountsCharactersNotBytes) {
    const struct {
        std::string text;
        bool tooLong;
    } cases[] = {
        {Repeated("a", kLongestReferralField), false},
        {Repeated("a", kLongestReferralField + 1), true},
        {Repeated("\xc3\xa9", kLongestReferralField), false},  // é: two bytes each
        {Repeated("\xf0\x9f\x92\x9c", kLongestReferralField), false},  // four bytes each
        {Repeated("\xc3\xa9", kLongestReferralField + 1), true},
        {Repeated("a", 1 << 20), true},
    };
    for (const auto& c : cases) {
        ReferralTexts texts{"ANN", "a@x.org", "Your Message\r\n", "BOB", "b@x.org"};
        EXPECT_FALSE(HasFieldTooLong(texts));
        texts[3] = c.text;
        EXPECT_EQ(HasFieldTooLong(texts), c.tooLong) << c.text.size() << " bytes";
    }
}

TEST(ReferralAddress, EncodesEveryByteButTheUnreserved) {
    const ReferralTexts texts{"A-Z a_z.0~9", "a@x.org", "Your Message\r\n", "B&B=\xc3\xa9", "b@x.org"};
    EXPECT_EQ(ReferralAddress(texts, "https://example.org/r.php", "https://p.example.org/"),
              "https://example.org/r.php?taf1=A-Z%20a_z.0~9&taf2=a%40x.org"
              "&taf3=Your%20Message%0D%0A&taf4=B%26B%3D%C3%A9&taf5=b%40x.org"
              "&taf6=https%3A%2F%2Fp.example.org%2F");
}

TEST(TrimSpaces, KeepsEverythingButOuterSpaces) {
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces("\ta\r\n "), "\ta\r\n");
}

}  // namespace
}  // namespace amorist
