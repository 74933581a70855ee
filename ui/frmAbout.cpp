#include "ui/frmAbout.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "app/modHelp.h"
#include "app/platform.h"
#include "app/program_icon.h"
#include "ui/link_label.h"
#include "ui/look.h"

namespace amorist {

namespace {

constexpr QColor kDarkBlue(44, 63, 92);
constexpr QColor kPeach(255, 224, 192);
constexpr QColor kPink(255, 192, 192);

constexpr int kWidth = 440;
constexpr int kMargin = 14;
constexpr int kIconSize = 32;
constexpr int kTextWidth = kWidth - 2 * kMargin;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour,
                  const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// A word-wrapped label across the window at height y; returns the y below it.
// Measured, not fixed: the font standing in for a missing Verdana is wider.
int PlaceParagraph(QLabel* label, int y) {
    label->setWordWrap(true);
    label->setGeometry(kMargin, y, kTextWidth, label->heightForWidth(kTextWidth));
    return label->geometry().bottom() + 1;
}

}  // namespace

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    setModal(true);

    // Explicit colours throughout, so a dark desktop theme changes nothing.
    QPalette background = palette();
    background.setColor(QPalette::Window, kDarkBlue);
    setPalette(background);
    setAutoFillBackground(true);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
    picIcon->setGeometry(kMargin, kMargin, kIconSize, kIconSize);

    auto* Label2 = MakeLabel(this, "Label2", QString::fromLatin1(kWindowCaption), kPink,
                             look::Verdana(14, true));
    const int titleX = kMargin + kIconSize + 10;
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setGeometry(titleX, kMargin, kWidth - kMargin - titleX, kIconSize);

    auto* Label1 =
        MakeLabel(this, "Label1",
                  tr("Amorist gives the compatibility between two individuals based on their "
                     "Venus and Mars signs. Venus & Mars signs are opposite in nature and "
                     "represent yin - yang planets. The software gives you an idea on different "
                     "aspects of your relationship which depend on the Venus and Mars signs. All "
                     "rights in this software belong to Quillmoor Softwares."),
                  kPeach, look::Verdana(9, false));
    int y = PlaceParagraph(Label1, kMargin + kIconSize + 14);

    lblHomePage_ = MakeLabel(this, "lblHomePage",
                             //: %1 is the maker's web address
                             tr("Click here to visit %1").arg(sites::HomePageAddress()), kPink,
                             look::Verdana(9, true, true));
    lblHomePage_->adjustSize();
    lblHomePage_->move(kMargin, y + 12);
    y = lblHomePage_->geometry().bottom() + 1;

    auto* Label6 =
        MakeLabel(this, "Label6",
                  tr("Home Business Opportunity. Start your own Internet business and make "
                     "money online. Get this software fully branded for your website."),
                  kPeach, look::Verdana(9, true));
    y = PlaceParagraph(Label6, y + 16);

    Label5_ = MakeLabel(this, "Label5", tr("Click here for more details"), kPink,
                        look::Verdana(9, true, true));
    Label5_->adjustSize();
    Label5_->move(kWidth - kMargin - Label5_->width(), y + 4);
    y = Label5_->geometry().bottom() + 1;

    for (QLabel* link : {lblHomePage_, Label5_}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
        ShowAsLink(link);
    }

    auto* cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    QPalette buttonPalette = cmdOK->palette();
    buttonPalette.setColor(QPalette::Button, QColor(240, 240, 240));
    buttonPalette.setColor(QPalette::ButtonText, Qt::black);
    cmdOK->setPalette(buttonPalette);
    cmdOK->setDefault(true);
    cmdOK->setAccessibleName(tr("OK"));
    cmdOK->resize(qMax(90, cmdOK->sizeHint().width()), qMax(28, cmdOK->sizeHint().height()));
    cmdOK->move(kWidth - kMargin - cmdOK->width(), y + 14);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    setFixedSize(kWidth, cmdOK->geometry().bottom() + 1 + kMargin);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::Label5_Click() {
    OpenFullBrandPage(platform_);
}

void frmAbout::lblHomePage_Click() {
    OpenHomePage(platform_);
}

// A link reacts when the left button is released over it, as buttons do.
bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == Label5_ || watched == lblHomePage_)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            if (label == Label5_) {
                Label5_Click();
            } else {
                lblHomePage_Click();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace amorist
