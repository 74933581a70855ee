#include "ui/link_label.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>

namespace amorist {

namespace {

constexpr char kLinkProperty[] = "amoristLink";

class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? static_cast<const QLabel*>(widget())->text() : name;
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    // Whatever the label does on a click, LinkLabel's signal or a window's
    // event filter, sees the same press and release over its middle.
    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QWidget* label = widget();
        const QPointF middle = QRectF(label->rect()).center();
        const QPointF screen = label->mapToGlobal(middle);
        QMouseEvent press(QEvent::MouseButtonPress, middle, screen, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(label, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, middle, screen, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &release);
    }
};

QAccessibleInterface* LinkFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    if (label == nullptr || !label->property(kLinkProperty).toBool())
        return nullptr;
    return new LinkAccessible(label);
}

}  // namespace

void ShowAsLink(QLabel* label) {
    static const bool installed = [] {
        QAccessible::installFactory(LinkFactory);
        return true;
    }();
    static_cast<void>(installed);
    label->setProperty(kLinkProperty, true);
    // While a screen reader listens, Qt describes a label as soon as its text
    // is set; such an early description goes, and the next one is a link's.
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(label);
    if (described != nullptr && described->role() != QAccessible::Link)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(described));
}

LinkLabel::LinkLabel(const char* name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(QLatin1String(name));
    setCursor(Qt::PointingHandCursor);
    ShowAsLink(this);
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
