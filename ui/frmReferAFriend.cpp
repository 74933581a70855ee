#include "ui/frmReferAFriend.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <iterator>

#include "app/modHelp.h"
#include "app/modTellAFriend.h"
#include "translations/program_language.h"
#include "ui/link_label.h"
#include "ui/windows.h"

namespace amorist {

namespace {

constexpr const char* kSupportMessages[] = {
    QT_TRANSLATE_NOOP(
        "amorist::frmReferAFriend",
        "Quillmoor Softwares, such as this can be created and maintained only with your support. "
        "The best way to support Quillmoor is to visit Quillmoor regularly and take part in the "
        "discussions and other activities on the board."),
    QT_TRANSLATE_NOOP(
        "amorist::frmReferAFriend",
        "Visit Quillmoor regularly. Support Quillmoor by taking part in the discussions and other "
        "activities. These softwares cannot be supported and maintained, without you regularly "
        "visiting Quillmoor"),
    QT_TRANSLATE_NOOP(
        "amorist::frmReferAFriend",
        "Quillmoor is a FREE online discussion forum for all things quillmoor. To help Quillmoor "
        "develop and maintain this software visit Quillmoor regularly."),
    QT_TRANSLATE_NOOP("amorist::frmReferAFriend",
                      "Quillmoor needs your help. All you need to do is visit Quillmoor regularly "
                      "and take part in the various discussions and activites to help us maintain "
                      "and develop more Quillmoor Softwares."),
};

// In English the label wraps at word boundaries and this run of spaces is
// what sets the second paragraph apart; a translation, which wraps elsewhere,
// gets a blank line instead.
constexpr int kParagraphGap = 61;

constexpr QColor kFrameBlue(44, 63, 92);
constexpr QColor kLinkYellow(255, 255, 0);
constexpr QColor kTitleBlue(0, 0, 128);

// What the hidden message box sends as the referral's message, in every language.
constexpr char kMessageText[] = "Your Message\r\n";

QString CatalogueText() {
    const QString intro = frmReferAFriend::tr(
        "If you have enjoyed this software you will surely be interested in our other Quillmoor "
        "Softwares. From a single software, we have now grown to become the world’s largest "
        "resource of quillmoor softwares. Be it astrology, psychic, tarot, numerology or occult, "
        "we have programs in all fields thus giving our users a wide choice depending on their "
        "interests.");
    const QString suite = frmReferAFriend::tr(
        "All the programs in the Quillmoor Softwares suite are simple and easy to use. They are "
        "not only fun to use but also very informative. Try them out today and share your "
        "experience with your friends and family.");
    if (ShowsTranslation())
        return intro + QStringLiteral("\n\n") + suite;
    return intro + QString(kParagraphGap, u' ') + suite + u' ';
}

QString CheckBoxCaption() {
    //: %1 is the maker's site, www.quillmoor.com
    return frmReferAFriend::tr("Click Here To Visit %1 Now").arg(QLatin1String(sites::kMainHost));
}

// A fixed picture for the top corner: a red heart on white.
QPixmap HeartPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::white);
    const qreal s = size;
    QPainterPath heart;
    heart.moveTo(0.5 * s, 0.9 * s);
    heart.cubicTo(0.05 * s, 0.55 * s, 0.05 * s, 0.15 * s, 0.3 * s, 0.15 * s);
    heart.cubicTo(0.42 * s, 0.15 * s, 0.5 * s, 0.25 * s, 0.5 * s, 0.32 * s);
    heart.cubicTo(0.5 * s, 0.25 * s, 0.58 * s, 0.15 * s, 0.7 * s, 0.15 * s);
    heart.cubicTo(0.95 * s, 0.15 * s, 0.95 * s, 0.55 * s, 0.5 * s, 0.9 * s);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(heart, QColor(200, 20, 60));
    return picture;
}

void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QGroupBox* Frame(const char* name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    SetColours(frame, kFrameBlue, Qt::white);
    QFont bold = frame->font();
    bold.setBold(true);
    frame->setFont(bold);
    return frame;
}

QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

template <typename Control>
Control* Named(Control* control, const char* name, QRect geometry) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

// The referral boxes, in the order of kReferralFieldRules.
constexpr const char* kBoxNames[] = {"txtName", "txtEmail", "txtMessage", "txtFriendName",
                                     "txtFriendEmail"};
static_assert(std::size(kBoxNames) == std::size(kReferralFieldRules));

// The hint a referral box shows while it holds nothing of the user's; empty for other widgets.
QString PlaceholderOf(const QWidget* box) {
    for (std::size_t i = 0; i < std::size(kBoxNames); ++i) {
        if (box->objectName() == QLatin1String(kBoxNames[i])) {
            return ShownHint(kReferralFieldRules[i]);
        }
    }
    return {};
}

// A multi-line box breaks its lines with a carriage return and a line feed.
QString BoxText(const QWidget* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) {
        return lines->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    }
    return {};
}

void SetBoxText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        lines->setPlainText(text);
    }
}

// Focus that moves because another window (a message box) comes or goes is
// not the user entering or leaving a box.
bool MovedByUser(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

}  // namespace

frmReferAFriend::frmReferAFriend(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("frmReferAFriend"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setFixedSize(600, 360);
    SetColours(this, Qt::white, Qt::black);
    // The frames' captions are bold; what they hold is not.
    QFont plain = font();
    plain.setBold(false);

    BuildSupportMessage();
    BuildReferralForm(plain);
    BuildCatalogue(plain);
    Form_Load();
}

void frmReferAFriend::BuildSupportMessage() {
    auto* picture = Named(new QLabel(this), "Picture1", {12, 10, 40, 40});
    picture->setPixmap(HeartPicture(40));

    auto* title =
        Named(PlainLabel(QString::fromLatin1(kWindowCaption), this), "Label1", {60, 12, 300, 36});
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    SetColours(title, Qt::white, kTitleBlue);

    Label2_ = Named(PlainLabel(QString(), this), "Label2", {12, 56, 346, 90});
    Label2_->setWordWrap(true);
    Label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetColours(Label2_, Qt::white, Qt::black);

    Check1_ = Named(new QCheckBox(CheckBoxCaption(), this), "Check1", {12, 150, 346, 22});
    Check1_->setCursor(Qt::PointingHandCursor);
    Check1_->setAccessibleName(tr("Visit %1 now").arg(QLatin1String(sites::kMainHost)));
    connect(Check1_, &QCheckBox::clicked, this, &frmReferAFriend::Check1_Click);

    auto* cmdClose = Named(new QPushButton(tr("E&xit"), this), "cmdClose", {278, 176, 80, 26});
    cmdClose->setAccessibleName(tr("Exit"));
    connect(cmdClose, &QPushButton::clicked, this, &frmReferAFriend::cmdClose_Click);
    // Enter presses the button that has the focus; the window itself has no
    // default button, so Enter in a text box does nothing.
    cmdClose->setAutoDefault(true);
}

void frmReferAFriend::BuildReferralForm(const QFont& plain) {
    QGroupBox* referral = Frame("Frame2", tr("Refer A Friend"), this);
    referral->setGeometry(0, 210, 370, 150);
    auto box = [&](const char* name, QRect geometry) {
        auto* edit = Named(new QLineEdit(referral), name, geometry);
        edit->setFont(plain);
        edit->setText(PlaceholderOf(edit));
        // The hint leaves the box once the user types; its name stays.
        edit->setAccessibleName(PlaceholderOf(edit));
        edit->installEventFilter(this);
        return edit;
    };
    txtName_ = box("txtName", {12, 30, 166, 24});
    txtEmail_ = box("txtEmail", {192, 30, 166, 24});
    txtFriendName_ = box("txtFriendName", {12, 64, 166, 24});
    txtFriendEmail_ = box("txtFriendEmail", {192, 64, 166, 24});
    for (QLineEdit* email : {txtEmail_, txtFriendEmail_}) {
        email->setAttribute(Qt::WA_InputMethodEnabled, false);
    }

    cmdSubmit_ = Named(new QPushButton(tr("Refer A Friend &Now"), referral), "cmdSubmit",
                       {105, 104, 160, 30});
    cmdSubmit_->setAccessibleName(tr("Refer a friend now"));
    cmdSubmit_->setFont(plain);
    cmdSubmit_->setAutoDefault(true);
    connect(cmdSubmit_, &QPushButton::clicked, this, &frmReferAFriend::cmdSubmit_Click);

    // Below the frame's bottom edge, so the frame clips it away entirely. It
    // takes no focus: nobody can tab into a box they cannot see.
    txtMessage_ = Named(new QPlainTextEdit(referral), "txtMessage", {12, 160, 346, 60});
    txtMessage_->setPlainText(QString::fromLatin1(kMessageText));
    txtMessage_->setAccessibleName(PlaceholderOf(txtMessage_));
    txtMessage_->setFont(plain);
    txtMessage_->setFocusPolicy(Qt::NoFocus);
    txtMessage_->installEventFilter(this);
}

void frmReferAFriend::BuildCatalogue(const QFont& plain) {
    QGroupBox* catalogue = Frame("Frame6", tr("Download Quillmoor Softwares"), this);
    catalogue->setGeometry(370, 0, 230, 360);
    auto* label3 = Named(PlainLabel(CatalogueText(), catalogue), "Label3", {10, 26, 210, 288});
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label3->setFont(plain);
    SetColours(label3, kFrameBlue, Qt::white);

    lblGoToHome_ =
        new LinkLabel("lblGoToHome", tr("Click Here To Visit Quillmoor Softwares"), catalogue);
    lblGoToHome_->setTextFormat(Qt::PlainText);
    lblGoToHome_->setGeometry(10, 318, 210, 34);
    lblGoToHome_->setWordWrap(true);
    QFont link = plain;
    link.setUnderline(true);
    lblGoToHome_->setFont(link);
    SetColours(lblGoToHome_, kFrameBlue, kLinkYellow);
    connect(lblGoToHome_, &LinkLabel::clicked, this, &frmReferAFriend::lblGoToHome_Click);
}

void frmReferAFriend::Form_Load() {
    Platform& platform = windows_.session().platform();
    platform.SeedRandomFromClock();
    const int index = platform.RandomBetween(0, int(std::size(kSupportMessages)) - 1);
    Label2_->setText(tr(kSupportMessages[index]));
    // Set before the first show, so it never moves or activates the window.
    // Wayland keeps no client's window on top and places windows itself: Qt
    // leaves the hint and the position to the compositor there, silently.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void frmReferAFriend::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        cmdSubmit_->setFocus(Qt::OtherFocusReason);
    }
}

bool frmReferAFriend::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool referralBox = widget != nullptr && !PlaceholderOf(widget).isEmpty();
    switch (event->type()) {
        case QEvent::FocusIn:
            if (referralBox && MovedByUser(static_cast<QFocusEvent*>(event))) {
                GotFocus(widget);
            }
            break;
        case QEvent::FocusOut:
            if (referralBox && MovedByUser(static_cast<QFocusEvent*>(event))) {
                LostFocus(widget);
            }
            break;
        case QEvent::KeyPress:
            if (watched == txtEmail_ || watched == txtFriendEmail_) {
                return RefuseSpace(static_cast<QLineEdit*>(watched),
                                   static_cast<QKeyEvent*>(event));
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmReferAFriend::GotFocus(QWidget* box) {
    if (TrimSpaces(BoxText(box)) == PlaceholderOf(box)) {
        SetBoxText(box, QString());
    }
}

void frmReferAFriend::LostFocus(QWidget* box) {
    if (TrimSpaces(BoxText(box)).isEmpty()) {
        SetBoxText(box, PlaceholderOf(box));
    }
}

bool frmReferAFriend::RefuseSpace(QLineEdit* box, QKeyEvent* event) {
    if (event->text() != QStringLiteral(" "))
        return false;
    windows_.session().platform().ShowMessage(this, tr("Email Address Cannot Contain Space"),
                                              MessageIcon::Critical);
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

void frmReferAFriend::cmdSubmit_Click() {
    Session& session = windows_.session();
    ReferralFields& fields = session.referral();
    fields = {TrimSpaces(BoxText(txtName_)), TrimSpaces(BoxText(txtEmail_)),
              TrimSpaces(BoxText(txtMessage_)), TrimSpaces(BoxText(txtFriendName_)),
              TrimSpaces(BoxText(txtFriendEmail_))};
    if (const auto problem = EmailAddressProblem(fields)) {
        session.platform().ShowMessage(this, *problem, MessageIcon::Critical);
        return;
    }
    SubmitReferral(session.platform(), fields, this);
}

void frmReferAFriend::Check1_Click(bool checked) {
    if (!checked)
        return;
    Check1_->setChecked(false);
    OpenHomePage(windows_.session().platform());
}

void frmReferAFriend::lblGoToHome_Click() {
    OpenSoftwarePage(windows_.session().platform());
}

void frmReferAFriend::cmdClose_Click() {
    EndProgram(windows_.session());
}

void frmReferAFriend::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.Unloaded(this);
    EndProgram(windows_.session());
}

}  // namespace amorist
