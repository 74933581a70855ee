// The program's windows: at most one instance of each class, created on
// first use and destroyed when unloaded, so the next use gets a fresh one.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/session.h"

namespace amorist {

class frmStartup;
class frmMain;
class frmDisplay;
class frmReferAFriend;

class Windows final : public WindowSet {
public:
    explicit Windows(Session& session);
    ~Windows() override;
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    Session& session() { return session_; }

    // Each accessor loads its window if it is not loaded yet.
    frmStartup& Startup();
    frmMain& Main();
    frmDisplay& Display();
    frmReferAFriend& ReferAFriend();

    // nullptr when the window is not loaded.
    frmStartup* LoadedStartup() const;
    frmMain* LoadedMain() const;
    frmDisplay* LoadedDisplay() const;
    frmReferAFriend* LoadedReferAFriend() const;

    // Called by a window's unload handler once it has accepted closing, so
    // the next use loads a fresh instance even before this one is deleted.
    void Unloaded(QWidget* window);

    void UnloadAll() override;

private:
    Session& session_;
    QPointer<QWidget> startup_;
    QPointer<QWidget> main_;
    QPointer<QWidget> display_;
    QPointer<QWidget> referAFriend_;
};

}  // namespace amorist
