// What a reading request puts on screen: the sixteen values of the result
// window, the window switch, and Back returning to the entries as they were.
#include <QAction>
#include <map>

#include "core/compatibility/reading_content.h"
#include "tests/ui/test_frmMain_driver.h"

namespace amorist {
namespace {

using testing::DeleteClosedWindows;
using testing::Entries;
using testing::Find;
using testing::ReadingWindows;

using Shown = std::map<std::string, QString>;

const char* const kTextValues[] = {"lblYourName",         "lblYourDateofBirth",
                                   "lblYourPartnerName",  "lblYourPartnerDateofBirth",
                                   "lblYourMarsSign",     "lblYourPartnerVenusSign",
                                   "lblYourVenusSign",    "lblYourPartnersMarsSign",
                                   "lblColorNameOne",     "lblkeywordsOne",
                                   "lblCompatibilityOne", "lblColorNameTwo",
                                   "lblkeywordsTwo",      "lblCompatibilityTwo"};

QString SwatchColour(ReadingWindows& run, const char* picture) {
    const QImage image = Find<QLabel>(*run.Display(), picture).pixmap().toImage();
    if (image.size() != QSize(50, 50))
        return QStringLiteral("not a 50 x 50 picture");
    return image.pixelColor(25, 25).name();
}

// All sixteen controls a request writes, swatches as their colour.
Shown ShownValues(ReadingWindows& run) {
    Shown shown;
    for (const char* label : kTextValues)
        shown[label] = run.Shown(label);
    shown["picColorOne"] = SwatchColour(run, "picColorOne");
    shown["picColorTwo"] = SwatchColour(run, "picColorTwo");
    return shown;
}

QString Paragraph(int number) {
    const std::string_view paragraph = CategoryFor(number)->paragraph;
    return QString::fromUtf8(paragraph.data(), static_cast<qsizetype>(paragraph.size()));
}

// A couple and everything their reading must show.
struct Couple {
    Entries you;
    Entries partner;
    Shown expected;
};

Couple AlexAndSam() {
    return {{QStringLiteral("ALEX MORGAN"), 7, QStringLiteral("March"), 1975},
            {QStringLiteral("SAM RIVERS"), 23, QStringLiteral("November"), 1978},
            {{"lblYourName", "ALEX MORGAN"},
             {"lblYourDateofBirth", "7/March/1975"},
             {"lblYourPartnerName", "SAM RIVERS"},
             {"lblYourPartnerDateofBirth", "23/November/1978"},
             {"lblYourMarsSign", "Aquarius"},
             {"lblYourPartnerVenusSign", "Scorpio"},
             {"lblYourVenusSign", "Aries"},
             {"lblYourPartnersMarsSign", "Sagittarius"},
             // Aquarius to Scorpio counts 10, Aries to Sagittarius 9.
             {"picColorOne", "#008484"},
             {"lblColorNameOne", "Green"},
             {"lblkeywordsOne", "Fiery"},
             {"lblCompatibilityOne", Paragraph(10)},
             {"picColorTwo", "#b55294"},
             {"lblColorNameTwo", "Magenta"},
             {"lblkeywordsTwo", "Happening"},
             {"lblCompatibilityTwo", Paragraph(9)}}};
}

Couple IdaAndLeo() {
    return {{QStringLiteral("IDA"), 20, QStringLiteral("July"), 1969},
            {QStringLiteral("LEO"), 8, QStringLiteral("August"), 1988},
            {{"lblYourName", "IDA"},
             {"lblYourDateofBirth", "20/July/1969"},
             {"lblYourPartnerName", "LEO"},
             {"lblYourPartnerDateofBirth", "8/August/1988"},
             {"lblYourMarsSign", "Sagittarius"},
             {"lblYourPartnerVenusSign", "Cancer"},
             {"lblYourVenusSign", "Gemini"},
             {"lblYourPartnersMarsSign", "Aries"},
             // Sagittarius to Cancer counts 8, Gemini to Aries 11.
             {"picColorOne", "#c6c67b"},
             {"lblColorNameOne", "Olive"},
             {"lblkeywordsOne", "Magnetic"},
             {"lblCompatibilityOne", Paragraph(8)},
             {"picColorTwo", "#d6d6ff"},
             {"lblColorNameTwo", "Purple"},
             {"lblkeywordsTwo", "Understanding"},
             {"lblCompatibilityTwo", Paragraph(11)}}};
}

void ExpectShown(ReadingWindows& run, const Shown& expected, const char* when) {
    ASSERT_NE(run.Display(), nullptr) << when;
    const Shown shown = ShownValues(run);
    for (const auto& [control, value] : expected) {
        EXPECT_EQ(shown.at(control), value) << control << " " << when;
    }
}

TEST(RequestReading, FillsAllSixteenControlsAndPutsTheResultWindowInPlaceOfTheMainWindow) {
    ReadingWindows run;
    const Couple couple = AlexAndSam();
    run.Fill(couple.you, couple.partner);
    run.AskForReading();

    ExpectShown(run, couple.expected, "first reading");
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_FALSE(run.Main().isVisible());
    EXPECT_TRUE(ReadingWindows::Visible(run.Display()));
    EXPECT_FALSE(ReadingWindows::Visible(run.windows.LoadedReferAFriend()));
}

TEST(RequestReading, ASecondRequestAfterBackShowsOnlyTheSecondCouplesValuesInAFreshWindow) {
    ReadingWindows run;
    const Couple first = AlexAndSam();
    const Couple second = IdaAndLeo();
    run.Fill(first.you, first.partner);
    run.AskForReading();
    QPointer<frmDisplay> firstWindow = run.Display();
    Find<QPushButton>(*firstWindow, "cmdBack").click();
    DeleteClosedWindows();
    EXPECT_TRUE(firstWindow.isNull());

    run.Fill(second.you, second.partner);
    run.AskForReading();

    ExpectShown(run, second.expected, "second reading");
    const Shown firstShown = first.expected;
    const Shown secondShown = ShownValues(run);
    for (const auto& [control, value] : firstShown) {
        EXPECT_NE(secondShown.at(control), value) << control << " kept the first reading";
    }
}

TEST(RequestReading, ExchangingTheTwoPeopleSwapsTheReadingsWithTheirCategoryAndColour) {
    ReadingWindows run;
    const Couple couple = AlexAndSam();
    run.Fill(couple.partner, couple.you);
    run.AskForReading();

    const Shown shown = ShownValues(run);
    EXPECT_EQ(shown.at("lblkeywordsOne"), couple.expected.at("lblkeywordsTwo"));
    EXPECT_EQ(shown.at("picColorOne"), couple.expected.at("picColorTwo"));
    EXPECT_EQ(shown.at("lblkeywordsTwo"), couple.expected.at("lblkeywordsOne"));
    EXPECT_EQ(shown.at("lblColorNameTwo"), couple.expected.at("lblColorNameOne"));
    EXPECT_EQ(shown.at("lblYourMarsSign"), couple.expected.at("lblYourPartnersMarsSign"));
}

TEST(RequestReading, NamesAreShownExactlyAsEnteredAndAsPlainText) {
    const QString names[][2] = {
        {QStringLiteral("  ANN "), QStringLiteral(" BOB  ")},
        {QStringLiteral("<b>x</b>"), QStringLiteral("<img src=\"heart.png\">")},
        {QStringLiteral("a&b"), QStringLiteral("O'Neil-\u00e9")},
    };
    for (const auto& [yours, partners] : names) {
        ReadingWindows run;
        // Pasted text does not pass the key filter, so anything can arrive here.
        run.Fill({yours}, {partners});
        run.AskForReading();

        EXPECT_EQ(run.Shown("lblYourName"), yours);
        EXPECT_EQ(run.Shown("lblYourPartnerName"), partners);
        for (const char* label : kTextValues) {
            EXPECT_EQ(Find<QLabel>(*run.Display(), label).textFormat(), Qt::PlainText) << label;
        }
    }
}

TEST(RequestReading, TheMenuEntryGivesTheSameReadingAsTheButton) {
    const Couple couple = IdaAndLeo();
    ReadingWindows byButton;
    byButton.Fill(couple.you, couple.partner);
    byButton.AskForReading();
    ReadingWindows byMenu;
    byMenu.Fill(couple.you, couple.partner);
    Find<QAction>(byMenu.Main(), "mnuGeCompatibilityWithFriend").trigger();

    ASSERT_NE(byMenu.Display(), nullptr);
    EXPECT_EQ(ShownValues(byMenu), ShownValues(byButton));
    EXPECT_FALSE(byMenu.Main().isVisible());
}

TEST(RequestReading, BackShowsTheMainWindowWithEveryEntryAsLeft) {
    const char* const lists[] = {"cboDate",       "cboMonth",       "cboYear",
                                 "cboFriendDate", "cboFriendMonth", "cboFriendYear"};
    ReadingWindows run;
    const Couple couple = AlexAndSam();
    run.Fill(couple.you, couple.partner);
    run.AskForReading();
    Find<QPushButton>(*run.Display(), "cmdBack").click();
    DeleteClosedWindows();

    EXPECT_EQ(run.Display(), nullptr);
    EXPECT_TRUE(run.Main().isVisible());
    EXPECT_EQ(run.Box("txtName").text(), couple.you.name);
    EXPECT_EQ(run.Box("txtFriendName").text(), couple.partner.name);
    QStringList picked;
    for (const char* list : lists)
        picked << run.List(list).currentText();
    EXPECT_EQ(picked.join(u' '), QStringLiteral("7 March 1975 23 November 1978"));
    for (const char* list : {"cboDate", "cboFriendDate"}) {
        EXPECT_EQ(run.List(list).count(), 31) << "Back must not fill the lists again";
    }

    run.AskForReading();
    ExpectShown(run, couple.expected, "the same reading again");
}

}  // namespace
}  // namespace amorist
