// How a run ends: closing the main or the result window by any route brings
// up the refer-a-friend window, Back does not, and only that window ends it.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <stdexcept>

#include "tests/support/fake_platform.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/frmReferAFriend.h"
#include "ui/frmStartup.h"
#include "ui/windows.h"

namespace amorist {
namespace {

using testing::FakePlatform;

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename Control>
Control& Find(QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QLatin1String(name));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}

// One run of the program, from the start-up sequence on.
struct ProgramRun {
    ProgramRun() {
        platform.randomValues = {1};
        windows.Startup().Form_Load([] { return false; });
    }
    ~ProgramRun() { DeleteClosedWindows(); }

    frmMain& Main() { return *windows.LoadedMain(); }

    // Fills both names and asks for a reading, so the result window shows.
    frmDisplay& Reading() {
        Find<QLineEdit>(&Main(), "txtName").setText(QStringLiteral("ANN"));
        Find<QLineEdit>(&Main(), "txtFriendName").setText(QStringLiteral("BOB"));
        Find<QPushButton>(&Main(), "cmdCompatibilityWithFriend").click();
        EXPECT_NE(windows.LoadedDisplay(), nullptr);
        return *windows.LoadedDisplay();
    }

    bool Visible(QWidget* window) const { return window != nullptr && window->isVisible(); }

    FakePlatform platform;
    Session session{platform};
    Windows windows{session};
};

using Route = std::function<void(QMainWindow&)>;

struct NamedRoute {
    const char* name;
    Route leave;
};

const NamedRoute kRoutesOut[] = {
    {"Exit button", [](QMainWindow& w) { Find<QPushButton>(&w, "cmdExit").click(); }},
    {"File > Exit", [](QMainWindow& w) { Find<QAction>(&w, "mnuExit").trigger(); }},
    {"close box", [](QMainWindow& w) { w.close(); }},
    {"Esc",
     [](QMainWindow& w) {
         w.activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
     }},
};

TEST(ExitRule, LeavingTheMainWindowShowsTheReferAFriendWindowAndKeepsRunning) {
    for (const NamedRoute& route : kRoutesOut) {
        ProgramRun run;
        route.leave(run.Main());
        DeleteClosedWindows();

        EXPECT_EQ(run.windows.LoadedMain(), nullptr) << route.name;
        EXPECT_TRUE(run.Visible(run.windows.LoadedReferAFriend())) << route.name;
        EXPECT_FALSE(run.Visible(run.windows.LoadedStartup())) << route.name;
        EXPECT_TRUE(run.platform.endStatuses.empty()) << route.name;
    }
}

TEST(ExitRule, LeavingTheResultWindowShowsTheReferAFriendWindowAndKeepsRunning) {
    for (const NamedRoute& route : kRoutesOut) {
        ProgramRun run;
        route.leave(run.Reading());
        DeleteClosedWindows();

        EXPECT_EQ(run.windows.LoadedDisplay(), nullptr) << route.name;
        EXPECT_TRUE(run.Visible(run.windows.LoadedReferAFriend())) << route.name;
        ASSERT_NE(run.windows.LoadedMain(), nullptr) << route.name;
        EXPECT_FALSE(run.windows.LoadedMain()->isVisible()) << route.name;
        EXPECT_FALSE(run.Visible(run.windows.LoadedStartup())) << route.name;
        EXPECT_TRUE(run.platform.endStatuses.empty()) << route.name;
    }
}

TEST(ExitRule, BackEndsWithTheMainWindowAloneOnScreen) {
    const NamedRoute backRoutes[] = {
        {"Back button", [](QMainWindow& w) { Find<QPushButton>(&w, "cmdBack").click(); }},
        {"File > Back", [](QMainWindow& w) { Find<QAction>(&w, "mnuFileBack").trigger(); }},
    };
    for (const NamedRoute& route : backRoutes) {
        ProgramRun run;
        route.leave(run.Reading());
        DeleteClosedWindows();

        EXPECT_EQ(run.windows.LoadedDisplay(), nullptr) << route.name;
        EXPECT_TRUE(run.Visible(run.windows.LoadedMain())) << route.name;
        EXPECT_NE(run.windows.LoadedReferAFriend(), nullptr) << route.name;
        EXPECT_FALSE(run.Visible(run.windows.LoadedReferAFriend())) << route.name;
        EXPECT_FALSE(run.Visible(run.windows.LoadedStartup())) << route.name;
        EXPECT_EQ(Find<QLineEdit>(&run.Main(), "txtName").text(), QStringLiteral("ANN"));
        EXPECT_TRUE(run.platform.endStatuses.empty()) << route.name;
    }
}

TEST(ExitRule, ExitFromTheResultThenFromReferAFriendEndsOnceWithNothingLeft) {
    ProgramRun run;
    Find<QPushButton>(&run.Reading(), "cmdExit").click();
    DeleteClosedWindows();
    frmReferAFriend* referAFriend = run.windows.LoadedReferAFriend();
    ASSERT_TRUE(run.Visible(referAFriend));

    // The main window is still loaded, hidden; closing it while the run
    // ends must not bring the refer-a-friend window back.
    Find<QPushButton>(referAFriend, "cmdClose").click();
    DeleteClosedWindows();

    EXPECT_EQ(run.platform.endStatuses, std::vector<int>{0});
    EXPECT_EQ(run.windows.LoadedMain(), nullptr);
    EXPECT_EQ(run.windows.LoadedDisplay(), nullptr);
    EXPECT_EQ(run.windows.LoadedReferAFriend(), nullptr);
    EXPECT_EQ(run.windows.LoadedStartup(), nullptr);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
}

TEST(ExitRule, AReadingAfterBackAndThenExitStillEndsThroughReferAFriendOnly) {
    ProgramRun run;
    Find<QPushButton>(&run.Reading(), "cmdBack").click();
    DeleteClosedWindows();
    frmReferAFriend* loadedByBack = run.windows.LoadedReferAFriend();
    Find<QPushButton>(&run.Main(), "cmdExit").click();
    DeleteClosedWindows();

    EXPECT_EQ(run.windows.LoadedReferAFriend(), loadedByBack) << "one window, loaded once";
    EXPECT_TRUE(run.Visible(loadedByBack));
    EXPECT_EQ(run.platform.seeds, 2) << "start-up and the refer-a-friend window, once each";
    EXPECT_TRUE(run.platform.endStatuses.empty());

    loadedByBack->close();
    DeleteClosedWindows();
    EXPECT_EQ(run.platform.endStatuses, std::vector<int>{0});
    EXPECT_EQ(run.windows.LoadedStartup(), nullptr);
}

}  // namespace
}  // namespace amorist
