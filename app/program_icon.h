// The program's icon: the Venus and Mars rings, linked, on the program's dark
// blue. resources/amorist.svg is the same drawing for the desktop's menus and
// docks; the program draws it itself, so starting up loads no SVG engine and
// reads no file for it. The sizes windows hand the window system come painted
// ahead of time (program_icon_pixels.h); any other size is painted on demand.
#pragma once

#include <QIcon>

class QImage;
class QPainter;
class QSize;
class QRectF;

namespace amorist {

// The application's icon once it is set, so windows share what is painted.
QIcon ProgramIcon();

// Paints the icon into target, scaled from its 64 x 64 design.
void PaintProgramIcon(QPainter& painter, const QRectF& target);
// The icon painted on a transparent picture of that size.
QImage ProgramIconImage(const QSize& size);

}  // namespace amorist
