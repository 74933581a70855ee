#include "ui/look.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRawFont>
#include <algorithm>
#include <string>

#include "core/compatibility/program_state.h"
#include "core/ephemeris/zodiac.h"

namespace amorist::look {

namespace {

constexpr qreal kSmallestEnglishPoints = 6.0;
constexpr qreal kSmallestTranslatedPoints = 7.5;
constexpr qreal kPointStep = 0.25;

QPalette WithColours(QPalette palette, const QColor& background, const QColor& text) {
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, background);
    }
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText}) {
        palette.setColor(role, text);
    }
    return palette;
}

QString ButtonSheet() {
    const QString fill = colour::kPeriwinkle.name();
    return QStringLiteral(
               "QPushButton { background-color: %1; color: black; border: 2px outset %1; }"
               "QPushButton:pressed { border-style: inset; }"
               "QPushButton:focus { border-color: %2; }")
        .arg(fill, colour::kBlack.name());
}

}  // namespace

QFont Verdana(qreal points, bool bold, bool underline) {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void Fill(QWidget* widget, const QColor& background, const QColor& text) {
    widget->setPalette(WithColours(widget->palette(), background, text));
    widget->setAutoFillBackground(true);
}

QFrame* MakeRegion(QWidget* parent, const QRect& geometry, const QColor& background) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setGeometry(geometry);
    Fill(frame, background, colour::kBlack);
    return frame;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry, const QColor& background, const TextStyle& style) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    group->setFont(Verdana(style.points, style.bold, style.underline));
    Fill(group, background, style.colour);
    return group;
}

void StyleLabel(QLabel* label, const TextStyle& style) {
    label->setTextFormat(Qt::PlainText);
    label->setFont(Verdana(style.points, style.bold, style.underline));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, style.colour);
    label->setPalette(palette);
    label->setAutoFillBackground(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void SizeToText(QLabel* label, QPoint topLeft, int maxRight) {
    label->setWordWrap(false);
    label->adjustSize();
    label->move(topLeft);
    if (label->geometry().right() >= maxRight)
        label->resize(maxRight - topLeft.x(), label->height());
}

void CentreOnText(QLabel* label, const QRect& design, int minLeft, int maxRight) {
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->adjustSize();
    const int width = std::min(label->width(), maxRight - minLeft);
    const int centre = design.left() + design.width() / 2;
    const int left = std::clamp(centre - width / 2, minLeft, maxRight - width);
    label->setGeometry(left, design.top(), width, label->height());
}

QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, QPoint topLeft,
                    const TextStyle& style) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    StyleLabel(label, style);
    SizeToText(label, topLeft);
    return label;
}

qreal SmallestPoints(const QString& language) {
    return language.isEmpty() ? kSmallestEnglishPoints : kSmallestTranslatedPoints;
}

void WrapInBox(QLabel* label, const QRect& geometry, Qt::Alignment horizontal,
               qreal smallestPoints) {
    label->setWordWrap(true);
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setGeometry(geometry);
    const auto fits = [&] { return label->heightForWidth(geometry.width()) <= geometry.height(); };
    if (fits())
        return;
    // Steps down in quarter points to the first size that fits, or to the
    // smallest. A step that Qt lays out at the pixel size just found too tall
    // would not fit either, so it is not measured. That size is asked of the
    // font engine: Qt rounds it to whole pixels or not depending on its
    // version and the screen's scaling and hinting.
    QFont font = label->font();
    qreal tooTallPixels = QRawFont::fromFont(font).pixelSize();
    while (font.pointSizeF() - kPointStep >= smallestPoints) {
        font.setPointSizeF(font.pointSizeF() - kPointStep);
        const qreal pixels = QRawFont::fromFont(font).pixelSize();
        if (pixels == tooTallPixels)
            continue;
        label->setFont(font);
        if (fits())
            return;
        tooTallPixels = pixels;
    }
    label->setFont(font);
}

QString Shown(const char* context, std::string_view english) {
    return QCoreApplication::translate(context, std::string(english).c_str());
}

QString ShownDate(const QString& day, int monthIndex, const QString& year) {
    const bool known = monthIndex >= 0 && monthIndex < static_cast<int>(kMonthNames.size());
    const QString month =
        known ? Shown("zodiac", kMonthNames[static_cast<std::size_t>(monthIndex)]) : QString();
    // The day picks the form (French writes the first "1er") and fills its %n.
    return QCoreApplication::translate("program_state", std::string(kDateOfBirthForm).c_str(),
                                       nullptr, day.toInt())
        .arg(month, year);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, qreal points) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(Verdana(points, true));
    // A style sheet, unlike a palette, fills the button under every desktop style.
    button->setStyleSheet(ButtonSheet());
    return button;
}

QPixmap Swatch(const QColor& colour) {
    QPixmap picture(50, 50);
    picture.fill(colour);
    return picture;
}

void StyleEntry(QWidget* entry, const QFont& font) {
    // A list handed a font of its own builds its drop-down there and then.
    // Entries that already inherit this font from their group leave it alone,
    // so each drop-down is built when it is first opened, not at start-up.
    if (entry->font() != font)
        entry->setFont(font);
    QPalette palette = WithColours(entry->palette(), colour::kMediumBlue, colour::kLightPeach);
    palette.setColor(QPalette::Highlight, colour::kLightPeach);
    palette.setColor(QPalette::HighlightedText, colour::kMediumBlue);
    entry->setPalette(palette);
}

}  // namespace amorist::look
