// The maker's web sites, the link operations every window uses, and the
// update reminder run at start-up.
#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include "core/sites.h"

class QWidget;

namespace amorist {

class Platform;

namespace sites {
QString HomePageAddress();                  // main site root, no path: https://www.quillmoor.com
QString ProductRootAddress();               // product site root ending in "/"
QString MainSiteAddress(const char* path);  // path starts with "/"
}  // namespace sites

// Hands the address to the desktop's browser; a failure shows nothing.
void OpenWebPage(Platform& platform, const QString& address);

void OpenHomePage(Platform& platform);
void OpenSoftwarePage(Platform& platform);
void OpenDonatePage(Platform& platform);
void OpenOnlineHelp(Platform& platform);
void OpenFullBrandPage(Platform& platform);
void OpenCoBrandPage(Platform& platform);
void OpenDownloadPage(Platform& platform);

inline constexpr char kUpdateQuestion[] = QT_TRANSLATE_NOOP(
    "modHelp",
    "There maybe an update to this software available\nDo you want to check for an update?");

// The date a stored reminder text ("yyyy-MM-dd") names; invalid when it names none.
QDate ReminderDate(const QString& stored);

// Asks whether to look for an update when the last reminder lies 15 or more
// days away from today (either way), remembering today whenever it asks.
// The first start only remembers today. Never fails visibly.
void PromptForUpdate(Platform& platform, QWidget* parent = nullptr);

}  // namespace amorist
