#include "core/referral/referral_check.h"

#include <algorithm>

namespace amorist {
namespace {

const std::string_view& Field(const ReferralTexts& texts, ReferralField field) {
    return texts[static_cast<std::size_t>(field)];
}

bool LacksCharacter(const ReferralTexts& texts, char character) {
    return Field(texts, ReferralField::Email).find(character) == std::string_view::npos ||
           Field(texts, ReferralField::FriendEmail).find(character) == std::string_view::npos;
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '_' || c == '~';
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

std::optional<std::string_view> EmailAddressProblem(const ReferralTexts& texts) {
    if (Field(texts, ReferralField::Email) == Field(texts, ReferralField::FriendEmail))
        return kDistinctEmailsMessage;
    if (LacksCharacter(texts, '@') || LacksCharacter(texts, '.'))
        return kProperEmailMessage;
    return std::nullopt;
}

std::optional<std::string_view> MissingFieldMessage(const ReferralTexts& texts,
                                                    const ReferralTexts& shownHints) {
    for (std::size_t i = 0; i < kReferralFieldCount; ++i) {
        if (texts[i].empty() || texts[i] == shownHints[i])
            return kReferralFieldTexts[i].missingMessage;
    }
    return std::nullopt;
}

bool HasFieldTooLong(const ReferralTexts& texts) {
    // Four bytes is the most a character takes, so only a long text needs counting.
    return std::any_of(texts.begin(), texts.end(), [](std::string_view text) {
        return text.size() > kLongestReferralField && CharacterCount(text) > kLongestReferralField;
    });
}

std::string PercentEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0xF]);
        }
    }
    return out;
}

std::string ReferralAddress(const ReferralTexts& texts, std::string_view pageAddress,
                            std::string_view productRoot) {
    // taf1 to taf6, in this order; the page reads them by key.
    std::string address(pageAddress);
    for (std::size_t i = 0; i <= kReferralFieldCount; ++i) {
        address.append(i == 0 ? "?taf" : "&taf").append(std::to_string(i + 1)).push_back('=');
        address.append(PercentEncoded(i < kReferralFieldCount ? texts[i] : productRoot));
    }
    return address;
}

}  // namespace amorist
