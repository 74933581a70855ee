#include "ui/frmDisplay.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

#include "app/checked_save.h"
#include "app/modHelp.h"
#include "app/platform.h"
#include "core/compatibility/reading_content.h"
#include "ui/frmMain.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/promotions.h"
#include "ui/reading_picture.h"
#include "ui/window_frame.h"
#include "ui/windows.h"

namespace amorist {

namespace {

using namespace look;

constexpr QSize kClientSize(610, 565);
constexpr int kRegionWidth = Pixels(9135);
// Each person's details stay on their half of the region.
constexpr int kDetailsMiddle = kRegionWidth / 2;

const TextStyle kCaption{colour::kPink, 8.25, true, true};
const TextStyle kValue{colour::kLightPeach, 8.25, true, false};
const TextStyle kSign{colour::kPinkViolet, 9.75, true, false};
const TextStyle kParagraph{colour::kLightPeach, 8.25, false, false};

constexpr QRect kYourNameBox = Twips(1455, 480, 1275, 195);
constexpr QRect kYourDateOfBirthBox = Twips(1200, 960, 1815, 195);
constexpr QRect kPartnerNameBox = Twips(5535, 480, 1995, 195);
constexpr QRect kPartnerDateOfBirthBox = Twips(5250, 960, 2565, 195);

// Where one reading's controls sit in its region, and what they are called.
struct ReadingLayout {
    QRect region;
    const char* firstSignCaption;
    const char* secondSignCaption;
    const char* firstSignName;
    const char* secondSignName;
    const char* pictureName;
    const char* colourNameName;
    const char* keywordsName;
    const char* paragraphName;
    QRect paragraph;
    QRect picture;
    QRect colourName;
};

constexpr ReadingLayout kLayouts[] = {
    {Twips(0, 1800, 9135, 3015), QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Mars Sign"),
     QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Partner's Venus Sign"), "lblYourMarsSign",
     "lblYourPartnerVenusSign", "picColorOne", "lblColorNameOne", "lblkeywordsOne",
     "lblCompatibilityOne", Twips(240, 1560, 8625, 1395), Twips(7560, 240, 780, 780),
     Twips(7065, 1080, 1695, 195)},
    {Twips(0, 4800, 9135, 2895), QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Venus Sign"),
     QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Partner's Mars Sign"), "lblYourVenusSign",
     "lblYourPartnersMarsSign", "picColorTwo", "lblColorNameTwo", "lblkeywordsTwo",
     "lblCompatibilityTwo", Twips(240, 1560, 8745, 1275), Twips(7680, 240, 780, 780),
     Twips(7185, 1080, 1725, 195)},
};

const ReadingLayout& LayoutOf(frmDisplay::Reading reading) {
    return kLayouts[reading == frmDisplay::Reading::One ? 0 : 1];
}

QLabel* MakeValue(QWidget* parent, const char* name, QPoint topLeft, const TextStyle& style) {
    return MakeCaption(parent, name, QString(), topLeft, style);
}

// A screen reader meets a value apart from the caption beside it, so every
// value is written together with a name that says what it is: spokenForm
// holds %1 where the value goes.
void Write(QLabel* label, const QString& spokenForm, const QString& value) {
    label->setText(value);
    label->setAccessibleName(spokenForm.arg(value));
}

// Sign and keyword values start where the design put them and end before the swatch column.
void ShowLeftAligned(QLabel* label, const QString& spokenForm, const QString& text, int maxRight) {
    Write(label, spokenForm, text);
    SizeToText(label, label->pos(), maxRight);
}

// What a screen reader says of each part of a reading, %1 standing for its value.
struct SpokenReading {
    QString colour;
    QString colourName;
    QString keywords;
    QString compatibility;
};

SpokenReading SpokenFormsOf(frmDisplay::Reading reading) {
    if (reading == frmDisplay::Reading::One) {
        return {frmDisplay::tr("First reading colour: %1"),
                frmDisplay::tr("First reading colour name: %1"),
                frmDisplay::tr("First reading keywords: %1"),
                frmDisplay::tr("First reading romantic compatibility: %1")};
    }
    return {frmDisplay::tr("Second reading colour: %1"),
            frmDisplay::tr("Second reading colour name: %1"),
            frmDisplay::tr("Second reading keywords: %1"),
            frmDisplay::tr("Second reading romantic compatibility: %1")};
}

}  // namespace

frmDisplay::frmDisplay(Windows& windows)
    : windows_(windows), smallestPoints_(SmallestPoints(windows.session().language())) {
    setObjectName(QStringLiteral("frmDisplay"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    Fill(client, colour::kMediumBlue, colour::kLightPeach);

    BuildBanner(client);
    BuildPersonalDetails(client);
    BuildReadings(client);
    BuildBottomBar(client);
    BuildMenus();
    SetUpWindow(this, client, kClientSize);

    setTabOrder(cmdBack, cmdExit);
    WatchFocusableKeys(this, this);
    cmdBack->setFocus();
}

void frmDisplay::BuildBanner(QWidget* client) {
    QFrame* banner = MakeRegion(client, Twips(0, 0, 9135, 615), colour::kMediumBlue);
    Label61 = new LinkLabel("Label61", BannerText(), banner);
    StyleLabel(Label61, {colour::kPink, 9, true, true});
    WrapInBox(Label61, Twips(120, 120, 8760, 465), Qt::AlignHCenter, smallestPoints_);
    connect(Label61, &LinkLabel::clicked, this, &frmDisplay::Label61_Click);
}

void frmDisplay::BuildPersonalDetails(QWidget* client) {
    QGroupBox* details = MakeGroup(client, "fraPersonalDetails", tr("Personal Details"),
                                   Twips(0, 600, 9135, 1215), colour::kMediumBlue, kValue);

    Label1 = new LinkLabel("Label1", tr("Your Name"), details);
    StyleLabel(Label1, kCaption);
    SizeToText(Label1, {Pixels(1560), Pixels(240)});
    connect(Label1, &LinkLabel::clicked, this, &frmDisplay::Label1_Click);
    MakeCaption(details, "lblYourDateofBirthCaption", tr("Your Date of Birth"),
                {Pixels(1215), Pixels(720)}, kCaption);
    MakeCaption(details, "lblYourPartnerNameCaption", tr("Your Partner's Name"),
                {Pixels(5520), Pixels(240)}, kCaption);
    MakeCaption(details, "lblYourPartnerDateofBirthCaption", tr("Your Partner's Date of Birth"),
                {Pixels(5175), Pixels(720)}, kCaption);

    lblYourName = MakeValue(details, "lblYourName", kYourNameBox.topLeft(), kValue);
    lblYourDateofBirth =
        MakeValue(details, "lblYourDateofBirth", kYourDateOfBirthBox.topLeft(), kValue);
    lblYourPartnerName =
        MakeValue(details, "lblYourPartnerName", kPartnerNameBox.topLeft(), kValue);
    lblYourPartnerDateofBirth =
        MakeValue(details, "lblYourPartnerDateofBirth", kPartnerDateOfBirthBox.topLeft(), kValue);
}

void frmDisplay::BuildReadings(QWidget* client) {
    for (Reading reading : {Reading::One, Reading::Two}) {
        const ReadingLayout& layout = LayoutOf(reading);
        const char* suffix = reading == Reading::One ? "One" : "Two";
        const auto captionName = [suffix](const char* what) {
            return QStringLiteral("lbl%1%2Caption").arg(QLatin1String(what), QLatin1String(suffix));
        };
        QFrame* region = MakeRegion(client, layout.region, colour::kMediumBlue);

        const struct {
            const char* what;
            const char* text;
            int top;
        } captions[] = {
            {"FirstSign", layout.firstSignCaption, 240},
            {"SecondSign", layout.secondSignCaption, 600},
            {"Keywords", QT_TRANSLATE_NOOP("amorist::frmDisplay", "Keywords"), 960},
            {"Compatibility",
             QT_TRANSLATE_NOOP("amorist::frmDisplay", "Your Romantic Compatibility"), 1320},
        };
        for (const auto& caption : captions) {
            QLabel* label = MakeCaption(region, "", tr(caption.text),
                                        {Pixels(240), Pixels(caption.top)}, kCaption);
            label->setObjectName(captionName(caption.what));
        }

        QLabel* firstSign =
            MakeValue(region, layout.firstSignName, {Pixels(3240), Pixels(240)}, kSign);
        QLabel* secondSign =
            MakeValue(region, layout.secondSignName, {Pixels(3240), Pixels(600)}, kSign);
        QLabel* keywords =
            MakeValue(region, layout.keywordsName, {Pixels(3240), Pixels(960)}, kValue);

        auto* paragraph = new QLabel(region);
        paragraph->setObjectName(QLatin1String(layout.paragraphName));
        StyleLabel(paragraph, kParagraph);
        WrapInBox(paragraph, layout.paragraph, Qt::AlignLeft, smallestPoints_);

        auto* picture = new QLabel(region);
        picture->setObjectName(QLatin1String(layout.pictureName));
        picture->setGeometry(layout.picture);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(1);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // The design picture, shown until a reading gives the swatch.
        picture->setPixmap(Swatch(QColor(206, 33, 99)));

        QLabel* colourName =
            MakeValue(region, layout.colourNameName, layout.colourName.topLeft(), kCaption);

        if (reading == Reading::One) {
            lblYourMarsSign = firstSign;
            lblYourPartnerVenusSign = secondSign;
            picColorOne = picture;
            lblColorNameOne = colourName;
            lblkeywordsOne = keywords;
            lblCompatibilityOne = paragraph;
        } else {
            lblYourVenusSign = firstSign;
            lblYourPartnersMarsSign = secondSign;
            picColorTwo = picture;
            lblColorNameTwo = colourName;
            lblkeywordsTwo = keywords;
            lblCompatibilityTwo = paragraph;
        }
    }
}

void frmDisplay::BuildBottomBar(QWidget* client) {
    QFrame* bar = MakeRegion(client, Twips(-120, 7680, 9495, 855), colour::kMediumBlue);
    cmdExit = MakeButton(bar, "cmdExit", tr("&Exit"), Twips(6480, 240, 1260, 465), 8.25);
    cmdBack = MakeButton(bar, "cmdBack", tr("&Back"), Twips(7800, 240, 1260, 465), 8.25);
    cmdExit->setAccessibleName(tr("Exit"));
    cmdBack->setAccessibleName(tr("Back"));
    connect(cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);

    // The two offers share one rectangle; the one made last is in front.
    lblCobrand = new LinkLabel("lblCobrand", CoBrandText(), bar);
    lblFullBrand = new LinkLabel("lblFullBrand", FullBrandText(), bar);
    for (LinkLabel* label : {lblCobrand, lblFullBrand}) {
        StyleLabel(label, kCaption);
        Fill(label, colour::kMediumBlue, colour::kPink);
        WrapInBox(label, Twips(240, 120, 6105, 615), Qt::AlignLeft, smallestPoints_);
    }
    connect(lblCobrand, &LinkLabel::clicked, this, &frmDisplay::lblCobrand_Click);
    connect(lblFullBrand, &LinkLabel::clicked, this, &frmDisplay::lblFullBrand_Click);
}

void frmDisplay::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = AddMenu(bar, "mnuFile", tr("&File"));
    mnuFileBack = AddEntry(file, "mnuFileBack", tr("&Back"));
    mnuSavePicture = AddEntry(file, "mnuSavePicture", tr("&Save Picture..."));
    mnuSavePicture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuCopyPicture = AddEntry(file, "mnuCopyPicture", tr("&Copy Picture"));
    mnuCopyPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnuPrint = AddEntry(file, "mnuPrint", tr("&Print..."));
    mnuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    AddSeparator(file, "mnuFileSepPicture");
    mnuExit = AddEntry(file, "mnuExit", tr("E&xit"));

    AddHelpMenus(this, windows_.session().platform(),
                 {tr("&Help"), tr("&Online Help"), tr("&Visit Us Online"),
                  tr("&Check for Software Update"), tr("&About Software"), tr("&Donate"),
                  tr("Make Money &Online"), "mnuFileSep1", "mnuFileSep2"});

    connect(mnuFileBack, &QAction::triggered, this, &frmDisplay::mnuFileBack_Click);
    connect(mnuSavePicture, &QAction::triggered, this, &frmDisplay::mnuSavePicture_Click);
    connect(mnuCopyPicture, &QAction::triggered, this, &frmDisplay::mnuCopyPicture_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmDisplay::mnuPrint_Click);
    connect(mnuExit, &QAction::triggered, this, &frmDisplay::mnuExit_Click);
}

frmDisplay::ReadingControls frmDisplay::ControlsOf(Reading reading) const {
    if (reading == Reading::One) {
        return {picColorOne, lblColorNameOne, lblkeywordsOne, lblCompatibilityOne};
    }
    return {picColorTwo, lblColorNameTwo, lblkeywordsTwo, lblCompatibilityTwo};
}

void frmDisplay::ShowPeople(const Person& you, const Person& partner) {
    const struct {
        QLabel* label;
        QString spoken;
        const QString& text;
        const QRect& box;
        bool left;
    } values[] = {
        {lblYourName, tr("Your name: %1"), you.name, kYourNameBox, true},
        {lblYourDateofBirth, tr("Your date of birth: %1"), you.dateOfBirth, kYourDateOfBirthBox,
         true},
        {lblYourPartnerName, tr("Your partner's name: %1"), partner.name, kPartnerNameBox, false},
        {lblYourPartnerDateofBirth, tr("Your partner's date of birth: %1"), partner.dateOfBirth,
         kPartnerDateOfBirthBox, false},
    };
    for (const auto& value : values) {
        Write(value.label, value.spoken, value.text);
        CentreOnText(value.label, value.box, value.left ? 0 : kDetailsMiddle,
                     value.left ? kDetailsMiddle : kRegionWidth);
    }
}

void frmDisplay::ShowSigns(const Signs& you, const Signs& partner) {
    const int maxRight = LayoutOf(Reading::One).colourName.left();
    ShowLeftAligned(lblYourMarsSign, tr("Your Mars sign: %1"), you.mars, maxRight);
    ShowLeftAligned(lblYourPartnerVenusSign, tr("Your partner's Venus sign: %1"), partner.venus,
                    maxRight);
    ShowLeftAligned(lblYourVenusSign, tr("Your Venus sign: %1"), you.venus, maxRight);
    ShowLeftAligned(lblYourPartnersMarsSign, tr("Your partner's Mars sign: %1"), partner.mars,
                    maxRight);
}

void frmDisplay::ShowReading(Reading reading, const QPixmap* swatch, const Category* category) {
    const ReadingControls controls = ControlsOf(reading);
    const ReadingLayout& layout = LayoutOf(reading);
    if (swatch != nullptr)
        controls.picColor->setPixmap(*swatch);
    if (category == nullptr)
        return;

    const SpokenReading spoken = SpokenFormsOf(reading);
    const QString colourName = Shown("reading", category->colourName);
    if (swatch != nullptr)
        controls.picColor->setAccessibleName(spoken.colour.arg(colourName));
    Write(controls.lblColorName, spoken.colourName, colourName);
    // Centred under the swatch, clear of the keyword on the left.
    CentreOnText(controls.lblColorName, layout.colourName, kDetailsMiddle, kRegionWidth);
    ShowLeftAligned(controls.lblkeywords, spoken.keywords, Shown("reading", category->word),
                    layout.colourName.left());
    Write(controls.lblCompatibility, spoken.compatibility, Shown("reading", category->paragraph));
    WrapInBox(controls.lblCompatibility, layout.paragraph, Qt::AlignLeft, smallestPoints_);
}

void frmDisplay::ShowCard(const QByteArray& svg) {
    cardSvg_ = svg;
}

bool frmDisplay::SavePicture(const QString& path) {
    const bool asSvg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const QByteArray contents = asSvg ? cardSvg_ : PngOf(CardImage(cardSvg_));
    QString why;
    // A picture in place is saved, even if its folder's sync failed after.
    if (!contents.isEmpty() && saveFileChecked(path, contents, &why) != SaveOutcome::Unchanged)
        return true;
    windows_.session().platform().ShowMessage(
        this, tr("The picture could not be saved as %1: %2").arg(path, why), MessageIcon::Critical);
    return false;
}

void frmDisplay::Print(QPrinter& printer) const {
    const auto spoken = [](std::initializer_list<const QLabel*> labels) {
        QStringList lines;
        for (const QLabel* label : labels) {
            if (!label->text().isEmpty())
                lines << label->accessibleName();
        }
        return lines;
    };
    const auto colourOf = [](const QLabel* swatch) {
        const QPixmap pixmap = swatch->pixmap();
        return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(pixmap.rect().center());
    };
    PrintReading({spoken({lblYourName, lblYourDateofBirth, lblYourPartnerName,
                          lblYourPartnerDateofBirth}),
                  spoken({lblYourMarsSign, lblYourPartnerVenusSign, lblYourVenusSign,
                          lblYourPartnersMarsSign}),
                  {colourOf(picColorOne),
                   spoken({lblColorNameOne, lblkeywordsOne, lblCompatibilityOne})},
                  {colourOf(picColorTwo),
                   spoken({lblColorNameTwo, lblkeywordsTwo, lblCompatibilityTwo})}},
                 printer);
}

bool frmDisplay::eventFilter(QObject* watched, QEvent* event) {
    if (ActOnWindowKey(watched, event, cmdExit))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void frmDisplay::keyPressEvent(QKeyEvent* event) {
    if (!ActOnWindowKey(nullptr, event, cmdExit))
        QMainWindow::keyPressEvent(event);
}

void frmDisplay::cmdBack_Click() {
    // Closing unloads this window; the registry outlives it.
    Windows& windows = windows_;
    close();
    ShowAlone(windows, windows.Main());
}

void frmDisplay::cmdExit_Click() {
    close();
}

void frmDisplay::closeEvent(QCloseEvent* event) {
    event->accept();
    FollowExitRule(windows_, this);
}

void frmDisplay::mnuFileBack_Click() {
    cmdBack_Click();
}
void frmDisplay::mnuSavePicture_Click() {
    const QString png = tr("PNG picture (*.png)");
    const QString svg = tr("SVG picture (*.svg)");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString chosenType = png;
    QString path = QFileDialog::getSaveFileName(
        this, tr("Save Picture"), folder + QStringLiteral("/amorist-reading.png"),
        png + QStringLiteral(";;") + svg, &chosenType);
    if (path.isEmpty())
        return;
    const QString suffix = chosenType == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (QFileInfo(path).suffix().isEmpty())
        path += suffix;
    SavePicture(path);
}

void frmDisplay::mnuCopyPicture_Click() {
    QGuiApplication::clipboard()->setImage(CardImage(cardSvg_));
}

void frmDisplay::mnuPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        Print(printer);
}

void frmDisplay::mnuExit_Click() {
    cmdExit_Click();
}
void frmDisplay::Label61_Click() {
    OpenHomePage(windows_.session().platform());
}
void frmDisplay::Label1_Click() {
    OpenFullBrandPage(windows_.session().platform());
}
void frmDisplay::lblCobrand_Click() {
    OpenCoBrandPage(windows_.session().platform());
}
void frmDisplay::lblFullBrand_Click() {
    OpenFullBrandPage(windows_.session().platform());
}

}  // namespace amorist
