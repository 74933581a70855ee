#include "core/compatibility/reading_content.h"

#include "core/ephemeris/reads_as_number.h"
#include "core/translatable.h"

namespace amorist {

// Picture n and picture 14 - n share a colour, as their categories do.
const std::array<Rgb, 12> kSwatchColours = {{
    {206, 33, 99},    // 1
    {239, 239, 214},  // 2
    {214, 214, 255},  // 3
    {0, 132, 132},    // 4
    {181, 82, 148},   // 5
    {198, 198, 123},  // 6
    {231, 181, 214},  // 7
    {198, 198, 123},  // 8
    {181, 82, 148},   // 9
    {0, 132, 132},    // 10
    {214, 214, 255},  // 11
    {239, 239, 214},  // 12
}};

namespace {

// The paragraphs are shown word for word as they have always read, slips
// included ("both of your will fight", "There my be").
constexpr Category kExcellent{
    //: A colour name, shown under the reading's colour swatch
    QT_TRANSLATE_NOOP("reading", "red"),
    //: A category word, shown after "Keywords"
    QT_TRANSLATE_NOOP("reading", "Excellent"),
    //: The paragraph of the category "Excellent" (number 1)
    QT_TRANSLATE_NOOP(
        "reading",
        "You will instantly recognize the love each has for the other. You will try your best "
        "to impress your partner. This will be a relationship both of you will remember "
        "forever. You will have very strong feelings for each other. This is a dynamic "
        "relationship.")};

constexpr Category kDifficult{
    QT_TRANSLATE_NOOP("reading", "Beige"), QT_TRANSLATE_NOOP("reading", "Difficult"),
    //: The paragraph of the category "Difficult" (numbers 2 and 12)
    QT_TRANSLATE_NOOP(
        "reading",
        "You both may have nothing in common. You may like something about each other but "
        "neither of you will make the first move. There will always be some hesitancy between "
        "the both of you. You both may be different but you both can sense easily what is "
        "going on in each other's mind.")};

constexpr Category kUnderstanding{
    QT_TRANSLATE_NOOP("reading", "Purple"), QT_TRANSLATE_NOOP("reading", "Understanding"),
    //: The paragraph of the category "Understanding" (numbers 3 and 11)
    QT_TRANSLATE_NOOP(
        "reading",
        "This is a very comfortable and easy relationship. There is no sudden or intense "
        "passion involved. It is more likely that such a relationship will develop over a "
        "period of time. You love each other and at the same time appreciate each other. This "
        "progresses in a gradual and steady manner. You will take time to get to know each "
        "other.")};

constexpr Category kFiery{
    QT_TRANSLATE_NOOP("reading", "Green"), QT_TRANSLATE_NOOP("reading", "Fiery"),
    //: The paragraph of the category "Fiery" (numbers 4 and 10)
    QT_TRANSLATE_NOOP(
        "reading",
        "There will be a clash of personalities. In the beginning this relationship may seem "
        "exciting and happening but later on there may be a lot of conflict. You both will be "
        "passionate at times or impossible at other times. You may have to overcome many "
        "challenges.")};

constexpr Category kHappening{
    QT_TRANSLATE_NOOP("reading", "Magenta"), QT_TRANSLATE_NOOP("reading", "Happening"),
    //: The paragraph of the category "Happening" (numbers 5 and 9)
    QT_TRANSLATE_NOOP(
        "reading",
        "This is an excellent combination. You are made for each other and feel very "
        "comfortable with each other. You have similar styles of expressing your love. But you "
        "are still different in your ways of loving each other. Though both of your will fight "
        "over who loves the other more, this relationship will be harmonious. You will share "
        "very good mutual understanding. This relationship stands for true love.")};

constexpr Category kMagnetic{
    QT_TRANSLATE_NOOP("reading", "Olive"), QT_TRANSLATE_NOOP("reading", "Magnetic"),
    //: The paragraph of the category "Magnetic" (numbers 6 and 8)
    QT_TRANSLATE_NOOP(
        "reading",
        "This relationship is total or nothing. There is attraction or absolutely nothing. You "
        "may realize this only when someone points it out to you. This may be an on and off "
        "kind of relationship. There may be moments when you think the world of each other and "
        "other times when you don't even feel like seeing each other's face. This is a very "
        "unlikely relationship. But it can last if you want it to. You may have to make a lot "
        "of adjustments and compromises for this relationship to work. There my be a lot of "
        "fireworks. It can be good or it can be terrible, depending on how you intend to go "
        "about it.")};

constexpr Category kDifferent{
    QT_TRANSLATE_NOOP("reading", "Pink"), QT_TRANSLATE_NOOP("reading", "Different"),
    //: The paragraph of the category "Different" (number 7)
    QT_TRANSLATE_NOOP(
        "reading",
        "This will be the real case of opposites attracting each other. This may not "
        "essentially be love at first sight. In fact you may have hated each other in the "
        "first instance. There is always a love-hate relationship. You will need to understand "
        "the other person and learn what he has to give than fight with him at each and every "
        "point. Learn to appreciate each other's good traits and move ahead.")};

}  // namespace

const Category* CategoryFor(int n) {
    if (n == 1)
        return &kExcellent;
    if (n == 2 || n == 12)
        return &kDifficult;
    if (n == 3 || n == 11)
        return &kUnderstanding;
    if (n == 4 || n == 10)
        return &kFiery;
    if (n == 5 || n == 9)
        return &kHappening;
    if (n == 6 || n == 8)
        return &kMagnetic;
    if (n == 7)
        return &kDifferent;
    return nullptr;
}

std::optional<int> NumberFromText(std::string_view text) {
    return ReadAsNumber(text);
}

}  // namespace amorist
