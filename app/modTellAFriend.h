// The referral a user can send to the maker's site from the last window.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace amorist {

class Platform;

// The five texts captured at each Submit, spaces trimmed at both ends.
struct ReferralFields {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// One referral field: the hint its box shows while it holds nothing of the
// user's, and the message when it is still missing at Submit.
struct ReferralFieldRule {
    QString ReferralFields::*field;
    const char* placeholder;
    const char* missingMessage;
};

// In the order Submit checks them.
inline constexpr ReferralFieldRule kReferralFieldRules[] = {
    {&ReferralFields::name, "Your Name", "Please Enter Your Name"},
    {&ReferralFields::email, "Your Email Address", "Please Enter Your Email"},
    {&ReferralFields::message, "Your Message", "Please Enter Your Message"},
    {&ReferralFields::friendName, "Friend's Name", "Please Enter Your Friend's Name"},
    {&ReferralFields::friendEmail, "Friend's Email Address", "Please Enter Your Friend's Email"},
};

inline constexpr char kDistinctEmailsMessage[] = "Please Enter Distinct Email Addresses";
inline constexpr char kProperEmailMessage[] = "Please Enter Proper Email Address";
inline constexpr char kReferralPagePath[] = "/qmqs-refer-a-friend.php";

// Removes leading and trailing space characters only; tabs and line breaks stay.
QString TrimSpaces(const QString& text);

// The message for the first e-mail check that fails (the two addresses must
// differ, and each must hold an "@" and a "."), or nothing when both pass.
std::optional<QString> EmailAddressProblem(const ReferralFields& fields);

// The message for the first field that is empty or still its hint, in the
// order of kReferralFieldRules, or nothing when all are filled.
std::optional<QString> MissingFieldMessage(const ReferralFields& fields);

// The refer-a-friend address with every value percent-encoded as UTF-8, so
// "&", "=", spaces and line breaks in a value cannot split or break the query.
QString ReferralAddress(const ReferralFields& fields);

// Checks the five fields in order; on the first failure shows its message
// and returns. Otherwise opens the address in the browser.
void SubmitReferral(Platform& platform, const ReferralFields& fields, QWidget* parent);

}  // namespace amorist
