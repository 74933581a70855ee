#include "app/modHelp.h"

#include <QCoreApplication>
#include <QDate>
#include <cstdlib>

#include "app/platform.h"
#include "app/settings.h"

namespace amorist {

namespace {

QString WebAddress(const char* host, const char* path) {
    return QString::fromStdString(sites::Address(host, path));
}

constexpr qint64 kQuietDays = 14;

// ISO rather than the locale's short format: short formats carry two-digit
// years that read back in the wrong century, and a change of locale would
// make the stored text unreadable.
void RememberReminder(const QDate& day) {
    settings::WriteLastUpdateReminder(day.toString(Qt::ISODate));
}

}  // namespace

QDate ReminderDate(const QString& stored) {
    // Qt::ISODate alone also takes other separators, a time and trailing text;
    // what we store is exactly YYYY-MM-DD in ASCII digits.
    if (stored.size() != 10)
        return {};
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const char16_t c = stored[i].unicode();
        const bool fits = (i == 4 || i == 7) ? c == u'-' : (c >= u'0' && c <= u'9');
        if (!fits)
            return {};
    }
    return QDate::fromString(stored, Qt::ISODate);
}

QString sites::HomePageAddress() {
    return WebAddress(kMainHost, "");
}
QString sites::ProductRootAddress() {
    return WebAddress(kProductHost, "/");
}
QString sites::MainSiteAddress(const char* path) {
    return WebAddress(kMainHost, path);
}

void OpenWebPage(Platform& platform, const QString& address) {
    platform.OpenWebPage(address);
}

void OpenHomePage(Platform& platform) {
    OpenWebPage(platform, sites::HomePageAddress());
}
void OpenSoftwarePage(Platform& platform) {
    OpenWebPage(platform, sites::MainSiteAddress("/quillmoorsoftwares"));
}
void OpenDonatePage(Platform& platform) {
    OpenWebPage(platform, WebAddress(sites::kHelpHost, "/donate.html"));
}
void OpenOnlineHelp(Platform& platform) {
    OpenWebPage(platform, WebAddress(sites::kProductHost, "/amorist-help.html"));
}
void OpenFullBrandPage(Platform& platform) {
    OpenWebPage(platform, WebAddress(sites::kHelpHost, "/fully-branded.html"));
}
void OpenCoBrandPage(Platform& platform) {
    OpenWebPage(platform, WebAddress(sites::kHelpHost, "/co-brand.html"));
}
void OpenDownloadPage(Platform& platform) {
    OpenWebPage(platform, WebAddress(sites::kProductHost, "/download-amorist.html"));
}

void PromptForUpdate(Platform& platform, QWidget* parent) {
    const QDate today = platform.Today();
    const QDate last = ReminderDate(settings::ReadLastUpdateReminder());
    // Text that is no date is treated like a first start: left alone it would
    // silence the reminder for good, since nothing else ever rewrites it.
    if (!last.isValid()) {
        RememberReminder(today);
        return;
    }
    if (std::abs(today.daysTo(last)) <= kQuietDays)
        return;

    const bool check =
        platform.AskYesNo(parent, QCoreApplication::translate("modHelp", kUpdateQuestion));
    RememberReminder(today);
    if (check)
        OpenDownloadPage(platform);
}

}  // namespace amorist
