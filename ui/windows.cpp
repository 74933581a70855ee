#include "ui/windows.h"

#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/frmReferAFriend.h"
#include "ui/frmStartup.h"

namespace amorist {

namespace {

template <typename Window>
Window& LoadInto(QPointer<QWidget>& slot, Windows& windows) {
    if (slot.isNull()) {
        auto* window = new Window(windows);
        window->setAttribute(Qt::WA_DeleteOnClose);
        slot = window;
    }
    return *static_cast<Window*>(slot.data());
}

template <typename Window>
Window* Loaded(const QPointer<QWidget>& slot) {
    return static_cast<Window*>(slot.data());
}

}  // namespace

Windows::Windows(Session& session) : session_(session) {
    session_.SetWindows(this);
}

Windows::~Windows() {
    session_.SetWindows(nullptr);
    for (QPointer<QWidget>* slot : {&display_, &main_, &referAFriend_, &startup_}) {
        delete slot->data();
    }
}

frmStartup& Windows::Startup() {
    return LoadInto<frmStartup>(startup_, *this);
}
frmMain& Windows::Main() {
    return LoadInto<frmMain>(main_, *this);
}
frmDisplay& Windows::Display() {
    return LoadInto<frmDisplay>(display_, *this);
}
frmReferAFriend& Windows::ReferAFriend() {
    return LoadInto<frmReferAFriend>(referAFriend_, *this);
}

frmStartup* Windows::LoadedStartup() const {
    return Loaded<frmStartup>(startup_);
}
frmMain* Windows::LoadedMain() const {
    return Loaded<frmMain>(main_);
}
frmDisplay* Windows::LoadedDisplay() const {
    return Loaded<frmDisplay>(display_);
}
frmReferAFriend* Windows::LoadedReferAFriend() const {
    return Loaded<frmReferAFriend>(referAFriend_);
}

void Windows::Unloaded(QWidget* window) {
    for (QPointer<QWidget>* slot : {&startup_, &main_, &display_, &referAFriend_}) {
        if (slot->data() == window)
            slot->clear();
    }
}

void Windows::UnloadAll() {
    for (QPointer<QWidget>* slot : {&display_, &main_, &referAFriend_, &startup_}) {
        if (QWidget* window = slot->data())
            window->close();
    }
}

}  // namespace amorist
