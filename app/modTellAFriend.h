// The referral a user can send to the maker's site from the last window.
#pragma once

#include <QString>
#include <QtGlobal>
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
// user's, and the message when it is still missing at Submit. Both are shown
// translated in the context "modTellAFriend".
struct ReferralFieldRule {
    QString ReferralFields::*field;
    const char* placeholder;
    const char* missingMessage;
};

// In the order Submit checks them.
inline constexpr ReferralFieldRule kReferralFieldRules[] = {
    {&ReferralFields::name, QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")},
    {&ReferralFields::email, QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")},
    {&ReferralFields::message, QT_TRANSLATE_NOOP("modTellAFriend", "Your Message"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message")},
    {&ReferralFields::friendName, QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")},
    {&ReferralFields::friendEmail, QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")},
};

inline constexpr char kDistinctEmailsMessage[] =
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Distinct Email Addresses");
inline constexpr char kProperEmailMessage[] =
    QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Proper Email Address");
inline constexpr char kReferralPagePath[] = "/qmqs-refer-a-friend.php";

// The hint a field's box shows, in the program's language. A field whose
// text is its hint holds nothing of the user's.
QString ShownHint(const ReferralFieldRule& rule);

// Removes leading and trailing space characters only; tabs and line breaks stay.
QString TrimSpaces(const QString& text);

// The message for the first e-mail check that fails (the two addresses must
// differ, and each must hold an "@" and a "."), or nothing when both pass.
std::optional<QString> EmailAddressProblem(const ReferralFields& fields);

// The message for the first field that is empty or still shows its hint, in
// the order of kReferralFieldRules, or nothing when all are filled.
std::optional<QString> MissingFieldMessage(const ReferralFields& fields);

// The refer-a-friend address with every value percent-encoded as UTF-8, so
// "&", "=", spaces and line breaks in a value cannot split or break the query.
QString ReferralAddress(const ReferralFields& fields);

// Checks the five fields in order; on the first failure shows its message
// and returns. Otherwise opens the address in the browser.
void SubmitReferral(Platform& platform, const ReferralFields& fields, QWidget* parent);

}  // namespace amorist
