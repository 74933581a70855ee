// The start-up form: never shown; loading it runs the start-up sequence.
#pragma once

#include <QWidget>
#include <functional>

namespace amorist {

class Windows;

class frmStartup final : public QWidget {
    Q_OBJECT
public:
    // True when another copy of the program already runs.
    using InstanceCheck = std::function<bool()>;

    explicit frmStartup(Windows& windows);

    // The start-up sequence: instance check, seeding, update reminder, main
    // window, promotion label. Run once, from inside the event loop.
    void Form_Load(const InstanceCheck& anotherInstanceRunning);
    // Rolls a die: odd brings the co-branding offer to the front, even the
    // fully-branded one.
    void CoBrand_Randomize();
    short intCoBrandRandomNumber() const { return intCoBrandRandomNumber_; }

protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

private:
    Windows& windows_;
    short intCoBrandRandomNumber_ = 0;
};

}  // namespace amorist
