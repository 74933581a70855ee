#include "app/session.h"

namespace amorist {

void EndProgram(Session& session) {
    if (session.ending_)
        return;
    session.ending_ = true;
    if (session.windows_ != nullptr)
        session.windows_->UnloadAll();
    session.platform_.EndProcess(0);
}

}  // namespace amorist
