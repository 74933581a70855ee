// The program's icon, drawn once as a vector image and used by every window.
#pragma once

#include <QIcon>

namespace amorist {

inline constexpr char kProgramIconPath[] = ":/amorist.svg";

QIcon ProgramIcon();

}  // namespace amorist
