// The start-up sequence: second copies refused, the update question before
// the main window, and one promotion offer in front.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "app/settings.h"
#include "tests/support/fake_platform.h"
#include "ui/frmMain.h"
#include "ui/frmReferAFriend.h"
#include "ui/frmStartup.h"
#include "ui/windows.h"

namespace amorist {
namespace {

using testing::FakePlatform;
using testing::ShownMessage;

// Records, in order, what the start-up asked of the desktop, and what the
// user could see at the moment of each question.
class SequencePlatform final : public Platform {
public:
    void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) override {
        steps.push_back(QStringLiteral("message"));
        fake.ShowMessage(parent, text, icon);
    }
    bool AskYesNo(QWidget* parent, const QString& text) override {
        steps.push_back(QStringLiteral("question"));
        mainLoadedWhenAsked = windows != nullptr && windows->LoadedMain() != nullptr;
        return fake.AskYesNo(parent, text);
    }
    void OpenWebPage(const QString& address) override { fake.OpenWebPage(address); }
    QDate Today() override { return fake.Today(); }
    void SeedRandomFromClock() override {
        steps.push_back(QStringLiteral("seed"));
        fake.SeedRandomFromClock();
    }
    int RandomBetween(int low, int high) override {
        steps.push_back(QStringLiteral("die %1-%2").arg(low).arg(high));
        mainVisibleAtDie = windows != nullptr && windows->LoadedMain() != nullptr &&
                           windows->LoadedMain()->isVisible();
        return fake.RandomBetween(low, high);
    }
    void EndProcess(int status) override {
        steps.push_back(QStringLiteral("end"));
        fake.EndProcess(status);
    }

    FakePlatform fake;
    Windows* windows = nullptr;
    QStringList steps;
    bool mainLoadedWhenAsked = true;
    bool mainVisibleAtDie = false;
};

void StoreLastReminder(const QDate& day) {
    settings::WriteLastUpdateReminder(day.isValid() ? day.toString(Qt::ISODate) : QString());
}

bool AnyWindowVisible() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            return true;
    }
    return false;
}

class StartupTest : public ::testing::Test {
protected:
    StartupTest() { platform.windows = &windows; }
    ~StartupTest() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void Start(bool anotherRunning = false) {
        windows.Startup().Form_Load([anotherRunning] { return anotherRunning; });
    }

    SequencePlatform platform;
    Session session{platform};
    Windows windows{session};
};

TEST_F(StartupTest, AsksAboutUpdatesBeforeTheMainWindowThenRollsTheDie) {
    StoreLastReminder(platform.fake.today.addDays(-20));
    platform.fake.randomValues = {3};
    Start();

    const QStringList expected = {"seed", "question", "die 1-6"};
    EXPECT_EQ(platform.steps, expected);
    EXPECT_FALSE(platform.mainLoadedWhenAsked) << "no window before the question is answered";
    EXPECT_TRUE(platform.mainVisibleAtDie);
    ASSERT_NE(windows.LoadedMain(), nullptr);
    EXPECT_TRUE(windows.LoadedMain()->isVisible());
    ASSERT_NE(windows.LoadedStartup(), nullptr);
    EXPECT_FALSE(windows.LoadedStartup()->isVisible());
    EXPECT_EQ(windows.LoadedReferAFriend(), nullptr);
    EXPECT_TRUE(platform.fake.endStatuses.empty());
}

TEST_F(StartupTest, FirstStartAsksNothingAndOpensTheMainWindow) {
    StoreLastReminder(QDate());
    Start();
    EXPECT_TRUE(platform.fake.questions.empty());
    EXPECT_TRUE(platform.fake.messages.empty());
    ASSERT_NE(windows.LoadedMain(), nullptr);
    EXPECT_TRUE(windows.LoadedMain()->isVisible());
}

TEST_F(StartupTest, ASecondCopySaysSoAndEndsWithoutAnyWindow) {
    StoreLastReminder(platform.fake.today.addDays(-20));
    Start(/*anotherRunning=*/true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const std::vector<ShownMessage> expected = {
        {QStringLiteral("Application is already running"), MessageIcon::Information}};
    EXPECT_EQ(platform.fake.messages, expected);
    EXPECT_EQ(platform.steps, (QStringList{"message", "end"}));
    EXPECT_EQ(platform.fake.endStatuses, std::vector<int>{0});
    EXPECT_TRUE(platform.fake.questions.empty());
    EXPECT_EQ(windows.LoadedMain(), nullptr);
    EXPECT_EQ(windows.LoadedStartup(), nullptr);
    EXPECT_EQ(windows.LoadedReferAFriend(), nullptr);
    EXPECT_FALSE(AnyWindowVisible());
}

TEST_F(StartupTest, OddDiceShowTheCoBrandingOfferEvenTheFullBrandingOne) {
    StoreLastReminder(platform.fake.today);
    for (int die = 1; die <= 6; ++die) {
        FakePlatform fake;
        Session runSession(fake);
        Windows runWindows(runSession);
        fake.randomValues = {die};
        runWindows.Startup().Form_Load([] { return false; });

        frmMain* main = runWindows.LoadedMain();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        const bool odd = die % 2 == 1;
        auto* front = main->findChild<QLabel*>(odd ? QStringLiteral("lblCobrand")
                                                   : QStringLiteral("lblFullBrand"));
        ASSERT_NE(front, nullptr) << "die " << die;
        // The other offer is never seen in the run, so it is not even built.
        EXPECT_EQ(main->findChild<QLabel*>(odd ? QStringLiteral("lblFullBrand")
                                               : QStringLiteral("lblCobrand")),
                  nullptr)
            << "die " << die;

        EXPECT_EQ(runWindows.LoadedStartup()->intCoBrandRandomNumber(), die);
        EXPECT_TRUE(front->isVisible()) << "die " << die;
        // What the user sees and clicks at the offer's centre is the front one.
        QWidget* parent = front->parentWidget();
        QWidget* atCentre = parent->childAt(front->geometry().center());
        EXPECT_TRUE(atCentre == front || front->isAncestorOf(atCentre)) << "die " << die;
        EXPECT_TRUE(fake.messages.empty());
    }
}

}  // namespace
}  // namespace amorist
