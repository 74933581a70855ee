// The referral a user can send to the maker's site from the last window.
#pragma once

#include <QString>

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

// Removes leading and trailing space characters only; tabs and line breaks stay.
QString TrimSpaces(const QString& text);

// The refer-a-friend address with every value percent-encoded as UTF-8.
QString ReferralAddress(const ReferralFields& fields);

// Checks the five fields in order (empty or still the placeholder); on the
// first failure shows its message and returns. Otherwise opens the address.
void SubmitReferral(Platform& platform, const ReferralFields& fields, class QWidget* parent);

}  // namespace amorist
