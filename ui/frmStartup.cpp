#include "ui/frmStartup.h"

#include <QCloseEvent>

#include "app/modHelp.h"
#include "ui/frmMain.h"
#include "ui/windows.h"

namespace amorist {

frmStartup::frmStartup(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
}

void frmStartup::Form_Load(const InstanceCheck& anotherInstanceRunning) {
    Session& session = windows_.session();
    Platform& platform = session.platform();
    if (anotherInstanceRunning()) {
        platform.ShowMessage(nullptr, tr("Application is already running"),
                             MessageIcon::Information);
        EndProgram(session);
        return;
    }
    platform.SeedRandomFromClock();
    PromptForUpdate(platform, nullptr);
    windows_.Main().show();
    hide();
    CoBrand_Randomize();
}

void frmStartup::CoBrand_Randomize() {
    intCoBrandRandomNumber_ = static_cast<short>(windows_.session().platform().RandomBetween(1, 6));
    windows_.Main().ShowOffer(intCoBrandRandomNumber_ % 2 == 1 ? frmMain::Offer::CoBrand
                                                               : frmMain::Offer::FullBrand);
}

void frmStartup::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.Unloaded(this);
    EndProgram(windows_.session());
}

}  // namespace amorist
