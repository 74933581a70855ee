#include "app/modTellAFriend.h"

#include <QCoreApplication>
#include <array>
#include <string>

#include "app/modHelp.h"
#include "app/platform.h"

namespace amorist {

namespace {

// The five fields as UTF-8, kept alive while the checks look at them.
struct Utf8Fields {
    explicit Utf8Fields(const ReferralFields& fields) {
        for (std::size_t i = 0; i < kReferralFieldCount; ++i) {
            bytes[i] = (fields.*kReferralFieldRules[i].field).toUtf8();
            texts[i] = std::string_view(bytes[i].constData(),
                                        static_cast<std::size_t>(bytes[i].size()));
        }
    }
    std::array<QByteArray, kReferralFieldCount> bytes;
    ReferralTexts texts;
};

QString Translated(std::string_view english) {
    return QCoreApplication::translate("modTellAFriend", std::string(english).c_str());
}

}  // namespace

QString ShownHint(const ReferralFieldRule& rule) {
    return QCoreApplication::translate("modTellAFriend", rule.placeholder);
}

QString TrimSpaces(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const std::string_view trimmed =
        TrimSpaces(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return QString::fromUtf8(trimmed.data(), static_cast<qsizetype>(trimmed.size()));
}

std::optional<QString> EmailAddressProblem(const ReferralFields& fields) {
    if (const auto problem = EmailAddressProblem(Utf8Fields(fields).texts))
        return Translated(*problem);
    return std::nullopt;
}

std::optional<QString> MissingFieldMessage(const ReferralFields& fields) {
    ReferralFields hints;
    for (const ReferralFieldRule& rule : kReferralFieldRules)
        hints.*rule.field = ShownHint(rule);
    const Utf8Fields shownHints(hints);
    if (const auto missing = MissingFieldMessage(Utf8Fields(fields).texts, shownHints.texts))
        return Translated(*missing);
    return std::nullopt;
}

QString ReferralAddress(const ReferralFields& fields) {
    const QByteArray page = sites::MainSiteAddress(kReferralPagePath).toUtf8();
    const QByteArray root = sites::ProductRootAddress().toUtf8();
    return QString::fromUtf8(
        ReferralAddress(Utf8Fields(fields).texts, page.toStdString(), root.toStdString()));
}

void SubmitReferral(Platform& platform, const ReferralFields& fields, QWidget* parent) {
    if (const auto message = MissingFieldMessage(fields)) {
        platform.ShowMessage(parent, *message, MessageIcon::Critical);
        return;
    }
    OpenWebPage(platform, ReferralAddress(fields));
}

}  // namespace amorist
