// The look both reading windows share: layout units, colours, fonts, and the
// few kinds of control they are built from. Palettes are always set in full,
// so a dark desktop theme changes nothing.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <string_view>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace amorist::look {

// Layouts are drawn in twips; 15 twips make one pixel at 96 dots per inch.
constexpr int Pixels(int twips) {
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

constexpr QRect Twips(int left, int top, int width, int height) {
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

namespace colour {
inline constexpr QColor kMainWindow{39, 56, 82};
inline constexpr QColor kDarkBlue{44, 63, 92};
inline constexpr QColor kMediumBlue{65, 92, 135};
inline constexpr QColor kPeriwinkle{128, 128, 255};
inline constexpr QColor kPink{255, 192, 192};
inline constexpr QColor kLightPeach{255, 224, 192};
inline constexpr QColor kPinkViolet{255, 128, 255};
inline constexpr QColor kBlack{0, 0, 0};
}  // namespace colour

struct TextStyle {
    QColor colour;
    qreal points = 8.25;
    bool bold = false;
    bool underline = false;
};

// Asks for Verdana; where it is missing the font system's nearest sans serif stands in.
QFont Verdana(qreal points, bool bold, bool underline = false);

// A frame filled with one colour; captioned frames are group boxes.
QFrame* MakeRegion(QWidget* parent, const QRect& geometry, const QColor& background);
QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry, const QColor& background, const TextStyle& style);

// Every label here is plain text, aligned to its top edge like the design.
void StyleLabel(QLabel* label, const TextStyle& style);
// One-line labels: the left edge stays, the width follows the text. maxRight
// (in the parent) keeps a long value from running over its neighbours.
void SizeToText(QLabel* label, QPoint topLeft, int maxRight = 1 << 20);
// Centred one-line labels: the width follows the text and the label stays
// centred on its design box, kept between minLeft and maxRight.
void CentreOnText(QLabel* label, const QRect& design, int minLeft, int maxRight);
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, QPoint topLeft,
                    const TextStyle& style);
// The smallest size a wrapped text shrinks to in a language (empty for
// English): 6 pt in English, 7.5 pt in a translation, whose wording is made
// to fit at that size.
qreal SmallestPoints(const QString& language);
// Word-wrapped labels keep their box. Where the stand-in font runs taller
// than the box, its size steps down until the text fits, to smallestPoints
// at most.
void WrapInBox(QLabel* label, const QRect& geometry, Qt::Alignment horizontal,
               qreal smallestPoints);

// A push button filled with periwinkle whatever the desktop style.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, qreal points);

// Name boxes and lists: medium blue with light peach text, popups included.
void StyleEntry(QWidget* entry, const QFont& font);

// A core text as the windows show it: translated in the context the core
// marked it with, while the core keeps the English as its data.
QString Shown(const char* context, std::string_view english);

// A date of birth as the windows show it: day/month/year with the month
// (an index into kMonthNames) named in the program's language.
QString ShownDate(const QString& day, int monthIndex, const QString& year);

// A 50 x 50 swatch picture of one colour.
QPixmap Swatch(const QColor& colour);

// Opaque labels and frames fill with their palette's window colour.
void Fill(QWidget* widget, const QColor& background, const QColor& text);

}  // namespace amorist::look
