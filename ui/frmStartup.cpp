#include "ui/frmStartup.h"

#include <QCloseEvent>
#include <QLabel>

#include "app/modHelp.h"
#include "app/startup_trace.h"
#include "ui/frmMain.h"
#include "ui/windows.h"

namespace amorist {

namespace {

constexpr char kAlreadyRunningMessage[] = "Application is already running";

}  // namespace

frmStartup::frmStartup(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
}

void frmStartup::Form_Load(const InstanceCheck& anotherInstanceRunning) {
    Session& session = windows_.session();
    Platform& platform = session.platform();
    if (anotherInstanceRunning()) {
        platform.ShowMessage(nullptr, QString::fromLatin1(kAlreadyRunningMessage),
                             MessageIcon::Information);
        EndProgram(session);
        return;
    }
    platform.SeedRandomFromClock();
    using startup_trace::Timed;
    Timed("update reminder", [&] { PromptForUpdate(platform, nullptr); });
    frmMain& main =
        Timed("main window: building", [this]() -> frmMain& { return windows_.Main(); });
    Timed("main window: showing", [&] {
        main.show();
        hide();
    });
    startup_trace::WatchFirstPaint(&main);
    CoBrand_Randomize();
}

void frmStartup::CoBrand_Randomize() {
    intCoBrandRandomNumber_ = static_cast<short>(windows_.session().platform().RandomBetween(1, 6));
    const bool coBrand = intCoBrandRandomNumber_ % 2 == 1;
    frmMain& main = windows_.Main();
    auto* front = main.findChild<QLabel*>(coBrand ? QStringLiteral("lblCobrand")
                                                  : QStringLiteral("lblFullBrand"));
    auto* behind = main.findChild<QLabel*>(coBrand ? QStringLiteral("lblFullBrand")
                                                   : QStringLiteral("lblCobrand"));
    // The two offers share one place; hiding the one behind keeps it from
    // showing through or taking clicks whatever the labels' backgrounds.
    if (behind != nullptr)
        behind->hide();
    if (front != nullptr) {
        front->show();
        front->raise();
    }
}

void frmStartup::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.Unloaded(this);
    EndProgram(windows_.session());
}

}  // namespace amorist
