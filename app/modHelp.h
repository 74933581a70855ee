// The maker's web sites, the link operations every window uses, and the
// update reminder run at start-up.
#pragma once

#include <QString>

namespace amorist {

class Platform;

namespace sites {
// Every text that shows a host is derived from these, so they change in one place.
inline constexpr char kMainHost[] = "www.quillmoor.com";
inline constexpr char kHelpHost[] = "help.quillmoor.com";
inline constexpr char kProductHost[] = "amorist.quillmoor.com";

QString HomePageAddress();     // main site root, no path: http://www.quillmoor.com
QString ProductRootAddress();  // product site root ending in "/"
QString MainSiteAddress(const char* path);
}  // namespace sites

void OpenWebPage(Platform& platform, const QString& address);
void OpenHomePage(Platform& platform);
void OpenSoftwarePage(Platform& platform);
void OpenDonatePage(Platform& platform);
void OpenOnlineHelp(Platform& platform);
void OpenFullBrandPage(Platform& platform);
void OpenCoBrandPage(Platform& platform);
void OpenDownloadPage(Platform& platform);

// Asks at most about once a fortnight whether to look for an update.
void PromptForUpdate(Platform& platform, class QWidget* parent = nullptr);

}  // namespace amorist
