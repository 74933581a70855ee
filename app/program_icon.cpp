#include "app/program_icon.h"

// The resources live in a static library, whose unreferenced objects the
// linker drops; naming the initialiser here keeps them in every program that
// asks for the icon. Registering twice is harmless, and Q_INIT_RESOURCE must
// run outside any namespace.
static void LoadProgramResources() {
    Q_INIT_RESOURCE(resources);
}

namespace amorist {

QIcon ProgramIcon() {
    LoadProgramResources();
    return QIcon(QString::fromLatin1(kProgramIconPath));
}

}  // namespace amorist
