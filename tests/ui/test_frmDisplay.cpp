// The result window's keys and commands: focus starts on Back, Enter goes
// back, Esc leaves, and each route ends where the user expects.
#include <QAction>

#include "tests/ui/test_frmMain_driver.h"

namespace amorist {
namespace {

using testing::DeleteClosedWindows;
using testing::Find;
using testing::PressKey;
using testing::ReadingWindows;

frmDisplay& ShowReading(ReadingWindows& run) {
    run.Fill({QStringLiteral("ANN")}, {QStringLiteral("BOB")});
    run.AskForReading();
    frmDisplay* display = run.Display();
    if (display == nullptr)
        throw std::runtime_error("the reading did not open");
    display->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(display));
    return *display;
}

void ExpectBackAtTheEntries(ReadingWindows& run, const char* how) {
    DeleteClosedWindows();
    EXPECT_EQ(run.Display(), nullptr) << how;
    EXPECT_TRUE(run.Main().isVisible()) << how;
    EXPECT_FALSE(ReadingWindows::Visible(run.windows.LoadedReferAFriend())) << how;
    EXPECT_EQ(run.Box("txtName").text(), QStringLiteral("ANN")) << how;
}

void ExpectLeaving(ReadingWindows& run, const char* how) {
    DeleteClosedWindows();
    EXPECT_EQ(run.Display(), nullptr) << how;
    EXPECT_TRUE(ReadingWindows::Visible(run.windows.LoadedReferAFriend())) << how;
    ASSERT_NE(run.windows.LoadedMain(), nullptr) << how;
    EXPECT_FALSE(run.windows.LoadedMain()->isVisible()) << how;
    EXPECT_TRUE(run.platform.endStatuses.empty()) << how;
}

TEST(DisplayKeys, FocusStartsOnBackAndTabAlternatesWithExit) {
    ReadingWindows run;
    frmDisplay& display = ShowReading(run);
    const char* const order[] = {"cmdBack", "cmdExit", "cmdBack"};
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        PressKey(*QApplication::focusWidget(), Qt::Key_Tab, QStringLiteral("\t"));
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(order[i]));
    }
    EXPECT_TRUE(display.isVisible());
}

TEST(DisplayKeys, EnterOnAFreshWindowGoesBack) {
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        ReadingWindows run;
        ShowReading(run);
        PressKey(*QApplication::focusWidget(), enter, QStringLiteral("\r"));
        ExpectBackAtTheEntries(run, "Enter");
    }
}

TEST(DisplayKeys, EscFromEitherButtonAndEnterOnExitLeave) {
    const struct {
        const char* focus;
        Qt::Key key;
        const char* text;
    } presses[] = {
        {"cmdBack", Qt::Key_Escape, "\x1b"},
        {"cmdExit", Qt::Key_Escape, "\x1b"},
        {"cmdExit", Qt::Key_Return, "\r"},
    };
    for (const auto& [focus, key, text] : presses) {
        ReadingWindows run;
        frmDisplay& display = ShowReading(run);
        QPushButton& button = Find<QPushButton>(display, focus);
        button.setFocus();
        PressKey(button, key, QString::fromLatin1(text));
        ExpectLeaving(run, focus);
    }
}

}  // namespace
}  // namespace amorist
