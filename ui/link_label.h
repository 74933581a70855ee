// A label that opens something when clicked: hand pointer, and a click is a
// left-button press and release both inside the label.
#pragma once

#include <QLabel>

namespace amorist {

class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const char* name, const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// Screen readers meet a clickable label as a link named by its text (or by
// its accessible name, where one is set), and their "press" clicks it the
// way the mouse does.
void ShowAsLink(QLabel* label);

}  // namespace amorist
