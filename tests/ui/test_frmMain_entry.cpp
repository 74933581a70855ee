// The main window's entries: the lists as loaded, the name boxes' key filter,
// the tab order, and what Enter and Esc do.
#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>

#include "tests/ui/test_frmMain_driver.h"

namespace amorist {
namespace {

using testing::DeleteClosedWindows;
using testing::PressKey;
using testing::ReadingWindows;
using testing::ShownMessage;

const char* const kNameBoxes[] = {"txtName", "txtFriendName"};
const QString kOnlyLetters = QStringLiteral("Please Enter Only Letters !");

QStringList Items(const QComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

QStringList Numbers(int first, int last) {
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers;
}

TEST(MainEntries, ListsHoldTheirItemsWithTheFirstPickedAndNamesStartEmpty) {
    const QStringList months = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
    const struct {
        const char* list;
        QStringList items;
    } expected[] = {
        {"cboDate", Numbers(1, 31)},      {"cboMonth", months},
        {"cboYear", Numbers(1930, 2012)}, {"cboFriendDate", Numbers(1, 31)},
        {"cboFriendMonth", months},       {"cboFriendYear", Numbers(1930, 2012)},
    };
    ReadingWindows run;
    for (const auto& [list, items] : expected) {
        EXPECT_EQ(Items(run.List(list)), items) << list;
        EXPECT_EQ(run.List(list).currentIndex(), 0) << list;
        EXPECT_FALSE(run.List(list).isEditable()) << list << " must be pick-only";
    }
    for (const char* box : kNameBoxes)
        EXPECT_TRUE(run.Box(box).text().isEmpty()) << box;
    EXPECT_EQ(QApplication::focusWidget(), &run.Box("txtName"));
}

TEST(MainEntries, PickingWithTheKeyboardWorksAndTheDayListNeverChanges) {
    ReadingWindows run;
    QComboBox& month = run.List("cboMonth");
    QTest::keyClick(&month, Qt::Key_Down);
    QTest::keyClick(&month, Qt::Key_End);
    QTest::keyClick(&month, Qt::Key_Up);
    EXPECT_EQ(month.currentText(), QStringLiteral("November"));
    run.Pick("cboMonth", QStringLiteral("February"));
    run.Pick("cboYear", QStringLiteral("1931"));
    EXPECT_EQ(run.List("cboDate").count(), 31);
    EXPECT_TRUE(run.platform.messages.empty());
}

struct Typing {
    const char* what;
    QString keys;
    QString shown;
    std::size_t refusals;
};

TEST(MainEntries, NameBoxesTakeLettersAsCapitalsAndSpacesAndRefuseEverythingElse) {
    const Typing cases[] = {
        {"first and last name", QStringLiteral("ann lee"), QStringLiteral("ANN LEE"), 0},
        {"capitals stay", QStringLiteral("Ann LEE"), QStringLiteral("ANN LEE"), 0},
        {"apostrophe", QStringLiteral("o'neil"), QStringLiteral("ONEIL"), 1},
        {"hyphen", QStringLiteral("mary-jane"), QStringLiteral("MARYJANE"), 1},
        {"digits", QStringLiteral("r2d2"), QStringLiteral("RD"), 2},
        {"accented letters", QStringLiteral("jos\u00e9 \u00c5sa"), QStringLiteral("JOS SA"), 2},
        {"punctuation", QStringLiteral("a.b,c!"), QStringLiteral("ABC"), 3},
        {"tags", QStringLiteral("<b>"), QStringLiteral("B"), 2},
    };
    for (const char* box : kNameBoxes) {
        for (const Typing& typing : cases) {
            ReadingWindows run;
            QLineEdit& name = run.Box(box);
            name.setFocus();
            testing::TypeText(name, typing.keys);

            EXPECT_EQ(name.text(), typing.shown) << box << ": " << typing.what;
            const std::vector<ShownMessage> refusals(typing.refusals,
                                                     {kOnlyLetters, MessageIcon::Information});
            EXPECT_EQ(run.platform.messages, refusals) << box << ": " << typing.what;
            EXPECT_TRUE(run.Main().isVisible()) << box << ": " << typing.what;
        }
    }
}

TEST(MainEntries, ControlCharactersAreRefusedSoCtrlVPastesNothing) {
    const struct {
        Qt::Key key;
        const char* text;
    } controlKeys[] = {
        {Qt::Key_V, "\x16"},
        {Qt::Key_C, "\x03"},
        {Qt::Key_A, "\x01"},
        {Qt::Key_X, "\x18"},
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted text"));
    for (const char* box : kNameBoxes) {
        for (const auto& [key, text] : controlKeys) {
            ReadingWindows run;
            QLineEdit& name = run.Box(box);
            QTest::keyClicks(&name, QStringLiteral("ann"));
            PressKey(name, key, QString::fromLatin1(text), Qt::ControlModifier);

            EXPECT_EQ(name.text(), QStringLiteral("ANN")) << box << " " << int(text[0]);
            ASSERT_EQ(run.platform.messages.size(), 1u) << box << " " << int(text[0]);
            EXPECT_EQ(run.platform.messages[0].text, kOnlyLetters);
        }
    }
}

TEST(MainEntries, KeysThatTypeNothingPassTheFilter) {
    ReadingWindows run;
    QLineEdit& name = run.Box("txtName");
    QTest::keyClicks(&name, QStringLiteral("ac"));
    QTest::keyClick(&name, Qt::Key_Left);
    QTest::keyClicks(&name, QStringLiteral("b"));
    EXPECT_EQ(name.text(), QStringLiteral("ABC"));

    QTest::keyClick(&name, Qt::Key_Home);
    // The X11 backend reports Delete with the text "\x7f".
    PressKey(name, Qt::Key_Delete, QStringLiteral("\x7f"));
    EXPECT_EQ(name.text(), QStringLiteral("BC"));
    QTest::keyClick(&name, Qt::Key_End);
    PressKey(name, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(name.text(), QStringLiteral("B"));

    QGuiApplication::clipboard()->setText(QStringLiteral("o'neil 2"));
    QTest::keyClick(&name, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(name.text(), QStringLiteral("Bo'neil 2")) << "Shift+Insert pastes unfiltered";
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_FALSE(name.testAttribute(Qt::WA_InputMethodEnabled))
        << "dead keys would slip accented letters past the filter";

    // A long pasted name stays whole.
    const QString longName(40000, u'A');
    QGuiApplication::clipboard()->setText(longName);
    name.clear();
    QTest::keyClick(&name, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(name.text().size(), longName.size());
}

TEST(MainEntries, TabMovesThroughTheEntriesThenTheTwoButtonsAndBackTabReturns) {
    const char* const order[] = {"txtName",        "cboDate",       "cboMonth",
                                 "cboYear",        "txtFriendName", "cboFriendDate",
                                 "cboFriendMonth", "cboFriendYear", "cmdCompatibilityWithFriend",
                                 "cmdExit",        "txtName"};
    ReadingWindows run;
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        // Tab reports the text "\t"; it must move the focus, not type.
        PressKey(*QApplication::focusWidget(), Qt::Key_Tab, QStringLiteral("\t"));
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), order[i]);
    }
    PressKey(*QApplication::focusWidget(), Qt::Key_Backtab, QString(), Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String("cmdExit"));
    EXPECT_TRUE(run.Box("txtName").text().isEmpty());
    EXPECT_TRUE(run.platform.messages.empty());
}

// Closing the main window hands over to the refer-a-friend window.
void ExpectMainClosed(ReadingWindows& run, const char* how) {
    DeleteClosedWindows();
    EXPECT_EQ(run.windows.LoadedMain(), nullptr) << how;
    EXPECT_TRUE(ReadingWindows::Visible(run.windows.LoadedReferAFriend())) << how;
    EXPECT_EQ(run.Display(), nullptr) << how;
    EXPECT_TRUE(run.platform.messages.empty()) << how;
}

TEST(MainKeys, EscAnywhereAndEnterOffTheButtonsActAsExit) {
    const char* const focusable[] = {
        "txtName",        "cboDate",       "cboMonth",
        "cboYear",        "txtFriendName", "cboFriendDate",
        "cboFriendMonth", "cboFriendYear", "cmdCompatibilityWithFriend"};
    const struct {
        Qt::Key key;
        const char* text;
    } keys[] = {{Qt::Key_Escape, "\x1b"}, {Qt::Key_Return, "\r"}, {Qt::Key_Enter, "\r"}};
    for (const auto& [key, text] : keys) {
        for (const char* control : focusable) {
            const bool onTheReadingButton =
                std::string_view(control) == "cmdCompatibilityWithFriend";
            if (onTheReadingButton && key != Qt::Key_Escape)
                continue;
            ReadingWindows run;
            run.Box("txtName").setText(QStringLiteral("ANN"));
            QWidget& target = testing::Find<QWidget>(run.Main(), control);
            target.setFocus();
            PressKey(target, key, QString::fromLatin1(text));
            ExpectMainClosed(run, control);
        }
    }
}

TEST(MainKeys, EnterPressesTheFocusedButton) {
    {
        ReadingWindows run;
        run.Fill({QStringLiteral("ANN")}, {QStringLiteral("BOB")});
        QPushButton& reading = run.Button("cmdCompatibilityWithFriend");
        reading.setFocus();
        PressKey(reading, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_TRUE(ReadingWindows::Visible(run.Display()));
        EXPECT_FALSE(run.Main().isVisible());
    }
    {
        ReadingWindows run;
        QPushButton& exit = run.Button("cmdExit");
        exit.setFocus();
        PressKey(exit, Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
        ExpectMainClosed(run, "Enter on Exit");
    }
}

TEST(MainKeys, EscWithAListDroppedDownOnlyClosesTheList) {
    ReadingWindows run;
    QComboBox& month = run.List("cboMonth");
    month.setFocus();
    month.showPopup();
    QWidget* popup = month.view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));

    PressKey(*month.view(), Qt::Key_Escape, QStringLiteral("\x1b"));
    DeleteClosedWindows();

    EXPECT_FALSE(popup->isVisible());
    ASSERT_NE(run.windows.LoadedMain(), nullptr);
    EXPECT_TRUE(run.Main().isVisible());
    EXPECT_EQ(run.windows.LoadedReferAFriend(), nullptr);
}

}  // namespace
}  // namespace amorist
