// The reading card as the desktop shows it: drawn from the shared library's
// SVG with Qt SVG, and the whole reading laid out for one printed page.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

class QPrinter;

namespace amorist {

// The card at its own size, 1080 x 1350 px; a null image when the SVG does not read.
QImage CardImage(const QByteArray& svg);
QByteArray PngOf(const QImage& image);

// What a printout holds, each text as the result window shows it.
struct PrintedReading {
    QStringList people;  // names and dates of birth
    QStringList signs;
    struct Part {
        QColor colour;  // invalid: no swatch
        QStringList lines;
    };
    Part one, two;
};

// The reading on one page of the printer's paper, as text, in its colours.
void PrintReading(const PrintedReading& reading, QPrinter& printer);

}  // namespace amorist
