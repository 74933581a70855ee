// The About window: the program's name and version, what it does, the offer
// of a fully branded copy and a link to the maker's home page. The caller
// creates a fresh one for each showing and runs it with exec().
#pragma once

#include <QDialog>

class QLabel;

namespace amorist {

class Platform;

class frmAbout final : public QDialog {
    Q_OBJECT
public:
    frmAbout(Platform& platform, QWidget* parent);

public slots:
    void cmdOK_Click();
    void Label5_Click();
    void lblHomePage_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Platform& platform_;
    QLabel* Label5_ = nullptr;
    QLabel* lblHomePage_ = nullptr;
};

}  // namespace amorist
