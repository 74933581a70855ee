#include "app/modTellAFriend.h"

#include <QCoreApplication>
#include <QUrl>

#include "app/modHelp.h"
#include "app/platform.h"

namespace amorist {

namespace {

QString Encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

bool LacksCharacter(const ReferralFields& fields, QChar character) {
    return !fields.email.contains(character) || !fields.friendEmail.contains(character);
}

}  // namespace

QString ShownHint(const ReferralFieldRule& rule) {
    return QCoreApplication::translate("modTellAFriend", rule.placeholder);
}

QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.sliced(first, last - first);
}

std::optional<QString> EmailAddressProblem(const ReferralFields& fields) {
    if (fields.email == fields.friendEmail)
        return QCoreApplication::translate("modTellAFriend", kDistinctEmailsMessage);
    if (LacksCharacter(fields, u'@') || LacksCharacter(fields, u'.')) {
        return QCoreApplication::translate("modTellAFriend", kProperEmailMessage);
    }
    return std::nullopt;
}

std::optional<QString> MissingFieldMessage(const ReferralFields& fields) {
    for (const ReferralFieldRule& rule : kReferralFieldRules) {
        const QString& value = fields.*rule.field;
        if (value.isEmpty() || value == ShownHint(rule)) {
            return QCoreApplication::translate("modTellAFriend", rule.missingMessage);
        }
    }
    return std::nullopt;
}

QString ReferralAddress(const ReferralFields& fields) {
    // taf1 to taf6, in this order; the page reads them by key.
    const QString values[] = {fields.name,       fields.email,       fields.message,
                              fields.friendName, fields.friendEmail, sites::ProductRootAddress()};
    QString address = sites::MainSiteAddress(kReferralPagePath);
    for (int key = 1; const QString& value : values) {
        address += (key == 1 ? u'?' : u'&') + QStringLiteral("taf%1=").arg(key) + Encoded(value);
        ++key;
    }
    return address;
}

void SubmitReferral(Platform& platform, const ReferralFields& fields, QWidget* parent) {
    if (const auto message = MissingFieldMessage(fields)) {
        platform.ShowMessage(parent, *message, MessageIcon::Critical);
        return;
    }
    OpenWebPage(platform, ReferralAddress(fields));
}

}  // namespace amorist
