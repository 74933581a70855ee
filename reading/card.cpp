#include "reading/card.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <span>

#include "core/utf8.h"
#include "reading/card_font_metrics.h"  // generated at build time

namespace amorist::reading {
namespace {

constexpr std::string_view kEllipsis = "\u2026";
// Phones show the card in fonts of their own when DejaVu Sans is missing;
// the common ones are narrower, and this margin covers the rest.
constexpr double kFontMargin = 1.06;
// A letter DejaVu Sans lacks comes from a fallback font; no common script's
// letters are wider than this many ems.
constexpr double kFallbackEms = 1.15;

constexpr std::string_view kBackground = "#273852";
constexpr std::string_view kTitleColour = "#FFFFFF";
constexpr std::string_view kNameColour = "#FFC0C0";
constexpr std::string_view kSiteColour = "#C8D0E8";
constexpr std::string_view kFontFamily = "DejaVu Sans, Verdana, sans-serif";

constexpr double kMargin = 80;
constexpr double kBoxWidth = kCardWidth - 2 * kMargin;
constexpr double kCentre = kCardWidth / 2.0;

// Characters XML 1.0 does not allow, and controls that would only disturb a line.
bool Unwanted(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0xFDD0 && c <= 0xFDEF) ||
           (c & 0xFFFE) == 0xFFFE;
}

// Marks, joiners, direction marks and variation selectors take no room of
// their own, whatever font draws them.
bool ZeroWidth(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2069) ||
           (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

double AdvanceEms(char32_t c, bool bold) {
    const std::span<const char32_t> starts =
        bold ? std::span<const char32_t>(card_font::kBoldStarts) : card_font::kRegularStarts;
    const std::span<const std::uint16_t> advances =
        bold ? std::span<const std::uint16_t>(card_font::kBoldAdvances)
             : card_font::kRegularAdvances;
    const auto run = std::upper_bound(starts.begin(), starts.end(), c);
    if (run != starts.begin()) {
        const std::uint16_t advance = advances[static_cast<std::size_t>(run - starts.begin() - 1)];
        if (advance != card_font::kNotInFont)
            return static_cast<double>(advance) / card_font::kUnitsPerEm;
    }
    return ZeroWidth(c) ? 0.0 : kFallbackEms;
}

// The longest start of text that, followed by an ellipsis, fits width at size.
std::string CutToFit(std::string_view text, double size, double width, bool bold) {
    const double room = width - TextWidth(kEllipsis, size, bold);
    double used = 0;
    std::size_t pos = 0;
    std::size_t fits = 0;
    while (pos < text.size()) {
        used += AdvanceEms(NextCodePoint(text, pos), bold) * size * kFontMargin;
        if (used > room)
            break;
        fits = pos;
    }
    std::string cut(text.substr(0, fits));
    cut.append(kEllipsis);
    return cut;
}

CardLine Fitted(std::string text, double baseline, double size, double floor, bool bold,
                std::string_view colour) {
    CardLine line{std::move(text), kCentre, baseline, size, kBoxWidth, bold, std::string(colour)};
    const double width = TextWidth(line.text, size, bold);
    if (width <= kBoxWidth)
        return line;
    // Whole tenths of a pixel, so the printed size never rounds up past the fit.
    line.size = std::floor(size * kBoxWidth / width * 10) / 10;
    if (line.size >= floor)
        return line;
    line.size = floor;
    line.text = CutToFit(line.text, floor, kBoxWidth, bold);
    return line;
}

double Luminance(Rgb colour) {
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

// Black or white, whichever stands out more from the swatch.
std::string_view InkOn(Rgb colour) {
    const double l = Luminance(colour);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? "#000000" : "#FFFFFF";
}

std::string SignWithSymbol(ZodiacSign sign, const Language& language) {
    // The symbols U+2648 to U+2653 are in zodiac order; U+FE0E asks for the
    // text form, not an emoji.
    std::string shown;
    if (const auto index = SignIndex(sign)) {
        AppendUtf8(shown, static_cast<char32_t>(0x2648 + *index));
        shown.append("\uFE0E ");
    }
    shown.append(language.Sign(sign));
    return shown;
}

// "♂ ♒ Aquarius · ♀ ♊ Gemini": the first planet's sign, then the second's.
std::string SignPair(std::string_view firstPlanet, ZodiacSign first, std::string_view secondPlanet,
                     ZodiacSign second, const Language& language) {
    std::string pair(firstPlanet);
    pair.append(" ").append(SignWithSymbol(first, language));
    pair.append("  \u00B7  ").append(secondPlanet).append(" ");
    pair.append(SignWithSymbol(second, language));
    return pair;
}

constexpr std::string_view kMars = "\u2642\uFE0E";
constexpr std::string_view kVenus = "\u2640\uFE0E";

void AddReading(CardLayout& layout, double top, const ReadingResult& reading, std::string pair,
                const Language& language) {
    constexpr double kHeight = 330;
    const bool swatch = HasSwatch(reading);
    const Rgb colour =
        swatch ? kSwatchColours[static_cast<std::size_t>(*reading.number - 1)] : Rgb{128, 128, 128};
    layout.blocks.push_back({top, kHeight, swatch ? SwatchHex(*reading.number) : "#808080"});
    const std::string_view ink = InkOn(colour);
    if (const Category* category = language.Shown(reading.category)) {
        layout.lines.push_back(Fitted(CardText(category->word), top + 130, 96, 40, true, ink));
        layout.lines.push_back(
            Fitted(CardText(category->colourName), top + 205, 44, 28, false, ink));
    }
    layout.lines.push_back(Fitted(std::move(pair), top + 285, 44, 28, false, ink));
}

}  // namespace

double TextWidth(std::string_view text, double size, bool bold) {
    double ems = 0;
    for (std::size_t pos = 0; pos < text.size();)
        ems += AdvanceEms(NextCodePoint(text, pos), bold);
    return ems * size * kFontMargin;
}

std::string CardText(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = NextCodePoint(text, pos);
        AppendUtf8(clean, Unwanted(c) ? kReplacementCharacter : c);
    }
    return clean;
}

CardContent CardFor(const Couple& couple, const CoupleReading& reading, bool withNames) {
    return {couple.name,          couple.partnerName, withNames,
            reading.yourMars,     reading.yourVenus,  reading.partnerMars,
            reading.partnerVenus, &reading.result};
}

CardLayout LayOutCard(const CardContent& content, const Language& language) {
    CardLayout layout;
    layout.lines.push_back(Fitted("Amorist", 190, 84, 84, true, kTitleColour));
    double top = 300;
    if (content.withNames) {
        layout.lines.push_back(Fitted(CardText(content.name), 330, 64, 32, true, kNameColour));
        layout.lines.push_back(Fitted("&", 410, 48, 48, false, kNameColour));
        layout.lines.push_back(
            Fitted(CardText(content.partnerName), 490, 64, 32, true, kNameColour));
        top = 560;
    }
    if (content.result != nullptr) {
        const double gap = content.withNames ? 30 : 80;
        AddReading(layout, top, content.result->one,
                   SignPair(kMars, content.yourMars, kVenus, content.partnerVenus, language),
                   language);
        AddReading(layout, top + 330 + gap, content.result->two,
                   SignPair(kVenus, content.yourVenus, kMars, content.partnerMars, language),
                   language);
    }
    layout.lines.push_back(Fitted(std::string(kCardSite), 1300, 36, 24, false, kSiteColour));
    return layout;
}

namespace {

void AppendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                out.append("&amp;");
                break;
            case '<':
                out.append("&lt;");
                break;
            case '>':
                out.append("&gt;");
                break;
            case '"':
                out.append("&quot;");
                break;
            case '\'':
                out.append("&apos;");
                break;
            default:
                out += c;
        }
    }
}

// Numbers as the card writes them: at most one decimal, no locale.
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string shown(text);
    if (shown.ends_with(".0"))
        shown.resize(shown.size() - 2);
    return shown;
}

}  // namespace

std::string CardSvg(const CardContent& content, const Language& language) {
    const CardLayout layout = LayOutCard(content, language);
    const std::string width = std::to_string(kCardWidth);
    const std::string height = std::to_string(kCardHeight);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg.append("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" +
               height + "\" viewBox=\"0 0 " + width + " " + height + "\">\n");
    svg.append("<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"")
        .append(kBackground)
        .append("\"/>\n");
    // The icon, 64 units square, drawn 120 px wide left of the title.
    const CardLine& title = layout.lines.front();
    const double titleWidth = TextWidth(title.text, title.size, title.bold);
    const double iconLeft = kCentre - (120 + 30 + titleWidth) / 2;
    svg.append("<g transform=\"translate(" + Number(iconLeft) + " 96) scale(1.875)\">")
        .append(card_font::kIconBody)
        .append("</g>\n");
    for (const CardLayout::Block& block : layout.blocks) {
        svg.append("<rect x=\"" + Number(kMargin) + "\" y=\"" + Number(block.top) + "\" width=\"" +
                   Number(kBoxWidth) + "\" height=\"" + Number(block.height) +
                   "\" rx=\"36\" fill=\"" + block.fill + "\"/>\n");
    }
    svg.append("<g font-family=\"").append(kFontFamily).append("\" text-anchor=\"middle\">\n");
    for (const CardLine& line : layout.lines) {
        // The title sits right of the icon; every other line is centred.
        const double x = &line == &title ? iconLeft + 150 + titleWidth / 2 : line.x;
        svg.append("<text x=\"" + Number(x) + "\" y=\"" + Number(line.baseline) +
                   "\" font-size=\"" + Number(line.size) + "\"");
        if (line.bold)
            svg.append(" font-weight=\"bold\"");
        svg.append(" fill=\"" + line.colour + "\">");
        AppendEscaped(svg, line.text);
        svg.append("</text>\n");
    }
    svg.append("</g>\n</svg>\n");
    return svg;
}

}  // namespace amorist::reading
