// The About window: its texts and look, its two links, and closing it with
// OK, Enter or Esc.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>

#include "tests/support/fake_platform.h"
#include "ui/frmAbout.h"

namespace amorist {
namespace {

using testing::FakePlatform;

constexpr int kStillOpen = 42;

// Runs the window modally as the menus do; `whileOpen` acts from inside the
// modal loop. If nothing closes the window, it is closed with kStillOpen.
int RunModal(frmAbout& about, const std::function<void()>& whileOpen) {
    QTimer::singleShot(0, &about, whileOpen);
    QTimer::singleShot(3000, &about, [&about] { about.done(kStillOpen); });
    const int result = about.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

QLabel* Label(frmAbout& about, const char* name) {
    auto* label = about.findChild<QLabel*>(QLatin1String(name));
    EXPECT_NE(label, nullptr) << name;
    return label;
}

struct TextCase {
    const char* control;
    const char* text;
};

const TextCase kTexts[] = {
    {"Label2", "Amorist v1.0"},
    {"Label1",
     "Amorist gives the compatibility between two individuals based on their Venus and Mars "
     "signs. Venus & Mars signs are opposite in nature and represent yin - yang planets. The "
     "software gives you an idea on different aspects of your relationship which depend on the "
     "Venus and Mars signs. All rights in this software belong to Quillmoor Softwares."},
    {"Label6",
     "Home Business Opportunity. Start your own Internet business and make money online. Get "
     "this software fully branded for your website."},
    {"Label5", "Click here for more details"},
    {"lblHomePage", "Click here to visit https://www.quillmoor.com"},
};

TEST(frmAboutTexts, ShowEveryTextLetterForLetterAsPlainText) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Amorist v1.0"));
    for (const auto& [control, text] : kTexts) {
        QLabel* label = Label(about, control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromLatin1(text)) << control;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << control;
    }
    auto* cmdOK = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    ASSERT_NE(cmdOK, nullptr);
    EXPECT_EQ(cmdOK->text(), QStringLiteral("&OK"));
}

struct LookCase {
    const char* control;
    QColor colour;
    bool bold;
    bool link;
};

const LookCase kLooks[] = {
    {"Label2", QColor(255, 192, 192), true, false},
    {"Label1", QColor(255, 224, 192), false, false},
    {"Label6", QColor(255, 224, 192), true, false},
    {"Label5", QColor(255, 192, 192), true, true},
    {"lblHomePage", QColor(255, 192, 192), true, true},
};

TEST(frmAboutLook, LightTextInVerdanaOnDarkBlueWithUnderlinedLinks) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(44, 63, 92));
    EXPECT_TRUE(about.autoFillBackground());
    for (const auto& look : kLooks) {
        QLabel* label = Label(about, look.control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), look.colour) << look.control;
        EXPECT_FALSE(label->autoFillBackground()) << look.control;
        EXPECT_EQ(label->font().family(), QStringLiteral("Verdana")) << look.control;
        EXPECT_EQ(label->font().bold(), look.bold) << look.control;
        EXPECT_EQ(label->font().underline(), look.link) << look.control;
        EXPECT_EQ(label->cursor().shape() == Qt::PointingHandCursor, look.link) << look.control;
    }
}

TEST(frmAboutLook, ShowsTheProgramIconAtThirtyTwoPixels) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    QLabel* picIcon = Label(about, "picIcon");
    ASSERT_NE(picIcon, nullptr);
    const QPixmap icon = picIcon->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.deviceIndependentSize().toSize(), QSize(32, 32));
    // The icon's dark blue tile, not an empty picture.
    const QImage image = icon.toImage();
    EXPECT_EQ(image.pixelColor(16, 2).rgb(), QColor(44, 63, 92).rgb());
    EXPECT_FALSE(about.windowIcon().isNull());
}

TEST(frmAboutLook, LaysOutTopToBottomWithEveryTextFitting) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    about.show();
    const auto box = [&](const char* name) {
        auto* widget = about.findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget ? widget->geometry() : QRect();
    };
    const QRect window = about.rect();
    const QRect icon = box("picIcon"), title = box("Label2"), description = box("Label1"),
                home = box("lblHomePage"), business = box("Label6"), details = box("Label5"),
                ok = box("cmdOK");

    EXPECT_LT(icon.left(), 20);
    EXPECT_LT(icon.top(), 20);
    EXPECT_GT(title.left(), icon.right());
    EXPECT_TRUE(title.intersects(QRect(0, icon.top(), window.width(), icon.height())));
    EXPECT_GT(description.top(), icon.bottom());
    EXPECT_GT(home.top(), description.bottom());
    EXPECT_GT(business.top(), home.bottom());
    EXPECT_GT(details.top(), business.bottom());
    EXPECT_GT(details.left(), window.width() / 2);
    EXPECT_GT(ok.top(), details.bottom());
    EXPECT_GT(ok.left(), window.width() / 2);

    for (QLabel* label : about.findChildren<QLabel*>()) {
        EXPECT_TRUE(window.contains(label->geometry())) << label->objectName().toStdString();
        if (label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << label->objectName().toStdString();
        } else if (!label->text().isEmpty()) {
            EXPECT_GE(label->width(), label->sizeHint().width())
                << label->objectName().toStdString();
        }
    }
    EXPECT_TRUE(window.contains(ok));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
}

TEST(frmAboutClosing, IsModalAndOkClosesIt) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    QWidget* modal = nullptr;
    const int result = RunModal(about, [&] {
        modal = QApplication::activeModalWidget();
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    EXPECT_EQ(modal, &about);
    EXPECT_NE(result, kStillOpen);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(platform.opened.empty());
}

class frmAboutKeys : public ::testing::TestWithParam<Qt::Key> {};

TEST_P(frmAboutKeys, CloseTheWindow) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    const int result = RunModal(about, [&] { QTest::keyClick(&about, GetParam()); });
    EXPECT_NE(result, kStillOpen);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(platform.opened.empty());
}

INSTANTIATE_TEST_SUITE_P(EnterAndEsc, frmAboutKeys,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

TEST(frmAboutClosing, OkIsTheDefaultButton) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    EXPECT_TRUE(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->isDefault());
}

struct ClickCase {
    const char* control;
    const char* opens;  // nullptr: the label is no link
    friend void PrintTo(const ClickCase& click, std::ostream* out) { *out << click.control; }
};

const ClickCase kClicks[] = {
    {"Label5", "https://help.quillmoor.com/fully-branded.html"},
    {"lblHomePage", "https://www.quillmoor.com"},
    {"Label1", nullptr},
    {"Label2", nullptr},
    {"Label6", nullptr},
    {"picIcon", nullptr},
};

class frmAboutClicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(frmAboutClicks, LinksOpenTheirPageAndLeaveTheWindowOpenAndModal) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    bool openAfterClick = false;
    QWidget* modalAfterClick = nullptr;
    const int result = RunModal(about, [&] {
        QLabel* label = Label(about, GetParam().control);
        if (label != nullptr)
            QTest::mouseClick(label, Qt::LeftButton);
        openAfterClick = about.isVisible();
        modalAfterClick = QApplication::activeModalWidget();
        QTest::keyClick(&about, Qt::Key_Escape);
    });
    EXPECT_TRUE(openAfterClick);
    EXPECT_EQ(modalAfterClick, &about);
    EXPECT_NE(result, kStillOpen);
    const std::vector<QString> expected =
        GetParam().opens ? std::vector<QString>{QString::fromLatin1(GetParam().opens)}
                         : std::vector<QString>{};
    EXPECT_EQ(platform.opened, expected);
}

INSTANTIATE_TEST_SUITE_P(EveryLabel, frmAboutClicks, ::testing::ValuesIn(kClicks),
                         [](const auto& info) { return std::string(info.param.control); });

TEST(frmAboutClicks, ReleasingTheButtonAwayFromALinkOpensNothing) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    about.show();
    QLabel* link = Label(about, "Label5");
    ASSERT_NE(link, nullptr);
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-30, link->height() + 30));
    EXPECT_TRUE(platform.opened.empty());
}

TEST(frmAboutClicks, OnlyTheLeftButtonFollowsALink) {
    FakePlatform platform;
    frmAbout about(platform, nullptr);
    about.show();
    QLabel* link = Label(about, "lblHomePage");
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::RightButton);
    EXPECT_TRUE(platform.opened.empty());
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(platform.opened.size(), 1u);
}

}  // namespace
}  // namespace amorist
