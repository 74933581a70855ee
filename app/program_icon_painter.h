// The painter of the program's icon, apart from the program so that the build
// can run it to paint the window sizes ahead of time (program_icon_pixels.h).
#pragma once

class QImage;
class QPainter;
class QSize;
class QRectF;

namespace amorist {

// Paints the icon into target, scaled from its 64 x 64 design.
void PaintProgramIcon(QPainter& painter, const QRectF& target);
// The icon painted on a transparent picture of that size.
QImage ProgramIconImage(const QSize& size);

}  // namespace amorist
