// The referral a user can send to the maker's site: its five fields, the
// checks they pass in order, and the address they are sent to. Texts are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/translatable.h"

namespace amorist {

// The five fields in the order they are checked and sent.
enum class ReferralField { Name, Email, Message, FriendName, FriendEmail };
inline constexpr std::size_t kReferralFieldCount = 5;

using ReferralTexts = std::array<std::string_view, kReferralFieldCount>;

// One field's hint, which its box shows while it holds nothing of the user's,
// and the message when it is still missing. Both are shown translated in the
// context "modTellAFriend".
struct ReferralFieldText {
    const char* hint;
    const char* missingMessage;
};

inline constexpr std::array<ReferralFieldText, kReferralFieldCount> kReferralFieldTexts = {{
    {QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")},
    {QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")},
    {QT_TRANSLATE_NOOP("modTellAFriend", "Your Message"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message")},
    {QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")},
    {QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")},
}};

inline constexpr char kDistinctEmailsMessage[] =
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Distinct Email Addresses");
inline constexpr char kProperEmailMessage[] =
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Proper Email Address");
inline constexpr char kReferralPagePath[] = "/qmqs-refer-a-friend.php";

// The most characters a field may hold on the web page, whose browser must
// open the whole address in a new tab; %1 in the message takes the number.
inline constexpr std::size_t kLongestReferralField = 1000;
inline constexpr char kFieldTooLongMessage[] =
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter At Most %1 Characters In Each Box");

// Removes leading and trailing space characters only; tabs and line breaks stay.
std::string_view TrimSpaces(std::string_view text);

// The message for the first e-mail check that fails (the two addresses must
// differ, and each must hold an "@" and a "."), or nothing when both pass.
std::optional<std::string_view> EmailAddressProblem(const ReferralTexts& texts);

// The message for the first field that is empty or still shows its hint, as
// the user's language shows it, or nothing when all are filled.
std::optional<std::string_view> MissingFieldMessage(const ReferralTexts& texts,
                                                    const ReferralTexts& shownHints);

// Whether a field holds more than kLongestReferralField characters.
bool HasFieldTooLong(const ReferralTexts& texts);

// As QUrl::toPercentEncoding: every byte but A-Z a-z 0-9 - . _ ~ as %XX.
std::string PercentEncoded(std::string_view text);

// pageAddress?taf1=...&taf6=productRoot, every value percent-encoded, so "&",
// "=", spaces and line breaks in a value cannot split or break the query.
std::string ReferralAddress(const ReferralTexts& texts, std::string_view pageAddress,
                            std::string_view productRoot);

}  // namespace amorist
