#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "core/compatibility/reading_content.h"

namespace amorist {
namespace {

constexpr std::string_view kP1 =
    "You will instantly recognize the love each has for the other. You will try your best to "
    "impress your partner. This will be a relationship both of you will remember forever. You "
    "will have very strong feelings for each other. This is a dynamic relationship.";
constexpr std::string_view kP2 =
    "You both may have nothing in common. You may like something about each other but neither "
    "of you will make the first move. There will always be some hesitancy between the both of "
    "you. You both may be different but you both can sense easily what is going on in each "
    "other's mind.";
constexpr std::string_view kP3 =
    "This is a very comfortable and easy relationship. There is no sudden or intense passion "
    "involved. It is more likely that such a relationship will develop over a period of time. "
    "You love each other and at the same time appreciate each other. This progresses in a "
    "gradual and steady manner. You will take time to get to know each other.";
constexpr std::string_view kP4 =
    "There will be a clash of personalities. In the beginning this relationship may seem "
    "exciting and happening but later on there may be a lot of conflict. You both will be "
    "passionate at times or impossible at other times. You may have to overcome many "
    "challenges.";
constexpr std::string_view kP5 =
    "This is an excellent combination. You are made for each other and feel very comfortable "
    "with each other. You have similar styles of expressing your love. But you are still "
    "different in your ways of loving each other. Though both of your will fight over who loves "
    "the other more, this relationship will be harmonious. You will share very good mutual "
    "understanding. This relationship stands for true love.";
constexpr std::string_view kP6 =
    "This relationship is total or nothing. There is attraction or absolutely nothing. You may "
    "realize this only when someone points it out to you. This may be an on and off kind of "
    "relationship. There may be moments when you think the world of each other and other times "
    "when you don't even feel like seeing each other's face. This is a very unlikely "
    "relationship. But it can last if you want it to. You may have to make a lot of adjustments "
    "and compromises for this relationship to work. There my be a lot of fireworks. It can be "
    "good or it can be terrible, depending on how you intend to go about it.";
constexpr std::string_view kP7 =
    "This will be the real case of opposites attracting each other. This may not essentially be "
    "love at first sight. In fact you may have hated each other in the first instance. There is "
    "always a love-hate relationship. You will need to understand the other person and learn "
    "what he has to give than fight with him at each and every point. Learn to appreciate each "
    "other's good traits and move ahead.";

struct Expected {
    int n;
    std::string_view swatch;
    std::string_view colour, word, paragraph;
};

constexpr Expected kContent[] = {
    {1, "CE2163", "red", "Excellent", kP1},         {2, "EFEFD6", "Beige", "Difficult", kP2},
    {3, "D6D6FF", "Purple", "Understanding", kP3},  {4, "008484", "Green", "Fiery", kP4},
    {5, "B55294", "Magenta", "Happening", kP5},     {6, "C6C67B", "Olive", "Magnetic", kP6},
    {7, "E7B5D6", "Pink", "Different", kP7},        {8, "C6C67B", "Olive", "Magnetic", kP6},
    {9, "B55294", "Magenta", "Happening", kP5},     {10, "008484", "Green", "Fiery", kP4},
    {11, "D6D6FF", "Purple", "Understanding", kP3}, {12, "EFEFD6", "Beige", "Difficult", kP2},
};

std::string Hex(const Rgb& c) {
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", c.red, c.green, c.blue);
    return text;
}

TEST(ReadingContent, EveryNumberHasItsSwatchColourWordAndParagraph) {
    for (const Expected& e : kContent) {
        SCOPED_TRACE(e.n);
        EXPECT_EQ(Hex(kSwatchColours[e.n - 1]), e.swatch);
        const Category* category = CategoryFor(e.n);
        ASSERT_NE(category, nullptr);
        EXPECT_EQ(category->colourName, e.colour);
        EXPECT_EQ(category->word, e.word);
        EXPECT_EQ(category->paragraph, e.paragraph);
    }
}

TEST(ReadingContent, NumbersThatAddUpTo14ShareTheirWholeContent) {
    for (int n = 2; n <= 12; ++n) {
        EXPECT_EQ(CategoryFor(n), CategoryFor(14 - n)) << n;
        EXPECT_EQ(Hex(kSwatchColours[n - 1]), Hex(kSwatchColours[14 - n - 1])) << n;
    }
}

TEST(ReadingContent, ParagraphsKeepTheirOwnWording) {
    EXPECT_NE(CategoryFor(5)->paragraph.find("Though both of your will fight"),
              std::string_view::npos);
    EXPECT_NE(CategoryFor(6)->paragraph.find("There my be a lot of fireworks."),
              std::string_view::npos);
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(CategoryFor(n)->paragraph.find('\n'), std::string_view::npos) << n;
    }
}

TEST(ReadingContent, NumbersOutsideOneToTwelveHaveNoCategory) {
    for (int n : {0, -1, 13, 14, 100})
        EXPECT_EQ(CategoryFor(n), nullptr) << n;
}

}  // namespace
}  // namespace amorist
