// The program's icon: the Venus and Mars rings, linked, on the program's dark
// blue. resources/amorist.svg is the same drawing for the desktop's menus and
// docks; the program paints it itself at whatever size a window asks for, so
// starting up loads no SVG engine and reads no file for it.
#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace amorist {

// The application's icon once it is set, so windows share what is painted.
QIcon ProgramIcon();

// Paints the icon into target, scaled from its 64 x 64 design.
void PaintProgramIcon(QPainter& painter, const QRectF& target);

}  // namespace amorist
