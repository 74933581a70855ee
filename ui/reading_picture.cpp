#include "ui/reading_picture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTextDocument>

namespace amorist {

QImage CardImage(const QByteArray& svg) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter);
    return image;
}

QByteArray PngOf(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

namespace {

QString Paragraphs(const QStringList& lines) {
    QString html;
    for (const QString& line : lines)
        html += QStringLiteral("<p>") + line.toHtmlEscaped() + QStringLiteral("</p>");
    return html;
}

QString PartHtml(const PrintedReading::Part& part) {
    // A bar of the reading's colour beside its texts; the printer is told to keep colours.
    const QString colour = part.colour.isValid() ? part.colour.name() : QStringLiteral("#ffffff");
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"6\"><tr>"
                          "<td width=\"18\" bgcolor=\"%1\">&nbsp;</td><td>%2</td></tr></table>")
        .arg(colour, Paragraphs(part.lines));
}

}  // namespace

void PrintReading(const PrintedReading& reading, QPrinter& printer) {
    printer.setColorMode(QPrinter::Color);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setHtml(QStringLiteral("<h1>Amorist</h1>") + Paragraphs(reading.people) +
                     Paragraphs(reading.signs) + PartHtml(reading.one) + PartHtml(reading.two));
    // The document is laid out at the screen's resolution and scaled onto the paper.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
    document.setPageSize(printer.pageLayout().paintRectPixels(dpi).size());
    // One page: a reading that runs longer is set smaller until it fits.
    for (qreal points = 9.5; document.pageCount() > 1 && points >= 5; points -= 0.5) {
        QFont font = document.defaultFont();
        font.setPointSizeF(points);
        document.setDefaultFont(font);
    }
    document.print(&printer);
}

}  // namespace amorist
