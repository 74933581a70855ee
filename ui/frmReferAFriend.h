// The last window of every run: support message, referral form, catalogue link.
#pragma once

#include <QWidget>

namespace amorist {

class Windows;

class frmReferAFriend final : public QWidget {
    Q_OBJECT
public:
    explicit frmReferAFriend(Windows& windows);

public slots:
    void cmdClose_Click();
    void cmdSubmit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

private:
    Windows& windows_;
};

}  // namespace amorist
