// Renders the program's windows to PNG files without a display: the main
// window with each promotion offer in front, the result window after two
// sample readings, and the About window. Usage: amorist-screenshots <folder>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "app/qt_platform.h"
#include "app/session.h"
#include "ui/frmAbout.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/windows.h"

namespace {

bool Save(QWidget& window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (window.grab().save(path)) {
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

template <typename Widget>
Widget* Control(QWidget& window, const char* name) {
    return window.findChild<Widget*>(QLatin1String(name));
}

struct Person {
    const char* name;
    const char* day;
    const char* month;
    const char* year;
};

// The first couple's readings fall in two different categories; the second
// couple's first reading has the longest paragraph of all.
constexpr Person kCouples[][2] = {
    {{"ALEX MORGAN", "7", "March", "1975"}, {"SAM RIVERS", "23", "November", "1978"}},
    {{"IDA", "20", "July", "1969"}, {"LEO", "8", "August", "1988"}},
};

void Enter(amorist::frmMain& main, const Person& you, const Person& partner) {
    Control<QLineEdit>(main, "txtName")->setText(QLatin1String(you.name));
    Control<QComboBox>(main, "cboDate")->setCurrentText(QLatin1String(you.day));
    Control<QComboBox>(main, "cboMonth")->setCurrentText(QLatin1String(you.month));
    Control<QComboBox>(main, "cboYear")->setCurrentText(QLatin1String(you.year));
    Control<QLineEdit>(main, "txtFriendName")->setText(QLatin1String(partner.name));
    Control<QComboBox>(main, "cboFriendDate")->setCurrentText(QLatin1String(partner.day));
    Control<QComboBox>(main, "cboFriendMonth")->setCurrentText(QLatin1String(partner.month));
    Control<QComboBox>(main, "cboFriendYear")->setCurrentText(QLatin1String(partner.year));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "could not create %s\n", qPrintable(folder.path()));
        return 1;
    }

    // A valid sample asks nothing modal, so the real platform serves.
    amorist::QtPlatform platform;
    amorist::Session session(platform);
    amorist::Windows windows(session);
    bool saved = true;

    amorist::frmMain& main = windows.Main();
    main.show();
    Control<QLabel>(main, "lblFullBrand")->raise();
    saved &= Save(main, folder, QStringLiteral("frmMain.png"));
    Control<QLabel>(main, "lblCobrand")->raise();
    int reading = 0;
    for (const auto& [you, partner] : kCouples) {
        Enter(main, you, partner);
        if (reading == 0)
            saved &= Save(main, folder, QStringLiteral("frmMain-entries.png"));
        Control<QPushButton>(main, "cmdCompatibilityWithFriend")->click();
        amorist::frmDisplay* display = windows.LoadedDisplay();
        if (display == nullptr) {
            std::fprintf(stderr, "the sample reading did not open the result window\n");
            return 1;
        }
        ++reading;
        saved &= Save(*display, folder, QStringLiteral("frmDisplay-%1.png").arg(reading));
        Control<QPushButton>(*display, "cmdBack")->click();
    }

    amorist::frmAbout about(platform, nullptr);
    about.show();
    saved &= Save(about, folder, QStringLiteral("frmAbout.png"));
    return saved ? 0 : 1;
}
