// The refer-a-friend window: what it shows, its hint texts, its checks, the
// address it opens, and how it ends the run.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

#include "app/modTellAFriend.h"
#include "tests/support/fake_platform.h"
#include "translations/program_language.h"
#include "ui/frmReferAFriend.h"
#include "ui/windows.h"

namespace amorist {
namespace {

using testing::FakePlatform;
using testing::ShownMessage;

constexpr char kHomePage[] = "https://www.quillmoor.com";
constexpr char kSoftwarePage[] = "https://www.quillmoor.com/quillmoorsoftwares";

const char* const kSupportMessages[] = {
    "Quillmoor Softwares, such as this can be created and maintained only with your support. The "
    "best way to support Quillmoor is to visit Quillmoor regularly and take part in the "
    "discussions and other activities on the board.",
    "Visit Quillmoor regularly. Support Quillmoor by taking part in the discussions and other "
    "activities. These softwares cannot be supported and maintained, without you regularly "
    "visiting Quillmoor",
    "Quillmoor is a FREE online discussion forum for all things quillmoor. To help Quillmoor "
    "develop and maintain this software visit Quillmoor regularly.",
    "Quillmoor needs your help. All you need to do is visit Quillmoor regularly and take part in "
    "the various discussions and activites to help us maintain and develop more Quillmoor "
    "Softwares.",
};

class ReferAFriendTest : public ::testing::Test {
protected:
    ~ReferAFriendTest() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Shows the window as the exit rule does and waits until it has the focus.
    frmReferAFriend& Open(int supportMessage = 0) {
        platform.randomValues = {supportMessage};
        frmReferAFriend& window = windows.ReferAFriend();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }

    template <typename Control>
    Control& Child(const char* name) {
        auto* control = windows.ReferAFriend().findChild<Control*>(QLatin1String(name));
        if (control == nullptr)
            ADD_FAILURE() << "no control " << name;
        return *control;
    }
    QLineEdit& Box(const char* name) { return Child<QLineEdit>(name); }

    void Fill(const char* name, const char* friendName, const char* email,
              const char* friendEmail) {
        Box("txtName").setText(QString::fromUtf8(name));
        Box("txtFriendName").setText(QString::fromUtf8(friendName));
        Box("txtEmail").setText(QString::fromUtf8(email));
        Box("txtFriendEmail").setText(QString::fromUtf8(friendEmail));
    }

    QStringList BoxTexts() {
        QStringList texts;
        for (const char* name : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"}) {
            texts << Box(name).text();
        }
        return texts << Child<QPlainTextEdit>("txtMessage").toPlainText();
    }

    FakePlatform platform;
    Session session{platform};
    Windows windows{session};
};

TEST_F(ReferAFriendTest, ShowsItsCaptionsAndHintTexts) {
    Open();
    const struct {
        const char* control;
        const char* text;
    } cases[] = {
        {"Label1", "Amorist v1.0"},
        {"Check1", "Click Here To Visit www.quillmoor.com Now"},
        {"cmdClose", "E&xit"},
        {"Frame2", "Refer A Friend"},
        {"txtName", "Your Name"},
        {"txtEmail", "Your Email Address"},
        {"txtFriendName", "Friend's Name"},
        {"txtFriendEmail", "Friend's Email Address"},
        {"cmdSubmit", "Refer A Friend &Now"},
        {"Frame6", "Download Quillmoor Softwares"},
        {"lblGoToHome", "Click Here To Visit Quillmoor Softwares"},
    };
    frmReferAFriend& window = windows.ReferAFriend();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Amorist v1.0"));
    for (const auto& c : cases) {
        QObject* control = window.findChild<QObject*>(QLatin1String(c.control));
        ASSERT_NE(control, nullptr) << c.control;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(control))
            text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            text = button->text();
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            text = frame->title();
        if (auto* box = qobject_cast<QLineEdit*>(control))
            text = box->text();
        EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.control;
        EXPECT_TRUE(qobject_cast<QWidget*>(control)->isVisible()) << c.control;
    }
    EXPECT_FALSE(Child<QLabel>("Picture1").pixmap().isNull());
}

TEST_F(ReferAFriendTest, CatalogueTextKeepsItsParagraphGapAndApostrophe) {
    Open();
    const QString text = Child<QLabel>("Label3").text();
    const QString gap = QString(61, u' ');
    const qsizetype at = text.indexOf(gap);
    ASSERT_GT(at, 0);
    EXPECT_TRUE(text.left(at).endsWith(u"depending on their interests."));
    EXPECT_TRUE(text.mid(at + 61).startsWith(u"All the programs in the Quillmoor"));
    EXPECT_FALSE(text.contains(QString(62, u' ')));
    EXPECT_TRUE(text.endsWith(u"with your friends and family. "));
    EXPECT_TRUE(text.contains(QString::fromUtf8("the world\u2019s largest resource")));
    EXPECT_TRUE(text.startsWith(u"If you have enjoyed this software you will surely be"));
}

TEST_F(ReferAFriendTest, LoadingSeedsOnceAndPicksOneOfFourSupportMessages) {
    for (int index = 0; index < 4; ++index) {
        FakePlatform fresh;
        Session freshSession(fresh);
        Windows freshWindows(freshSession);
        fresh.randomValues = {index};
        frmReferAFriend& window = freshWindows.ReferAFriend();
        EXPECT_EQ(fresh.seeds, 1);
        EXPECT_EQ(window.findChild<QLabel*>("Label2")->text(),
                  QString::fromLatin1(kSupportMessages[index]))
            << index;
    }
    // The die is cast over exactly the four messages.
    FakePlatform high;
    Session highSession(high);
    Windows highWindows(highSession);
    high.randomValues = {9};
    EXPECT_EQ(highWindows.ReferAFriend().findChild<QLabel*>("Label2")->text(),
              QString::fromLatin1(kSupportMessages[3]));
}

TEST_F(ReferAFriendTest, IsAPlainTopmostWindowThatOpensWithTheFocusOnSubmit) {
    frmReferAFriend& window = Open();
    EXPECT_EQ(qobject_cast<QDialog*>(&window), nullptr);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(QApplication::focusWidget(), &Child<QPushButton>("cmdSubmit"));
    EXPECT_EQ(Box("txtName").text(), QStringLiteral("Your Name"));
}

TEST_F(ReferAFriendTest, TheHiddenMessageCannotBeSeenOrReachedByTab) {
    frmReferAFriend& window = Open();
    auto& message = Child<QPlainTextEdit>("txtMessage");
    auto& frame = Child<QGroupBox>("Frame2");
    EXPECT_EQ(message.parentWidget(), &frame);
    EXPECT_FALSE(frame.rect().intersects(message.geometry()));
    EXPECT_TRUE(message.visibleRegion().isEmpty());
    EXPECT_EQ(message.toPlainText(), QStringLiteral("Your Message\n"));

    QSet<QWidget*> reached;
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    EXPECT_FALSE(reached.contains(&message));
    for (const char* name : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"}) {
        EXPECT_TRUE(reached.contains(&Box(name))) << name;
    }
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ReferAFriendTest, ColoursWhiteWindowDarkBlueFramesYellowLink) {
    frmReferAFriend& window = Open();
    const QColor darkBlue(44, 63, 92);
    const QImage image = window.grab().toImage();
    const auto pixelAt = [&](QWidget& widget, QPoint point) {
        return QColor(image.pixel(widget.mapTo(&window, point)));
    };
    auto& referral = Child<QGroupBox>("Frame2");
    auto& catalogue = Child<QGroupBox>("Frame6");
    // The style may lay a faint sheen over a frame; the eye sees the same blue.
    const auto near = [](QColor seen, QColor meant) {
        return std::abs(seen.red() - meant.red()) <= 2 &&
               std::abs(seen.green() - meant.green()) <= 2 &&
               std::abs(seen.blue() - meant.blue()) <= 2;
    };
    EXPECT_TRUE(near(pixelAt(referral, {5, referral.height() - 5}), darkBlue));
    EXPECT_TRUE(
        near(pixelAt(catalogue, {catalogue.width() - 5, catalogue.height() - 3}), darkBlue));
    auto& support = Child<QLabel>("Label2");
    EXPECT_EQ(pixelAt(support, {support.width() - 2, support.height() - 2}), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(window.width() / 2, 2)), QColor(Qt::white));

    for (QGroupBox* frame : {&referral, &catalogue}) {
        EXPECT_EQ(frame->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_TRUE(frame->font().bold());
    }
    EXPECT_EQ(Child<QLabel>("Label3").palette().color(QPalette::WindowText), QColor(Qt::white));
    auto& link = Child<QLabel>("lblGoToHome");
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Child<QCheckBox>("Check1").cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ReferAFriendTest, HintsClearOnEnteringAndReturnOnLeavingEmpty) {
    Open();
    const struct {
        const char* box;
        const char* hint;
    } boxes[] = {{"txtName", "Your Name"},
                 {"txtEmail", "Your Email Address"},
                 {"txtFriendName", "Friend's Name"},
                 {"txtFriendEmail", "Friend's Email Address"}};
    auto& submit = Child<QPushButton>("cmdSubmit");
    for (const auto& b : boxes) {
        QLineEdit& box = Box(b.box);
        const QString hint = QString::fromLatin1(b.hint);

        box.setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box.text(), QString()) << b.box << ": entering clears the hint";
        submit.setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box.text(), hint) << b.box << ": leaving empty restores it";

        box.setText(QStringLiteral("   "));
        box.setFocus(Qt::TabFocusReason);
        submit.setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box.text(), hint) << b.box << ": only spaces count as empty";

        box.setText(QStringLiteral("  ") + hint + QStringLiteral(" "));
        box.setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box.text(), QString()) << b.box << ": the hint with spaces around is cleared";

        QTest::keyClicks(&box, QStringLiteral("q"));
        submit.setFocus(Qt::TabFocusReason);
        box.setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box.text(), QStringLiteral("q")) << b.box << ": the user's text stays";
        submit.setFocus(Qt::TabFocusReason);
        EXPECT_EQ(box.text(), QStringLiteral("q")) << b.box;
    }
    EXPECT_TRUE(platform.messages.empty());
}

// A translated hint is the box's hint: untouched it counts as empty and
// clears on entering. The hidden message the referral sends stays English.
TEST_F(ReferAFriendTest, ATranslatedHintLeftAloneCountsAsEmpty) {
    const ProgramLanguage german({QStringLiteral("de")});
    Open();
    QLineEdit& name = Box("txtName");
    const QString hint = name.text();
    EXPECT_NE(hint, QStringLiteral("Your Name"));
    Box("txtFriendName").setText(QStringLiteral("BOB"));
    Box("txtEmail").setText(QStringLiteral("a@b.com"));
    Box("txtFriendEmail").setText(QStringLiteral("c@d.com"));
    Child<QPushButton>("cmdSubmit").click();
    const QString missing = QCoreApplication::translate("modTellAFriend", "Please Enter Your Name");
    EXPECT_NE(missing, QStringLiteral("Please Enter Your Name"));
    EXPECT_EQ(platform.messages, (std::vector<ShownMessage>{{missing, MessageIcon::Critical}}));
    EXPECT_TRUE(platform.opened.empty());

    name.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(name.text(), QString());
    QTest::keyClicks(&name, QStringLiteral("Ann"));
    Child<QPushButton>("cmdSubmit").click();
    ASSERT_EQ(platform.opened.size(), 1u);
    EXPECT_TRUE(platform.opened[0].contains(QStringLiteral("&taf3=Your%20Message%0D%0A&")))
        << platform.opened[0].toStdString();
}

TEST_F(ReferAFriendTest, SpacesAreRefusedInTheEmailBoxesOnly) {
    Open();
    const std::vector<ShownMessage> refused = {
        {QStringLiteral("Email Address Cannot Contain Space"), MessageIcon::Critical}};
    for (const char* name : {"txtEmail", "txtFriendEmail"}) {
        platform.messages.clear();
        QLineEdit& box = Box(name);
        box.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&box, QStringLiteral("ann @x"));
        EXPECT_EQ(box.text(), QStringLiteral("ann@x")) << name;
        EXPECT_EQ(platform.messages, refused) << name;
        EXPECT_EQ(QApplication::focusWidget(), &box) << name;
    }
    platform.messages.clear();
    for (const char* name : {"txtName", "txtFriendName"}) {
        QLineEdit& box = Box(name);
        box.setFocus(Qt::TabFocusReason);
        QTest::keyClicks(&box, QStringLiteral("Ann Lee"));
        EXPECT_EQ(box.text(), QStringLiteral("Ann Lee")) << name;
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ReferAFriendTest, SubmitChecksInOrderAndChangesNothingOnFailure) {
    const struct {
        const char* what;
        const char* name;
        const char* friendName;
        const char* email;
        const char* friendEmail;
        const char* message;
    } cases[] = {
        {"untouched", "Your Name", "Friend's Name", "Your Email Address", "Friend's Email Address",
         "Please Enter Proper Email Address"},
        {"same e-mail twice", "Ann", "Bob", "a@b.com", "a@b.com",
         "Please Enter Distinct Email Addresses"},
        {"same text twice, no @", "Ann", "Bob", "ab", "ab",
         "Please Enter Distinct Email Addresses"},
        {"no dot", "Ann", "Bob", "a@bcom", "c@d.com", "Please Enter Proper Email Address"},
        {"friend's has no @", "Ann", "Bob", "a@b.com", "c.d.com",
         "Please Enter Proper Email Address"},
        {"name still the hint", "Your Name", "Bob", "a@b.com", "c@d.com", "Please Enter Your Name"},
        {"name only spaces", "   ", "Bob", "a@b.com", "c@d.com", "Please Enter Your Name"},
        {"friend's name the hint", "Ann", "Friend's Name", "a@b.com", "c@d.com",
         "Please Enter Your Friend's Name"},
        {"both names missing", "", "", "a@b.com", "c@d.com", "Please Enter Your Name"},
    };
    Open();
    for (const auto& c : cases) {
        platform.messages.clear();
        Fill(c.name, c.friendName, c.email, c.friendEmail);
        const QStringList before = BoxTexts();
        Child<QPushButton>("cmdSubmit").click();
        const std::vector<ShownMessage> expected = {
            {QString::fromLatin1(c.message), MessageIcon::Critical}};
        EXPECT_EQ(platform.messages, expected) << c.what;
        EXPECT_EQ(BoxTexts(), before) << c.what;
        EXPECT_TRUE(platform.opened.empty()) << c.what;
    }
    EXPECT_TRUE(windows.ReferAFriend().isVisible());
    EXPECT_TRUE(platform.endStatuses.empty());
}

TEST_F(ReferAFriendTest, SubmitOpensTheEncodedAddressAndKeepsEverything) {
    const struct {
        const char* name;
        const char* friendName;
        const char* email;
        const char* friendEmail;
        const char* address;
    } cases[] = {
        {"  Ann Lee ", "Bob", "ann@example.com", "Bob@Example.com",
         "https://www.quillmoor.com/qmqs-refer-a-friend.php?taf1=Ann%20Lee&taf2=ann%40example.com"
         "&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=Bob%40Example.com"
         "&taf6=https%3A%2F%2Famorist.quillmoor.com%2F"},
        {"Tom & Jerry=1", "Zo\u00eb \u00dcnal", "t@j.com", "z@u.de",
         "https://www.quillmoor.com/qmqs-refer-a-friend.php?taf1=Tom%20%26%20Jerry%3D1"
         "&taf2=t%40j.com&taf3=Your%20Message%0D%0A&taf4=Zo%C3%AB%20%C3%9Cnal&taf5=z%40u.de"
         "&taf6=https%3A%2F%2Famorist.quillmoor.com%2F"},
    };
    frmReferAFriend& window = Open();
    for (const auto& c : cases) {
        platform.opened.clear();
        Fill(c.name, c.friendName, c.email, c.friendEmail);
        const QStringList before = BoxTexts();
        Child<QPushButton>("cmdSubmit").click();
        EXPECT_EQ(platform.opened, std::vector<QString>{QString::fromUtf8(c.address)});
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(BoxTexts(), before);
        EXPECT_TRUE(window.isVisible());
    }
    // The last Submit's fields stay with the session, trimmed, line break kept.
    EXPECT_EQ(session.referral().name, QStringLiteral("Tom & Jerry=1"));
    EXPECT_EQ(session.referral().message, QStringLiteral("Your Message\r\n"));
    EXPECT_EQ(session.referral().friendName, QString::fromUtf8("Zo\u00eb \u00dcnal"));
}

TEST_F(ReferAFriendTest, EnterPressesOnlyTheFocusedButton) {
    Open();
    QTest::keyClick(&Child<QPushButton>("cmdSubmit"), Qt::Key_Return);
    EXPECT_EQ(platform.messages.size(), 1u) << "Enter on Submit submits";

    platform.messages.clear();
    QLineEdit& name = Box("txtName");
    name.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&name, Qt::Key_Return);
    QTest::keyClick(&name, Qt::Key_Escape);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.endStatuses.empty());
    EXPECT_TRUE(windows.ReferAFriend().isVisible());
}

TEST_F(ReferAFriendTest, LinksOpenTheirPagesAndTheBoxNeverStaysChecked) {
    Open();
    auto& check = Child<QCheckBox>("Check1");
    check.click();
    EXPECT_FALSE(check.isChecked());
    QTest::keyClick(&check, Qt::Key_Space);
    EXPECT_FALSE(check.isChecked());

    auto& link = Child<QLabel>("lblGoToHome");
    QTest::mouseClick(&link, Qt::LeftButton, {}, link.rect().center());
    const std::vector<QString> expected = {kHomePage, kHomePage, kSoftwarePage};
    EXPECT_EQ(platform.opened, expected);
    EXPECT_TRUE(platform.endStatuses.empty());
}

TEST_F(ReferAFriendTest, HidingKeepsTheWindowAndItsTextsUntilTheNextExit) {
    frmReferAFriend& window = Open(2);
    Box("txtName").setText(QStringLiteral("ANN"));
    window.hide();
    frmReferAFriend& again = windows.ReferAFriend();
    again.show();
    EXPECT_EQ(&again, &window);
    EXPECT_EQ(Box("txtName").text(), QStringLiteral("ANN"));
    EXPECT_EQ(Child<QLabel>("Label2").text(), QString::fromLatin1(kSupportMessages[2]));
    EXPECT_EQ(platform.seeds, 1) << "loading runs once per run";
}

TEST_F(ReferAFriendTest, ExitAndTheCloseBoxEndTheRunOnce) {
    const struct {
        const char* route;
        void (*leave)(frmReferAFriend&);
    } routes[] = {
        {"Exit button", [](frmReferAFriend& w) { w.findChild<QPushButton*>("cmdClose")->click(); }},
        {"Alt+X", [](frmReferAFriend& w) { QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier); }},
        {"close box", [](frmReferAFriend& w) { w.close(); }},
    };
    for (const auto& r : routes) {
        FakePlatform fresh;
        Session freshSession(fresh);
        Windows freshWindows(freshSession);
        frmReferAFriend& window = freshWindows.ReferAFriend();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        r.leave(window);
        // A shortcut presses its button a moment later, as a click would.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !fresh.endStatuses.empty(); }, 2000)) << r.route;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(fresh.endStatuses, std::vector<int>{0}) << r.route;
        EXPECT_EQ(freshWindows.LoadedReferAFriend(), nullptr) << r.route;
        EXPECT_TRUE(freshSession.isEnding()) << r.route;
    }
}

}  // namespace
}  // namespace amorist
