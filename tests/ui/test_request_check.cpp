// The check a reading request runs first: which entry is refused, with which
// message, where the focus goes, and that a refused request changes nothing.
#include "tests/ui/test_frmMain_driver.h"

namespace amorist {
namespace {

using testing::Entries;
using testing::Find;
using testing::ReadingWindows;
using testing::ShownMessage;

const QString kAnn = QStringLiteral("ANN");
const QString kBob = QStringLiteral("BOB");
const QString kFeb = QStringLiteral("February");

struct RefusedCase {
    const char* what;
    Entries you;
    Entries partner;
    const char* message;
    const char* focusAfter;  // the control that has the focus afterwards
};

const RefusedCase kRefused[] = {
    {"nothing entered", {}, {}, "Please Enter Your Name", "txtName"},
    {"a name of spaces passes, the partner's is missing",
     {QStringLiteral("   ")},
     {},
     "Please Enter Your Partner's Name",
     "txtFriendName"},
    {"your 30 February",
     {kAnn, 30, kFeb, 1992},
     {kBob},
     "Please Enter Your Correct Date of Birth!",
     "cmdCompatibilityWithFriend"},
    {"your 31 February comes before the partner's name",
     {kAnn, 31, kFeb, 1990},
     {},
     "Please Enter Your Correct Date of Birth!",
     "cmdCompatibilityWithFriend"},
    {"your 31 April",
     {kAnn, 31, QStringLiteral("April")},
     {kBob},
     "Please Enter Correct Date of Birth !",
     "cmdCompatibilityWithFriend"},
    {"your 31 June",
     {kAnn, 31, QStringLiteral("June"), 1975},
     {kBob},
     "Please Enter Correct Date of Birth !",
     "cmdCompatibilityWithFriend"},
    {"your 31 September",
     {kAnn, 31, QStringLiteral("September")},
     {kBob},
     "Please Enter Correct Date of Birth !",
     "cmdCompatibilityWithFriend"},
    {"your 31 November comes before the partner's name",
     {kAnn, 31, QStringLiteral("November")},
     {},
     "Please Enter Correct Date of Birth !",
     "cmdCompatibilityWithFriend"},
    {"your 29 February 1990 comes after the partner's name",
     {kAnn, 29, kFeb, 1990},
     {},
     "Please Enter Your Partner's Name",
     "txtFriendName"},
    {"your 29 February 1990",
     {kAnn, 29, kFeb, 1990},
     {kBob},
     "Please Enter Correct Date Or Month!",
     "cmdCompatibilityWithFriend"},
    {"partner's 29 February 2001",
     {kAnn},
     {kBob, 29, kFeb, 2001},
     "Please Enter Correct Date Or Month Of Your Friend!",
     "cmdCompatibilityWithFriend"},
    {"partner's 30 February 2004",
     {kAnn},
     {kBob, 30, kFeb, 2004},
     "Please Enter Correct Date Or Month Of Your Friend!",
     "cmdCompatibilityWithFriend"},
    {"partner's 31 February",
     {kAnn},
     {kBob, 31, kFeb, 1960},
     "Please Enter Correct Date Or Month Of Your Friend!",
     "cmdCompatibilityWithFriend"},
    {"partner's 31 November",
     {kAnn},
     {kBob, 31, QStringLiteral("November")},
     "Please Enter Correct Date Or Month Of Your Friend !",
     "cmdCompatibilityWithFriend"},
    {"partner's 31 June",
     {kAnn},
     {kBob, 31, QStringLiteral("June"), 2012},
     "Please Enter Correct Date Or Month Of Your Friend !",
     "cmdCompatibilityWithFriend"},
    {"your date is checked before your partner's",
     {kAnn, 29, kFeb, 1931},
     {kBob, 31, QStringLiteral("April")},
     "Please Enter Correct Date Or Month!",
     "cmdCompatibilityWithFriend"},
};

TEST(RequestCheck, EachRefusalShowsItsMessageOnceMovesFocusAndMakesNoReading) {
    for (const RefusedCase& refused : kRefused) {
        ReadingWindows run;
        run.Fill(refused.you, refused.partner);
        // The user reached the button with the keyboard and pressed it.
        run.Button("cmdCompatibilityWithFriend").setFocus();
        run.AskForReading();

        const std::vector<ShownMessage> expected{
            {QString::fromUtf8(refused.message), MessageIcon::Information}};
        EXPECT_EQ(run.platform.messages, expected) << refused.what;
        ASSERT_NE(QApplication::focusWidget(), nullptr) << refused.what;
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), refused.focusAfter)
            << refused.what;
        EXPECT_EQ(run.Display(), nullptr) << refused.what;
        EXPECT_TRUE(run.Main().isVisible()) << refused.what;
        EXPECT_TRUE(run.session.core().YourMarsSign.empty()) << "no lookup: " << refused.what;
        EXPECT_EQ(run.Box("txtName").text(), refused.you.name) << refused.what;
        EXPECT_EQ(run.List("cboFriendDate").currentText().toInt(), refused.partner.day)
            << refused.what;
    }
}

struct AcceptedCase {
    const char* what;
    Entries you;
    Entries partner;
};

const AcceptedCase kAccepted[] = {
    {"your 29 February 1992", {kAnn, 29, kFeb, 1992}, {kBob}},
    {"your 29 February 1932", {kAnn, 29, kFeb, 1932}, {kBob}},
    {"your 29 February 2000", {kAnn, 29, kFeb, 2000}, {kBob}},
    {"your 29 February 2012", {kAnn, 29, kFeb, 2012}, {kBob}},
    {"your 31 July", {kAnn, 31, QStringLiteral("July"), 1975}, {kBob}},
    {"partner's 29 February 2004", {kAnn}, {kBob, 29, kFeb, 2004}},
    {"partner's 31 December 2012", {kAnn}, {kBob, 31, QStringLiteral("December"), 2012}},
    {"both names of spaces only", {QStringLiteral(" ")}, {QStringLiteral("  ")}},
};

TEST(RequestCheck, AcceptedEntriesGiveAReadingWithoutAnyMessage) {
    for (const AcceptedCase& accepted : kAccepted) {
        ReadingWindows run;
        run.Fill(accepted.you, accepted.partner);
        run.AskForReading();

        EXPECT_TRUE(run.platform.messages.empty()) << accepted.what;
        EXPECT_TRUE(ReadingWindows::Visible(run.Display())) << accepted.what;
        EXPECT_FALSE(run.Main().isVisible()) << accepted.what;
    }
}

TEST(RequestCheck, TheMenuEntryRefusesExactlyAsTheButtonDoes) {
    for (const RefusedCase& refused : kRefused) {
        ReadingWindows run;
        run.Fill(refused.you, refused.partner);
        Find<QAction>(run.Main(), "mnuGeCompatibilityWithFriend").trigger();

        ASSERT_EQ(run.platform.messages.size(), 1u) << refused.what;
        EXPECT_EQ(run.platform.messages[0].text, QString::fromUtf8(refused.message));
        EXPECT_EQ(run.Display(), nullptr) << refused.what;
    }
}

TEST(RequestCheck, ARefusedRequestLeavesTheShownReadingAsItWas) {
    ReadingWindows run;
    run.Fill({kAnn, 7, QStringLiteral("March"), 1975},
             {kBob, 23, QStringLiteral("November"), 1978});
    run.AskForReading();
    frmDisplay* shown = run.Display();
    ASSERT_NE(shown, nullptr);
    const char* labels[] = {"lblYourName",     "lblYourDateofBirth", "lblYourMarsSign",
                            "lblColorNameOne", "lblkeywordsTwo",     "lblCompatibilityTwo"};
    std::vector<QString> before;
    for (const char* label : labels)
        before.push_back(run.Shown(label));

    run.Fill({QStringLiteral("EVE"), 31, QStringLiteral("June"), 1999}, {kBob});
    run.AskForReading();

    EXPECT_EQ(run.platform.messages.size(), 1u);
    ASSERT_EQ(run.Display(), shown);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(run.Main().isVisible());
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        EXPECT_EQ(run.Shown(labels[i]), before[i]) << labels[i];
    }
}

}  // namespace
}  // namespace amorist
