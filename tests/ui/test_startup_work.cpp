// What start-up leaves for later, and that what it leaves still looks right
// when the user gets to it: the lists' drop-downs.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include "app/session.h"
#include "tests/support/fake_platform.h"
#include "ui/frmMain.h"
#include "ui/look.h"
#include "ui/windows.h"

namespace amorist {
namespace {

constexpr const char* kLists[] = {"cboDate",       "cboMonth",       "cboYear",
                                  "cboFriendDate", "cboFriendMonth", "cboFriendYear"};

struct MainWindow {
    testing::FakePlatform platform;
    Session session{platform};
    Windows windows{session};
    frmMain& main = windows.Main();

    QComboBox& List(const char* name) {
        auto* list = main.findChild<QComboBox*>(QLatin1String(name));
        if (list == nullptr)
            throw std::runtime_error(name);
        return *list;
    }
};

// A list's drop-down is a window of its own, parented to the list.
bool HasBuiltDropDown(const QComboBox& list) {
    for (const QWidget* child : list.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            return true;
    }
    return false;
}

TEST(StartupWork, TheMainWindowAppearsWithNoDropDownBuiltYet) {
    MainWindow run;
    run.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&run.main));
    for (const char* name : kLists)
        EXPECT_FALSE(HasBuiltDropDown(run.List(name))) << name;
}

TEST(StartupWork, ADropDownBuiltLaterShowsItsListsFontAndColours) {
    MainWindow run;
    run.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&run.main));
    for (const char* name : kLists) {
        QComboBox& list = run.List(name);
        ASSERT_TRUE(list.font().bold()) << name;
        list.showPopup();
        QAbstractItemView* view = list.view();
        EXPECT_TRUE(HasBuiltDropDown(list)) << name;
        EXPECT_TRUE(view->isVisible()) << name;
        EXPECT_EQ(view->font(), list.font()) << name;
        EXPECT_EQ(view->palette().color(QPalette::Base), look::colour::kMediumBlue) << name;
        EXPECT_EQ(view->palette().color(QPalette::Text), look::colour::kLightPeach) << name;
        list.hidePopup();
    }
}

}  // namespace
}  // namespace amorist
