// The main window: both people's entries, the reading command, links and menus.
#pragma once

#include <QMainWindow>

namespace amorist {

class Windows;

class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Windows& windows);

public slots:
    void cmdCompatibilityWithFriend_Click();
    void cmdExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

private:
    Windows& windows_;
};

}  // namespace amorist
