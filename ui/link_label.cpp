#include "ui/link_label.h"

#include <QMouseEvent>

namespace amorist {

LinkLabel::LinkLabel(const char* name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(QLatin1String(name));
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

}  // namespace amorist
