// The last window of every run: support message, referral form, catalogue link.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace amorist {

class LinkLabel;
class Windows;

class frmReferAFriend final : public QWidget {
    Q_OBJECT
public:
    explicit frmReferAFriend(Windows& windows);

public slots:
    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click(bool checked);
    void lblGoToHome_Click();

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // The top left: picture, title, support message, the link box and Exit.
    void BuildSupportMessage();
    void BuildReferralForm(const QFont& plain);
    // The right-hand frame: the other programs and the link to them.
    void BuildCatalogue(const QFont& plain);
    void GotFocus(QWidget* box);
    void LostFocus(QWidget* box);
    bool RefuseSpace(QLineEdit* box, QKeyEvent* event);

    Windows& windows_;
    QLabel* Label2_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtFriendName_ = nullptr;
    QLineEdit* txtFriendEmail_ = nullptr;
    QPlainTextEdit* txtMessage_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
    LinkLabel* lblGoToHome_ = nullptr;
};

}  // namespace amorist
