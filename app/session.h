// Everything that lives as long as the program: the platform, the reading
// core's state, the referral fields and the set of open windows.
#pragma once

#include <QString>

#include "app/modTellAFriend.h"
#include "app/platform.h"
#include "core/compatibility/program_state.h"

namespace amorist {

// What EndProgram needs of the windows without knowing their classes.
class WindowSet {
public:
    virtual ~WindowSet() = default;
    // Unloads every loaded window, visible or hidden.
    virtual void UnloadAll() = 0;
};

class Session {
public:
    explicit Session(Platform& platform) : platform_(platform) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Platform& platform() { return platform_; }
    ProgramState& core() { return core_; }
    ReferralFields& referral() { return referral_; }

    void SetWindows(WindowSet* windows) { windows_ = windows; }

    // The translation the windows show ("de", "fr" or "es"); empty for English.
    const QString& language() const { return language_; }
    void setLanguage(const QString& language) { language_ = language; }

    // True once EndProgram has begun: unload handlers then show nothing new.
    bool isEnding() const { return ending_; }

private:
    friend void EndProgram(Session& session);

    Platform& platform_;
    ProgramState core_;
    ReferralFields referral_;
    WindowSet* windows_ = nullptr;
    QString language_;
    bool ending_ = false;
};

// Unloads every window and ends the process with status 0, once. A call made
// by an unload handler while the program is already ending returns at once.
void EndProgram(Session& session);

}  // namespace amorist
