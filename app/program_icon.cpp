#include "app/program_icon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <optional>
#include <vector>

#include "app/program_icon_pixels.h"

namespace amorist {

namespace {

constexpr qreal kDesignSize = 64.0;
constexpr QColor kTile(0x2C, 0x3F, 0x5C);
constexpr QColor kVenus(0xFF, 0xC0, 0xC0);
constexpr QColor kMars(0x80, 0x80, 0xFF);
constexpr qreal kRingRadius = 11.0;

QRectF Ring(QPointF centre) {
    return {centre.x() - kRingRadius, centre.y() - kRingRadius, 2 * kRingRadius, 2 * kRingRadius};
}

// An arc of a ring; angles in degrees, counter-clockwise from three o'clock.
QPainterPath Arc(QPointF centre, qreal from, qreal sweep) {
    QPainterPath arc;
    arc.arcMoveTo(Ring(centre), from);
    arc.arcTo(Ring(centre), from, sweep);
    return arc;
}

void Stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width,
            Qt::PenCapStyle cap = Qt::RoundCap) {
    painter.strokePath(path, QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin));
}

// The painted picture at a size, when one was painted ahead of time.
std::optional<QImage> PaintedAhead(const QSize& size) {
    for (const IconPixels& picture : kPaintedIcon) {
        if (size == QSize(picture.size, picture.size)) {
            return QImage(reinterpret_cast<const uchar*>(picture.pixels), picture.size,
                          picture.size, picture.size * 4, QImage::Format_ARGB32_Premultiplied);
        }
    }
    return std::nullopt;
}

class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        PaintProgramIcon(*painter, rect);
    }

    // The default fills nothing, which would leave the rounded corners
    // undefined. Each size is made once: X11 is handed every size twice as
    // a window is created.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        for (const QPixmap& done : made_) {
            if (done.size() == size)
                return done;
        }
        const std::optional<QImage> ahead = PaintedAhead(size);
        made_.push_back(QPixmap::fromImage(ahead ? *ahead : ProgramIconImage(size)));
        return made_.back();
    }

    // What a window offers the window manager for its title bar and task
    // switcher; menus and docks take the larger pictures the desktop installs.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : kWindowIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("amorist"); }

private:
    std::vector<QPixmap> made_;
};

}  // namespace

void PaintProgramIcon(QPainter& painter, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kDesignSize, target.height() / kDesignSize);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kTile);
    painter.drawRoundedRect(QRectF(1, 1, 62, 62), 13, 13);

    const QPointF venus(24, 29);
    const QPointF mars(40, 33);
    QPainterPath venusSign;
    venusSign.addEllipse(Ring(venus));
    venusSign.moveTo(24, 40);
    venusSign.lineTo(24, 56);
    venusSign.moveTo(17, 49);
    venusSign.lineTo(31, 49);
    Stroke(painter, venusSign, kVenus, 5);

    QPainterPath marsSign;
    marsSign.addEllipse(Ring(mars));
    marsSign.moveTo(48, 25);
    marsSign.lineTo(56, 17);
    marsSign.moveTo(47, 16);
    marsSign.lineTo(57, 16);
    marsSign.lineTo(57, 26);
    Stroke(painter, marsSign, kMars, 5);

    // Venus passes over Mars at the top crossing, so the rings interlock: a
    // wider stroke of the tile colour cuts Mars, then Venus is drawn again.
    Stroke(painter, Arc(venus, 45, -35), kTile, 8, Qt::FlatCap);
    Stroke(painter, Arc(venus, 50, -45), kVenus, 5, Qt::FlatCap);
    painter.restore();
}

QImage ProgramIconImage(const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintProgramIcon(painter, image.rect());
    return image;
}

QIcon ProgramIcon() {
    // Once main() has made it the application's icon, every window shares
    // that one, and with it the sizes already painted.
    const QIcon application = QGuiApplication::windowIcon();
    return application.isNull() ? QIcon(new ProgramIconEngine) : application;
}

}  // namespace amorist
