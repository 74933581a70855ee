// The frame of the main and the result window: captions and sizes, menus,
// every link, the promotion texts, and texts that fit their boxes.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "core/compatibility/reading_content.h"
#include "tests/ui/test_frmMain_driver.h"
#include "translations/program_language.h"
#include "ui/link_label.h"
#include "ui/look.h"

namespace amorist {
namespace {

using testing::Find;
using testing::Page;
using testing::ReadingWindows;

enum class Which { Main, Display };

// The run's main window, or its result window after a reading.
QMainWindow& Open(ReadingWindows& run, Which which) {
    if (which == Which::Main)
        return run.Main();
    // Olive and Magnetic: the longest paragraph the readings have.
    run.Fill({QStringLiteral("IDA"), 20, QStringLiteral("July"), 1969},
             {QStringLiteral("LEO"), 8, QStringLiteral("August"), 1988});
    run.AskForReading();
    if (run.Display() == nullptr)
        throw std::runtime_error("the reading did not open");
    return *run.Display();
}

const char* NameOf(Which which) {
    return which == Which::Main ? "frmMain" : "frmDisplay";
}

QString Home() {
    return Page(sites::kMainHost, "");
}
QString FullBrand() {
    return Page(sites::kHelpHost, "/fully-branded.html");
}

struct Link {
    Which window;
    const char* control;
    QString address;
};

const Link kLinks[] = {
    {Which::Main, "Label61", Home()},
    {Which::Main, "Label2", FullBrand()},
    {Which::Main, "lblCobrand", Page(sites::kHelpHost, "/co-brand.html")},
    {Which::Main, "lblFullBrand", FullBrand()},
    {Which::Main, "mnuOnline", Page(sites::kProductHost, "/amorist-help.html")},
    {Which::Main, "mnuVisit", Home()},
    {Which::Main, "mnuUpdate", Page(sites::kProductHost, "/download-amorist.html")},
    {Which::Main, "mnuDonate", Page(sites::kHelpHost, "/donate.html")},
    {Which::Display, "Label61", Home()},
    {Which::Display, "Label1", FullBrand()},
    {Which::Display, "lblCobrand", Page(sites::kHelpHost, "/co-brand.html")},
    {Which::Display, "lblFullBrand", FullBrand()},
    {Which::Display, "mnuOnline", Page(sites::kProductHost, "/amorist-help.html")},
    {Which::Display, "mnuVisit", Home()},
    {Which::Display, "mnuUpdate", Page(sites::kProductHost, "/download-amorist.html")},
    {Which::Display, "mnuDonate", Page(sites::kHelpHost, "/donate.html")},
};

TEST(WindowLinks, EveryLinkLabelAndMenuEntryOpensExactlyItsPage) {
    for (const Link& link : kLinks) {
        ReadingWindows run;
        QMainWindow& window = Open(run, link.window);
        if (link.window == Which::Main)
            testing::BringUpOffer(run.Main(), link.control);
        if (auto* label = window.findChild<QLabel*>(QLatin1String(link.control))) {
            EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << link.control;
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            Find<QAction>(window, link.control).trigger();
        }
        EXPECT_EQ(run.platform.opened, std::vector<QString>{link.address})
            << NameOf(link.window) << " " << link.control;
        EXPECT_TRUE(window.isVisible()) << link.control << " must leave the window open";
    }
}

TEST(WindowLinks, TheHostsShownAreTheHostsOpened) {
    EXPECT_EQ(Home(), QStringLiteral("https://www.quillmoor.com"));
    for (Which which : {Which::Main, Which::Display}) {
        ReadingWindows run;
        EXPECT_EQ(Find<QLabel>(Open(run, which), "Label61").text(),
                  QStringLiteral("The Most Popular Online Quillmoor Discussion Board. Best "
                                 "Resource For Everything Quillmoor. Visit www.quillmoor.com Now"))
            << NameOf(which);
    }
}

TEST(WindowLinks, OnlyALeftClickReleasedOnTheLabelCounts) {
    ReadingWindows run;
    QLabel& banner = Find<QLabel>(run.Main(), "Label61");
    QTest::mouseClick(&banner, Qt::RightButton);
    QTest::mousePress(&banner, Qt::LeftButton);
    QTest::mouseRelease(&banner, Qt::LeftButton, {}, QPoint(-5, banner.height() + 5));
    EXPECT_TRUE(run.platform.opened.empty());
}

TEST(WindowLinks, ClickingAnyOtherLabelOrCaptionDoesNothing) {
    for (Which which : {Which::Main, Which::Display}) {
        ReadingWindows run;
        QMainWindow& window = Open(run, which);
        int clicked = 0;
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (qobject_cast<LinkLabel*>(label) != nullptr)
                continue;
            QTest::mouseClick(label, Qt::LeftButton);
            ++clicked;
        }
        for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
            QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(8, 4));
            ++clicked;
        }
        EXPECT_EQ(clicked, which == Which::Main ? 14 : 28) << NameOf(which);
        EXPECT_TRUE(run.platform.opened.empty()) << NameOf(which);
        EXPECT_TRUE(window.isVisible()) << NameOf(which);
    }
}

// Each bar entry as "name text", separators as "name -".
QStringList Shape(const QList<QAction*>& actions) {
    QStringList shape;
    for (const QAction* action : actions) {
        const QString name =
            action->menu() != nullptr ? action->menu()->objectName() : action->objectName();
        shape << name + u' ' + (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return shape;
}

TEST(WindowMenus, BothWindowsHaveTheirMenusInOrderWithAccessKeys) {
    const QStringList bar = {"mnuFile &File", "mnuHelp &Help", "mnuDonate &Donate",
                             "mnuMakeMoneyOnline Make Money &Online"};
    const struct {
        Which which;
        QStringList file;
        QStringList help;
    } expected[] = {
        {Which::Main,
         {"mnuGeCompatibilityWithFriend Get Our &Romantic Compatibility Reading", "mnuExit E&xit"},
         {"mnuOnline &Online Help", "mnuVisit &Visit Us Online", "mnuHelp1 -",
          "mnuUpdate Check for Software &Update", "mnuHelp2 -", "mnuAbout &About Software"}},
        {Which::Display,
         {"mnuFileBack &Back", "mnuSavePicture &Save Picture...", "mnuCopyPicture &Copy Picture",
          "mnuPrint &Print...", "mnuFileSepPicture -", "mnuExit E&xit"},
         {"mnuOnline &Online Help", "mnuVisit &Visit Us Online", "mnuFileSep1 -",
          "mnuUpdate &Check for Software Update", "mnuFileSep2 -", "mnuAbout &About Software"}},
    };
    for (const auto& [which, file, help] : expected) {
        ReadingWindows run;
        QMainWindow& window = Open(run, which);
        EXPECT_EQ(Shape(window.menuBar()->actions()), bar) << NameOf(which);
        EXPECT_EQ(Shape(Find<QMenu>(window, "mnuFile").actions()), file) << NameOf(which);
        EXPECT_EQ(Shape(Find<QMenu>(window, "mnuHelp").actions()), help) << NameOf(which);
    }
}

TEST(WindowMenus, DonateIsACommandOnTheBarAndMakeMoneyOnlineCannotBeChosen) {
    for (Which which : {Which::Main, Which::Display}) {
        ReadingWindows run;
        QMainWindow& window = Open(run, which);
        QMenuBar* bar = window.menuBar();
        QAction& makeMoney = Find<QAction>(window, "mnuMakeMoneyOnline");
        EXPECT_TRUE(makeMoney.isVisible()) << "shown greyed, not hidden";
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(&makeMoney).center());
        makeMoney.trigger();
        EXPECT_TRUE(run.platform.opened.empty()) << NameOf(which);

        QAction& donate = Find<QAction>(window, "mnuDonate");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(&donate).center());
        EXPECT_EQ(run.platform.opened, std::vector<QString>{Page(sites::kHelpHost, "/donate.html")})
            << NameOf(which);
    }
}

TEST(WindowMenus, AboutOpensModallyFromBothWindowsAndLeavesThemAsTheyWere) {
    for (Which which : {Which::Main, Which::Display}) {
        ReadingWindows run;
        QMainWindow& window = Open(run, which);
        QString seen;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* about = QApplication::activeModalWidget()) {
                seen = about->objectName() + u' ' + about->windowTitle();
                modal = about->isModal() && about->windowModality() == Qt::ApplicationModal;
                about->close();
            }
        });
        Find<QAction>(window, "mnuAbout").trigger();

        EXPECT_EQ(seen, QStringLiteral("frmAbout Amorist v1.0")) << NameOf(which);
        EXPECT_TRUE(modal) << NameOf(which);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << NameOf(which);
        EXPECT_TRUE(window.isVisible()) << NameOf(which);
        EXPECT_TRUE(run.platform.opened.empty()) << NameOf(which);
    }
}

TEST(WindowFrame, PromotionOffersReadLetterForLetterInBothWindows) {
    const QString coBrand = QStringLiteral(
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
        "your site's name &  link here. See \"Help\" for details.Click Here for more info on "
        "co-branding.");
    const QString fullBrand = QStringLiteral(
        "Home Business Opportunity. Start your own Internet business and make money online. Get "
        "this software fully branded for your website. Click here for more details.");
    for (Which which : {Which::Main, Which::Display}) {
        ReadingWindows run;
        QMainWindow& window = Open(run, which);
        if (which == Which::Main) {
            testing::BringUpOffer(run.Main(), "lblFullBrand");
            testing::BringUpOffer(run.Main(), "lblCobrand");
            EXPECT_FALSE(Find<QLabel>(window, "lblFullBrand").isVisible()) << "the one behind";
        }
        const QLabel& shownCoBrand = Find<QLabel>(window, "lblCobrand");
        EXPECT_EQ(shownCoBrand.text(), coBrand) << NameOf(which);
        EXPECT_EQ(shownCoBrand.text().count(QStringLiteral("  ")), 2);
        EXPECT_EQ(shownCoBrand.text().count(u'&'), 1);
        EXPECT_EQ(shownCoBrand.textFormat(), Qt::PlainText);
        EXPECT_EQ(Find<QLabel>(window, "lblFullBrand").text(), fullBrand) << NameOf(which);
        // The two offers share one place, so the one in front hides the other.
        EXPECT_EQ(shownCoBrand.geometry().topLeft().x(),
                  Find<QLabel>(window, "lblFullBrand").geometry().topLeft().x());
        EXPECT_TRUE(shownCoBrand.autoFillBackground()) << "opaque, to hide the one behind";
    }
}

TEST(WindowFrame, FixedClientAreaBelowTheMenusCaptionAndPlaceOnScreen) {
    const struct {
        Which which;
        QSize client;
    } expected[] = {{Which::Main, {524, 456}}, {Which::Display, {610, 565}}};
    for (const auto& [which, client] : expected) {
        ReadingWindows run;
        QMainWindow& window = Open(run, which);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Amorist v1.0"));
        EXPECT_FALSE(window.windowIcon().isNull()) << NameOf(which);
        EXPECT_EQ(window.centralWidget()->size(), client) << NameOf(which);
        EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "not resizable";
        EXPECT_GE(window.centralWidget()->y(), window.menuBar()->geometry().bottom());
        const QPoint screenCentre = window.screen()->availableGeometry().center();
        EXPECT_LE((window.geometry().center() - screenCentre).manhattanLength(), 40)
            << NameOf(which);
    }
}

// Where a control's text reaches: a label's text, which may end before its
// box; any other control's whole box. Edges may touch: the design lets a
// caption's empty top row meet the box above it.
QRect TextArea(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    QRect area = control->geometry();
    if (label != nullptr && !label->text().isEmpty()) {
        area.setSize(label->wordWrap()
                         ? QSize(label->width(), label->heightForWidth(label->width()))
                         : label->size().boundedTo(label->sizeHint()));
    }
    return area.adjusted(1, 1, -1, -1);
}

bool TakesPart(const QWidget* control) {
    return control->isVisibleTo(control->window()) &&
           (qobject_cast<const QLabel*>(control) || qobject_cast<const QAbstractButton*>(control) ||
            qobject_cast<const QComboBox*>(control) || qobject_cast<const QLineEdit*>(control) ||
            qobject_cast<const QGroupBox*>(control));
}

// Every visible text fits its own box, a wrapped one at no less than
// smallestPoints, and no text runs into a neighbouring control.
void ExpectEveryTextFits(QWidget& window, qreal smallestPoints, const std::string& where) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(&window))
            continue;
        const std::string name = where + " " + label->objectName().toStdString();
        // A label may reach past its frame, which then hides that part.
        const QRect parentArea = label->parentWidget()->rect();
        const QRect visible = label->geometry().intersected(parentArea);
        EXPECT_EQ(visible.left(), label->x()) << name;
        if (label->wordWrap()) {
            EXPECT_EQ(visible.width(), label->width()) << name;
            EXPECT_LE(label->heightForWidth(label->width()), visible.height()) << name;
            EXPECT_GE(label->font().pointSizeF(), smallestPoints) << name;
        } else {
            EXPECT_LE(label->sizeHint().width(), visible.width()) << name;
            EXPECT_LE(label->sizeHint().height(), visible.height()) << name;
        }
    }
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        const QString caption = button->text().remove(u'&');
        EXPECT_LT(button->fontMetrics().horizontalAdvance(caption), button->width() - 8)
            << where << " " << button->objectName().toStdString();
    }
    for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
        EXPECT_LT(group->fontMetrics().horizontalAdvance(group->title()), group->width() - 8)
            << where << " " << group->objectName().toStdString();
    }
    for (QCheckBox* box : window.findChildren<QCheckBox*>()) {
        EXPECT_LE(box->sizeHint().width(), box->width())
            << where << " " << box->objectName().toStdString();
    }
    // Every menu title on the bar, none pushed into an overflow menu.
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        for (QAction* menu : main->menuBar()->actions()) {
            const QRect title = main->menuBar()->actionGeometry(menu);
            EXPECT_TRUE(!title.isEmpty() && title.right() < main->menuBar()->width())
                << where << " " << menu->text().toStdString();
        }
    }
    for (QWidget* parent : window.findChildren<QWidget*>()) {
        QList<QWidget*> controls;
        for (QObject* child : parent->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control != nullptr && TakesPart(control))
                controls.append(control);
        }
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                // The two promotion offers share one place, the one in front hiding the other.
                if (controls[i]->geometry() == controls[j]->geometry())
                    continue;
                EXPECT_FALSE(TextArea(controls[i]).intersects(TextArea(controls[j])))
                    << where << " " << controls[i]->objectName().toStdString() << " and "
                    << controls[j]->objectName().toStdString();
            }
        }
    }
}

// Each language, with a few texts of each window as it shows them.
struct LanguageCase {
    const char* code;  // as QLocale::uiLanguages() lists it
    qreal smallestPoints;
    const char* exit;
    const char* dateOfBirth;  // the first person's caption in the main window
    const char* spokenDay;    // the first person's day list, as a screen reader names it
    const char* yourDate;     // 20 July 1969, in the result window
    const char* marsSign;     // Sagittarius
    const char* keyword;      // Magnetic
};

const LanguageCase kLanguages[] = {
    {"en-US", 6, "&Exit", "Date Of Birth", "Your day of birth: 1", "20/July/1969", "Sagittarius",
     "Magnetic"},
    {"de-DE", 7.5, "&Beenden", "Geburtsdatum", "Ihr Geburtsdatum, Tag: 1", "20. Juli 1969",
     "Schütze", "Magnetisch"},
    {"fr-FR", 7.5, "&Quitter", "Né(e) le", "Votre jour de naissance\u00a0: 1", "20 juillet 1969",
     "Sagittaire", "Magnétique"},
    {"es-ES", 7.5, "&Salir", "Nacimiento", "Tu día de nacimiento: 1", "20 de julio de 1969",
     "Sagitario", "Magnética"},
};

TEST(WindowFrame, EveryLanguageShowsItsTextsAndEveryTextFits) {
    for (const LanguageCase& language : kLanguages) {
        const ProgramLanguage installed({QString::fromLatin1(language.code)});
        const std::string code = language.code;
        for (Which which : {Which::Main, Which::Display}) {
            ReadingWindows run(installed.code());
            QMainWindow& window = Open(run, which);
            const std::string where = code + " " + NameOf(which);
            // ui.fit_at_scale_* run this at the scales laptops use.
            EXPECT_EQ(window.devicePixelRatioF(),
                      qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
            EXPECT_EQ(Find<QPushButton>(window, "cmdExit").text(), QString::fromUtf8(language.exit))
                << where;
            if (which == Which::Main) {
                frmReferAFriend& last = run.windows.ReferAFriend();
                last.show();
                ExpectEveryTextFits(last, language.smallestPoints, code + " frmReferAFriend");
                last.hide();
                EXPECT_EQ(Find<QLabel>(window, "lblDOB").text(),
                          QString::fromUtf8(language.dateOfBirth));
                QAccessibleInterface* day =
                    QAccessible::queryAccessibleInterface(&run.List("cboDate"));
                EXPECT_EQ(day->text(QAccessible::Name), QString::fromUtf8(language.spokenDay));
                for (const char* offer : {"lblFullBrand", "lblCobrand"}) {
                    testing::BringUpOffer(run.Main(), offer);
                    ExpectEveryTextFits(window, language.smallestPoints, where + " " + offer);
                }
                continue;
            }
            EXPECT_EQ(run.Shown("lblYourDateofBirth"), QString::fromUtf8(language.yourDate));
            EXPECT_EQ(run.Shown("lblYourMarsSign"), QString::fromUtf8(language.marsSign));
            EXPECT_EQ(run.Shown("lblkeywordsOne"), QString::fromUtf8(language.keyword));
            // Every month's name in both date labels, on a first of the month
            // (French writes it "1er") and on a two-digit day.
            for (int month = 0; month < 12; ++month) {
                for (const QString& day : {QStringLiteral("1"), QStringLiteral("30")}) {
                    const QString date = look::ShownDate(day, month, QStringLiteral("2000"));
                    run.Display()->ShowPeople({QStringLiteral("IDA"), date},
                                              {QStringLiteral("LEO"), date});
                    ExpectEveryTextFits(window, language.smallestPoints,
                                        where + " " + date.toStdString());
                }
            }
            // All seven paragraphs in both readings' boxes.
            for (int number = 1; number <= 7; ++number) {
                for (auto reading : {frmDisplay::Reading::One, frmDisplay::Reading::Two}) {
                    run.Display()->ShowReading(reading, nullptr, CategoryFor(number));
                }
                ExpectEveryTextFits(window, language.smallestPoints,
                                    where + " category " + std::to_string(number));
            }
        }
    }
}

QImage Rendered(Which which) {
    ReadingWindows run;
    QMainWindow& window = Open(run, which);
    // Nothing focused, so no blinking text cursor differs between renderings.
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    return window.grab().toImage();
}

TEST(WindowFrame, ADarkDesktopThemeChangesNothing) {
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        dark.setColor(role, QColor(20, 20, 20));
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(230, 230, 230));
    }
    for (Which which : {Which::Main, Which::Display}) {
        const QImage light = Rendered(which);
        QApplication::setPalette(dark);
        const QImage underDark = Rendered(which);
        QApplication::setPalette(desktop);
        EXPECT_TRUE(light == underDark) << NameOf(which);
    }
}

TEST(WindowFrame, AreasShowTheirDesignedColours) {
    const struct {
        Which which;
        const char* control;
        QPoint at;  // a point of the control away from any text
        QColor colour;
    } expected[] = {
        {Which::Main, "client", {520, 80}, {39, 56, 82}},
        {Which::Main, "fraFriendshipCompatibility", {400, 6}, {44, 63, 92}},
        {Which::Main, "fraYourDetails", {390, 10}, {128, 128, 255}},
        {Which::Main, "txtFriendName", {200, 12}, {65, 92, 135}},
        {Which::Main, "cmdExit", {4, 26}, {128, 128, 255}},
        {Which::Main, "cmdCompatibilityWithFriend", {6, 34}, {128, 128, 255}},
        {Which::Display, "client", {400, 330}, {65, 92, 135}},
        {Which::Display, "picColorOne", {25, 25}, {198, 198, 123}},
        {Which::Display, "cmdBack", {4, 26}, {128, 128, 255}},
    };
    for (const auto& [which, control, at, colour] : expected) {
        ReadingWindows run;
        const QImage image = Find<QWidget>(Open(run, which), control).grab().toImage();
        EXPECT_EQ(image.pixelColor(at), colour) << NameOf(which) << " " << control;
    }
}

}  // namespace
}  // namespace amorist
