#include "app/modHelp.h"

#include <QCoreApplication>
#include <QDate>
#include <cstdlib>

#include "app/platform.h"
#include "app/settings.h"
#include "app/startup_trace.h"

namespace amorist {

namespace {

QString Address(const char* host, const char* path) {
    return QStringLiteral("https://") + QLatin1String(host) + QLatin1String(path);
}

// ISO rather than the locale's short format: short formats carry two-digit
// years that read back in the wrong century, and a change of locale would
// make the stored text unreadable.
constexpr char kReminderDateFormat[] = "yyyy-MM-dd";
constexpr qint64 kQuietDays = 14;

void RememberReminder(const QDate& day) {
    const startup_trace::Phase phase("settings: writing");
    settings::WriteLastUpdateReminder(day.toString(QLatin1String(kReminderDateFormat)));
}

}  // namespace

QDate ReminderDate(const QString& stored) {
    // What we write is read here; Qt's format parser, which draws in more of
    // the library at every start, reads anything else exactly as before.
    const auto digits = [&stored](qsizetype from, qsizetype count) {
        int value = 0;
        for (qsizetype i = from; i < from + count; ++i) {
            const char16_t c = stored[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    if (stored.size() == 10 && stored[4] == u'-' && stored[7] == u'-') {
        const int year = digits(0, 4);
        const int month = digits(5, 2);
        const int day = digits(8, 2);
        if (year > 0 && month > 0 && day > 0 && QDate::isValid(year, month, day))
            return QDate(year, month, day);
    }
    return QDate::fromString(stored, QLatin1String(kReminderDateFormat));
}

QString sites::HomePageAddress() {
    return Address(kMainHost, "");
}
QString sites::ProductRootAddress() {
    return Address(kProductHost, "/");
}
QString sites::MainSiteAddress(const char* path) {
    return Address(kMainHost, path);
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
    OpenWebPage(platform, Address(sites::kHelpHost, "/donate.html"));
}
void OpenOnlineHelp(Platform& platform) {
    OpenWebPage(platform, Address(sites::kProductHost, "/amorist-help.html"));
}
void OpenFullBrandPage(Platform& platform) {
    OpenWebPage(platform, Address(sites::kHelpHost, "/fully-branded.html"));
}
void OpenCoBrandPage(Platform& platform) {
    OpenWebPage(platform, Address(sites::kHelpHost, "/co-brand.html"));
}
void OpenDownloadPage(Platform& platform) {
    OpenWebPage(platform, Address(sites::kProductHost, "/download-amorist.html"));
}

void PromptForUpdate(Platform& platform, QWidget* parent) {
    const QDate today = platform.Today();
    startup_trace::Phase reading("settings: reading");
    const QDate last = ReminderDate(settings::ReadLastUpdateReminder());
    reading.End();
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
