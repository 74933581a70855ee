#include "app/program_icon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPixmap>
#include <optional>
#include <vector>

#include "app/program_icon_painter.h"
#include "app/program_icon_pixels.h"

namespace amorist {

namespace {

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

QIcon ProgramIcon() {
    // Once main() has made it the application's icon, every window shares
    // that one, and with it the sizes already painted.
    const QIcon application = QGuiApplication::windowIcon();
    return application.isNull() ? QIcon(new ProgramIconEngine) : application;
}

}  // namespace amorist
