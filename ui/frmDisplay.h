// The result window: both people, their four signs and the two readings.
#pragma once

#include <QMainWindow>

namespace amorist {

class Windows;

class frmDisplay final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmDisplay(Windows& windows);

public slots:
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

private:
    Windows& windows_;
};

}  // namespace amorist
