#include <gtest/gtest.h>

#include <QString>
#include <QXmlStreamReader>
#include <regex>
#include <string>
#include <vector>

#include "core/compatibility/program_state.h"
#include "reading/card.h"
#include "reading/couple.h"
#include "reading/language.h"

namespace amorist::reading {
namespace {

std::vector<Language> EveryLanguage() {
    std::vector<Language> languages{Language::English()};
    for (const char* code : {"de", "fr", "es"})
        languages.push_back(*Language::Named(code));
    return languages;
}

// The texts of the card's <text> elements, or a failure when it is not well-formed XML.
::testing::AssertionResult TextsOf(const std::string& svg, std::vector<std::string>& texts) {
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
            texts.push_back(xml.readElementText().toStdString());
    }
    if (xml.hasError())
        return ::testing::AssertionFailure() << xml.errorString().toStdString() << "\n" << svg;
    return ::testing::AssertionSuccess();
}

void ExpectEveryLineFits(const CardContent& content, const Language& language) {
    for (const CardLine& line : LayOutCard(content, language).lines) {
        EXPECT_LE(TextWidth(line.text, line.size, line.bold), line.boxWidth) << line.text;
        EXPECT_GE(line.size, 24) << line.text;
    }
}

TEST(Card, EveryPairInEveryLanguageIsWellFormedFitsAndRepeats) {
    modRomanticCompatibility compatibility;
    for (const Language& language : EveryLanguage()) {
        for (int one = 0; one < 12; ++one) {
            for (int two = 0; two < 12; ++two) {
                RequestResult result;
                result.one = ReadingForPair(compatibility, kZodiacSigns[0], kZodiacSigns[one]);
                result.two = ReadingForPair(compatibility, kZodiacSigns[0], kZodiacSigns[two]);
                ASSERT_EQ(result.one.number, one + 1);
                const CardContent content{"ANN",           "BOB",           true,   kZodiacSigns[0],
                                          kZodiacSigns[0], kZodiacSigns[two], kZodiacSigns[one],
                                          &result};
                const std::string svg = CardSvg(content, language);
                std::vector<std::string> texts;
                ASSERT_TRUE(TextsOf(svg, texts));
                const Category* shown = language.Shown(result.two.category);
                EXPECT_NE(std::find(texts.begin(), texts.end(), shown->word), texts.end());
                EXPECT_NE(svg.find(SwatchHex(two + 1)), std::string::npos);
                EXPECT_NE(svg.find(language.Sign(kZodiacSigns[one])), std::string::npos);
                ExpectEveryLineFits(content, language);
                EXPECT_EQ(svg, CardSvg(content, language));
            }
        }
    }
}

TEST(Card, HoldsNoDateOfBirthInAnyForm) {
    const std::pair<std::string_view, std::string_view> dates[] = {
        {"1975-03-07", "1978-11-23"}, {"1/January/1930", "31/December/2012"},
        {"29/February/1988", "15/August/1999"}};
    for (const Language& language : EveryLanguage()) {
        for (const auto& [date, partnerDate] : dates) {
            const CheckedCouple checked = CheckCouple({"ANN", date, "BOB", partnerDate});
            ASSERT_TRUE(checked.ok()) << checked.error;
            const CoupleReading reading = ReadCouple(checked.couple);
            std::string svg = CardSvg(CardFor(checked.couple, reading, true), language);
            // No year of the tables (the namespace's 2000 aside), and no month name in any
            // form a date is shown in.
            svg = std::regex_replace(svg, std::regex("http://www.w3.org/2000/svg"), "");
            EXPECT_FALSE(std::regex_search(
                svg, std::regex("(^|[^0-9.])(19[3-9][0-9]|200[0-9]|201[0-2])([^0-9]|$)")));
            for (const CalendarDate& day : {checked.couple.date, checked.couple.partnerDate}) {
                std::string shown;
                language.AppendDate(shown, day);
                EXPECT_EQ(svg.find(shown), std::string::npos) << shown;
                EXPECT_EQ(svg.find(language.Month(day.monthIndex)), std::string::npos);
                EXPECT_EQ(svg.find(kMonthNames[static_cast<std::size_t>(day.monthIndex)]),
                          std::string::npos);
            }
        }
    }
}

TEST(Card, NamesAreEscapedCleanedAndFitted) {
    const std::string longest(4096, 'W');
    const struct {
        std::string name;
        std::string shown;  // "" when the name is cut short
    } cases[] = {
        {"<A&B \"C\" 'D'>", "<A&B \"C\" 'D'>"},
        {"]]><script>x</script>", "]]><script>x</script>"},
        {"BELL\x07\x1b[31m", "BELL\uFFFD\uFFFD[31m"},
        {"\xff\xfe\xc0\xaf", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xef\xbf\xbe\u0085", "\uFFFD\uFFFD"},
        {"ÉLODIE", "ÉLODIE"},
        {longest, ""},
        {std::string(300, 'a') + "\u6F22\u5B57", ""},
        {"\u0627\u0644\u0639\u0631\u0628\u064A\u0629 " + std::string(200, 'x'), ""},
    };
    RequestResult result;
    for (const auto& c : cases) {
        const CardContent content{c.name, c.name, true, "Aries", "Aries", "Leo", "Leo", &result};
        std::vector<std::string> texts;
        ASSERT_TRUE(TextsOf(CardSvg(content, Language::English()), texts));
        ASSERT_GE(texts.size(), 4u);
        if (c.shown.empty()) {
            EXPECT_TRUE(texts[1].ends_with("\u2026")) << texts[1];
            EXPECT_TRUE(c.name.starts_with(texts[1].substr(0, texts[1].size() - 3)));
        } else {
            EXPECT_EQ(texts[1], c.shown);
            EXPECT_EQ(texts[3], c.shown);
        }
        ExpectEveryLineFits(content, Language::English());
    }
}

TEST(Card, NoNamesLeavesBothOff) {
    RequestResult result;
    const CardContent content{"ZELDA", "YVES", false, "Aries", "Aries", "Leo", "Leo", &result};
    const std::string svg = CardSvg(content, Language::English());
    EXPECT_EQ(svg.find("ZELDA"), std::string::npos);
    EXPECT_EQ(svg.find("YVES"), std::string::npos);
    EXPECT_NE(svg.find(kCardSite), std::string::npos);
    EXPECT_NE(svg.find("width=\"1080\" height=\"1350\""), std::string::npos);
}

TEST(Card, MeasuresByTheFontWithWideFallbacks) {
    // DejaVu Sans: "W" is 2025 units of 2048, "i" 569; a letter it lacks counts wider than any.
    EXPECT_GT(TextWidth("W", 100, false), 100 * 2025 / 2048.0);
    EXPECT_LT(TextWidth("i", 100, false), TextWidth("W", 100, false) / 3);
    EXPECT_GT(TextWidth("W", 100, true), TextWidth("W", 100, false));
    EXPECT_GT(TextWidth("\u6F22", 100, false), TextWidth("W", 100, false));
    EXPECT_EQ(TextWidth("e\u0301", 100, false), TextWidth("e", 100, false));
}

}  // namespace
}  // namespace amorist::reading
