// The referral a user can send to the maker's site from the last window: the
// shared checks (core/referral) on the dialog's QStrings.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

#include "core/referral/referral_check.h"

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

// One referral field: where Submit finds it, with its hint and missing
// message from the checks both editions share.
struct ReferralFieldRule {
    QString ReferralFields::*field;
    const char* placeholder;
    const char* missingMessage;
};

// In the order Submit checks them.
inline constexpr ReferralFieldRule kReferralFieldRules[] = {
    {&ReferralFields::name, kReferralFieldTexts[0].hint, kReferralFieldTexts[0].missingMessage},
    {&ReferralFields::email, kReferralFieldTexts[1].hint, kReferralFieldTexts[1].missingMessage},
    {&ReferralFields::message, kReferralFieldTexts[2].hint, kReferralFieldTexts[2].missingMessage},
    {&ReferralFields::friendName, kReferralFieldTexts[3].hint,
     kReferralFieldTexts[3].missingMessage},
    {&ReferralFields::friendEmail, kReferralFieldTexts[4].hint,
     kReferralFieldTexts[4].missingMessage},
};

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
