// The program icon: painted at start-up instead of read from its drawing, so it must
// still look like the drawing the desktop shows.
#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdlib>

#include "app/program_icon.h"
#include "app/program_icon_painter.h"
#include "app/program_icon_pixels.h"

namespace amorist {
namespace {

QImage FromDesktopDrawing(int size) {
    QSvgRenderer drawing(QStringLiteral(AMORIST_ICON_SVG));
    EXPECT_TRUE(drawing.isValid());
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    return image;
}

// Pixels whose colour or coverage differs by more than antialiasing explains.
int PixelsApart(const QImage& a, const QImage& b) {
    int apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int worst =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            apart += worst > 64 ? 1 : 0;
        }
    }
    return apart;
}

TEST(ProgramIcon, PaintsTheSameDrawingTheDesktopShows) {
    for (int size : {16, 32, 64, 128}) {
        const QImage painted =
            ProgramIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(painted.size(), QSize(size, size));
        const QImage drawn = FromDesktopDrawing(size).convertToFormat(QImage::Format_ARGB32);
        // A stroke or colour that drifts from the drawing moves far more than one percent.
        EXPECT_LE(PixelsApart(painted, drawn), size * size / 100) << size << " px";
    }
}

// Start-up hands the window system pictures painted ahead of time by the
// build; they must be what the painter paints, pixel for pixel.
TEST(ProgramIcon, PicturesPaintedAheadAreThePaintersOwn) {
    for (const IconPixels& ahead : kPaintedIcon) {
        const QImage painted = ProgramIconImage(QSize(ahead.size, ahead.size));
        const QImage stored(reinterpret_cast<const uchar*>(ahead.pixels), ahead.size, ahead.size,
                            ahead.size * 4, QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(stored, painted) << ahead.size << " px";
        EXPECT_EQ(ProgramIcon().pixmap(ahead.size).toImage(), painted) << ahead.size << " px";
    }
}

TEST(ProgramIcon, IsARoundedTileOnATransparentSquare) {
    const QImage icon = ProgramIcon().pixmap(64, 64).toImage();
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(63, 63)), 0);
    EXPECT_EQ(icon.pixelColor(32, 3).rgb(), QColor(0x2C, 0x3F, 0x5C).rgb());
    // Venus at the foot of its cross, Mars at the tip of its arrow.
    EXPECT_EQ(icon.pixelColor(24, 53).rgb(), QColor(0xFF, 0xC0, 0xC0).rgb());
    EXPECT_EQ(icon.pixelColor(56, 18).rgb(), QColor(0x80, 0x80, 0xFF).rgb());
}

}  // namespace
}  // namespace amorist
