// The start-up form: never shown; loading it runs the start-up sequence.
#pragma once

#include <QWidget>

namespace amorist {

class Windows;

class frmStartup final : public QWidget {
    Q_OBJECT
public:
    explicit frmStartup(Windows& windows);

    // The start-up sequence: instance check, seeding, update reminder, main
    // window, promotion label. Run once, from inside the event loop.
    void Form_Load();
    // Rolls a die: odd brings the co-branding offer to the front, even the
    // fully-branded one.
    void CoBrand_Randomize();
    short intCoBrandRandomNumber() const { return intCoBrandRandomNumber_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Windows& windows_;
    short intCoBrandRandomNumber_ = 0;
};

}  // namespace amorist
