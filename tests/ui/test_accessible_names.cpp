// What a screen reader is told about each window: every entry, list and
// button says whose it is and what it is for, the result window's values are
// read with their captions, and link labels read and press as links.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <functional>

#include "core/compatibility/reading_content.h"
#include "tests/ui/test_frmMain_driver.h"
#include "ui/frmAbout.h"
#include "ui/link_label.h"

namespace amorist {
namespace {

using testing::Find;
using testing::Page;
using testing::ReadingWindows;

struct Spoken {
    QAccessible::Role role;
    QString name;
    bool operator==(const Spoken&) const = default;
    friend void PrintTo(const Spoken& spoken, std::ostream* out) {
        *out << "role " << spoken.role << " \"" << spoken.name.toStdString() << '"';
    }
};

Spoken SpokenAs(QWidget& control) {
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(&control);
    if (described == nullptr)
        throw std::runtime_error("nothing describes " + control.objectName().toStdString());
    return {described->role(), described->text(QAccessible::Name)};
}

Spoken SpokenAs(QWidget& window, const char* control) {
    return SpokenAs(Find<QWidget>(window, control));
}

struct Expected {
    const char* control;
    QAccessible::Role role;
    const char* name;
};

void ExpectSpoken(QWidget& window, std::initializer_list<Expected> expected) {
    for (const Expected& control : expected) {
        EXPECT_EQ(SpokenAs(window, control.control),
                  (Spoken{control.role, QString::fromUtf8(control.name)}))
            << window.objectName().toStdString() << " " << control.control;
    }
}

constexpr auto kText = QAccessible::EditableText;
constexpr auto kList = QAccessible::ComboBox;
constexpr auto kButton = QAccessible::Button;
constexpr auto kLabel = QAccessible::StaticText;
constexpr auto kPicture = QAccessible::Graphic;
constexpr auto kLink = QAccessible::Link;

TEST(AccessibleNames, MainWindowEntriesSayWhoseTheyAreAndListsTheirItem) {
    ReadingWindows run;
    ExpectSpoken(
        run.Main(),
        {
            {"fraYourDetails", QAccessible::Grouping, "Enter Your Details"},
            {"txtName", kText, "Your name"},
            {"cboDate", kList, "Your day of birth: 1"},
            {"cboMonth", kList, "Your month of birth: January"},
            {"cboYear", kList, "Your year of birth: 1930"},
            {"fraPartnerDetails", QAccessible::Grouping, "Enter Your Partner's Details"},
            {"txtFriendName", kText, "Partner's name"},
            {"cboFriendDate", kList, "Partner's day of birth: 1"},
            {"cboFriendMonth", kList, "Partner's month of birth: January"},
            {"cboFriendYear", kList, "Partner's year of birth: 1930"},
            {"cmdCompatibilityWithFriend", kButton, "Get our romantic compatibility reading"},
            {"cmdExit", kButton, "Exit"},
        });
}

TEST(AccessibleNames, AListsNameFollowsThePickedItemAndItsPurposeStays) {
    ReadingWindows run;
    run.Fill({QStringLiteral("ALEX"), 7, QStringLiteral("March"), 1975},
             {QStringLiteral("SAM"), 23, QStringLiteral("November"), 2012});
    ExpectSpoken(run.Main(), {
                                 {"cboDate", kList, "Your day of birth: 7"},
                                 {"cboMonth", kList, "Your month of birth: March"},
                                 {"cboYear", kList, "Your year of birth: 1975"},
                                 {"cboFriendDate", kList, "Partner's day of birth: 23"},
                                 {"cboFriendMonth", kList, "Partner's month of birth: November"},
                                 {"cboFriendYear", kList, "Partner's year of birth: 2012"},
                             });
    QComboBox& month = run.List("cboFriendMonth");
    EXPECT_EQ(month.accessibleName(), QStringLiteral("Partner's month of birth"));
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(&month);
    EXPECT_EQ(described->text(QAccessible::Value), QStringLiteral("November"));
    // The items stay reachable, as under any list.
    ASSERT_EQ(described->childCount(), 1);
    EXPECT_EQ(described->child(0)->object(), static_cast<QObject*>(month.view()));
    EXPECT_EQ(described->indexOfChild(described->child(0)), 0);
}

TEST(AccessibleNames, AListOpensAndClosesFromAScreenReader) {
    ReadingWindows run;
    QComboBox& day = run.List("cboDate");
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(&day)->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(day.view()->isVisible());
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(day.view()->isVisible());
    actions->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_TRUE(day.hasFocus());
}

QString Paragraph(int number) {
    const std::string_view paragraph = CategoryFor(number)->paragraph;
    return QString::fromUtf8(paragraph.data(), static_cast<qsizetype>(paragraph.size()));
}

TEST(AccessibleNames, EveryResultValueIsReadWithItsCaption) {
    ReadingWindows run;
    run.Fill({QStringLiteral("ALEX MORGAN"), 7, QStringLiteral("March"), 1975},
             {QStringLiteral("SAM RIVERS"), 23, QStringLiteral("November"), 1978});
    run.AskForReading();
    ASSERT_NE(run.Display(), nullptr);
    frmDisplay& display = *run.Display();
    // Aquarius to Scorpio counts 10 (Green, Fiery), Aries to Sagittarius 9
    // (Magenta, Happening).
    ExpectSpoken(
        display,
        {
            {"lblYourName", kLabel, "Your name: ALEX MORGAN"},
            {"lblYourDateofBirth", kLabel, "Your date of birth: 7/March/1975"},
            {"lblYourPartnerName", kLabel, "Your partner's name: SAM RIVERS"},
            {"lblYourPartnerDateofBirth", kLabel, "Your partner's date of birth: 23/November/1978"},
            {"lblYourMarsSign", kLabel, "Your Mars sign: Aquarius"},
            {"lblYourPartnerVenusSign", kLabel, "Your partner's Venus sign: Scorpio"},
            {"lblYourVenusSign", kLabel, "Your Venus sign: Aries"},
            {"lblYourPartnersMarsSign", kLabel, "Your partner's Mars sign: Sagittarius"},
            {"picColorOne", kPicture, "First reading colour: Green"},
            {"lblColorNameOne", kLabel, "First reading colour name: Green"},
            {"lblkeywordsOne", kLabel, "First reading keywords: Fiery"},
            {"picColorTwo", kPicture, "Second reading colour: Magenta"},
            {"lblColorNameTwo", kLabel, "Second reading colour name: Magenta"},
            {"lblkeywordsTwo", kLabel, "Second reading keywords: Happening"},
            {"cmdBack", kButton, "Back"},
            {"cmdExit", kButton, "Exit"},
        });
    EXPECT_EQ(SpokenAs(display, "lblCompatibilityOne").name,
              QStringLiteral("First reading romantic compatibility: ") + Paragraph(10));
    EXPECT_EQ(SpokenAs(display, "lblCompatibilityTwo").name,
              QStringLiteral("Second reading romantic compatibility: ") + Paragraph(9));
    // The captions beside the values keep their own text.
    EXPECT_EQ(SpokenAs(display, "lblKeywordsOneCaption"), (Spoken{kLabel, "Keywords"}));
}

TEST(AccessibleNames, ReferAFriendAndAboutControlsAreNamed) {
    ReadingWindows run;
    ExpectSpoken(run.windows.ReferAFriend(),
                 {
                     {"Check1", QAccessible::CheckBox, "Visit www.quillmoor.com now"},
                     {"cmdClose", kButton, "Exit"},
                     {"txtName", kText, "Your Name"},
                     {"txtEmail", kText, "Your Email Address"},
                     {"txtFriendName", kText, "Friend's Name"},
                     {"txtFriendEmail", kText, "Friend's Email Address"},
                     {"cmdSubmit", kButton, "Refer a friend now"},
                 });
    // The hint leaves the box when the user types; the name does not.
    QLineEdit& email = Find<QLineEdit>(run.windows.ReferAFriend(), "txtEmail");
    email.setText(QStringLiteral("ann@example.com"));
    EXPECT_EQ(SpokenAs(run.windows.ReferAFriend(), "txtEmail").name,
              QStringLiteral("Your Email Address"));

    frmAbout about(run.platform, nullptr);
    ExpectSpoken(about, {
                            {"cmdOK", kButton, "OK"},
                            {"lblHomePage", kLink, "Click here to visit https://www.quillmoor.com"},
                            {"Label5", kLink, "Click here for more details"},
                            {"Label6", kLabel,
                             "Home Business Opportunity. Start your own Internet business and "
                             "make money online. Get this software fully branded for your "
                             "website."},
                        });
}

enum class Window { Main, Display, ReferAFriend, About };

struct LinkCase {
    Window window;
    const char* control;
    QString opens;
};

// Runs check on the window, opened as a user would reach it.
void WithWindow(ReadingWindows& run, Window which, const std::function<void(QWidget&)>& check) {
    switch (which) {
        case Window::Main:
            check(run.Main());
            return;
        case Window::Display:
            run.Fill({QStringLiteral("ANN")}, {QStringLiteral("BOB")});
            run.AskForReading();
            ASSERT_NE(run.Display(), nullptr);
            check(*run.Display());
            return;
        case Window::ReferAFriend:
            check(run.windows.ReferAFriend());
            return;
        case Window::About: {
            frmAbout about(run.platform, nullptr);
            check(about);
            return;
        }
    }
}

TEST(AccessibleNames, EveryLinkLabelReadsAsALinkAndPressingItOpensItsPage) {
    const QString home = Page(sites::kMainHost, "");
    const QString fullBrand = Page(sites::kHelpHost, "/fully-branded.html");
    const LinkCase links[] = {
        {Window::Main, "Label61", home},
        {Window::Main, "Label2", fullBrand},
        {Window::Main, "lblCobrand", Page(sites::kHelpHost, "/co-brand.html")},
        {Window::Main, "lblFullBrand", fullBrand},
        {Window::Display, "Label61", home},
        {Window::Display, "Label1", fullBrand},
        {Window::Display, "lblCobrand", Page(sites::kHelpHost, "/co-brand.html")},
        {Window::ReferAFriend, "lblGoToHome", Page(sites::kMainHost, "/quillmoorsoftwares")},
        {Window::About, "lblHomePage", home},
        {Window::About, "Label5", fullBrand},
    };
    for (const LinkCase& link : links) {
        ReadingWindows run;
        if (link.window == Window::Main)
            testing::BringUpOffer(run.Main(), link.control);
        WithWindow(run, link.window, [&](QWidget& window) {
            QLabel& label = Find<QLabel>(window, link.control);
            EXPECT_EQ(SpokenAs(window, link.control), (Spoken{kLink, label.text()}))
                << link.control;
            QAccessibleActionInterface* actions =
                QAccessible::queryAccessibleInterface(&label)->actionInterface();
            ASSERT_NE(actions, nullptr) << link.control;
            ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
                << link.control;
            actions->doAction(QAccessibleActionInterface::pressAction());
            EXPECT_EQ(run.platform.opened, std::vector<QString>{link.opens}) << link.control;
        });
    }
}

// While a screen reader listens, Qt describes a label as soon as its text is
// set, before the window can mark it as a link.
TEST(AccessibleNames, ALabelDescribedBeforeItBecameALinkReadsAsALink) {
    QLabel label(QStringLiteral("Click here for more details"));
    ASSERT_EQ(QAccessible::queryAccessibleInterface(&label)->role(), kLabel);
    ShowAsLink(&label);
    EXPECT_EQ(SpokenAs(label), (Spoken{kLink, QStringLiteral("Click here for more details")}));
}

// A control added later without a name would be read out as its contents or not at all.
TEST(AccessibleNames, NoEntryListOrButtonOfAnyWindowIsLeftUnnamed) {
    for (Window which : {Window::Main, Window::Display, Window::ReferAFriend, Window::About}) {
        ReadingWindows run;
        WithWindow(run, which, [](QWidget& window) {
            int controls = 0;
            const auto expectNamed = [&](QWidget* control) {
                // Qt's own parts (the menu bar's overflow button) name themselves.
                if (control->objectName().startsWith(QLatin1String("qt_")))
                    return;
                ++controls;
                EXPECT_FALSE(control->accessibleName().trimmed().isEmpty())
                    << window.objectName().toStdString() << " "
                    << control->objectName().toStdString();
            };
            for (QWidget* control : window.findChildren<QLineEdit*>())
                expectNamed(control);
            for (QWidget* control : window.findChildren<QPlainTextEdit*>())
                expectNamed(control);
            for (QWidget* control : window.findChildren<QComboBox*>())
                expectNamed(control);
            for (QWidget* control : window.findChildren<QAbstractButton*>())
                expectNamed(control);
            EXPECT_GT(controls, 0) << window.objectName().toStdString();
        });
    }
}

}  // namespace
}  // namespace amorist
