// The program's icon: the Venus and Mars rings, linked, on the program's dark
// blue. resources/amorist.svg is the same drawing for the desktop's menus and
// docks; the program draws it itself, so starting up loads no SVG engine and
// reads no file for it. The sizes windows hand the window system come painted
// ahead of time (program_icon_pixels.h); any other size is painted on demand.
// PNGs rendered from the drawing would cost about 1 ms of CPU more before the
// first paint: reading any image first looks through Qt's image plugins.
#pragma once

#include <QIcon>

namespace amorist {

// The application's icon once it is set, so windows share what is painted.
QIcon ProgramIcon();

}  // namespace amorist
