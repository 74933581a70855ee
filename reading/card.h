// The reading card: one picture of a reading, 1080 x 1350 px, written as SVG
// for the desktop, the web edition and amorist-cli alike. It shows the names
// (unless left off), each reading's category, colour and sign pair, and the
// site's address; never a date of birth, since dates identify people.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/compatibility/program_state.h"
#include "reading/couple.h"
#include "reading/language.h"
#include "reading/reading_format.h"

namespace amorist::reading {

inline constexpr int kCardWidth = 1080;
inline constexpr int kCardHeight = 1350;

#ifndef AMORIST_CARD_SITE
#error "AMORIST_CARD_SITE must be defined by the build"
#endif
inline constexpr std::string_view kCardSite = AMORIST_CARD_SITE;

struct CardContent {
    std::string_view name;  // both names are left off when withNames is false
    std::string_view partnerName;
    bool withNames = true;
    ZodiacSign yourMars, yourVenus, partnerMars, partnerVenus;
    const RequestResult* result = nullptr;
};

CardContent CardFor(const Couple& couple, const CoupleReading& reading, bool withNames);

// One line of text on the card, fitted: centred on x, at most boxWidth wide
// by TextWidth's measure, in the largest size up to its own that fits, and
// cut short with an ellipsis when even the smallest size it may take is too
// wide. text is plain (unescaped) UTF-8.
struct CardLine {
    std::string text;
    double x = 0;
    double baseline = 0;
    double size = 0;
    double boxWidth = 0;
    bool bold = false;
    std::string colour;
};

struct CardLayout {
    struct Block {
        double top = 0;
        double height = 0;
        std::string fill;
    };
    std::vector<Block> blocks;  // one coloured panel per reading
    std::vector<CardLine> lines;
};

CardLayout LayOutCard(const CardContent& content, const Language& language);
std::string CardSvg(const CardContent& content, const Language& language);

// The width of UTF-8 text in pixels at the size, by DejaVu Sans' advances with
// a margin for other fonts; a letter that face lacks counts as wide as the
// widest letters of the common scripts. Bytes that are not UTF-8 count as U+FFFD.
double TextWidth(std::string_view text, double size, bool bold);

// The text as the card holds it: each control character, non-character and
// byte that is not UTF-8 becomes U+FFFD, so any name gives well-formed XML.
std::string CardText(std::string_view text);

}  // namespace amorist::reading
