// Drives the main and result windows the way a user does, offscreen, with
// the recording platform answering every message box and link.
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/modHelp.h"
#include "core/ephemeris/zodiac.h"
#include "tests/support/fake_platform.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/frmReferAFriend.h"
#include "ui/windows.h"

namespace amorist::testing {

template <typename Control>
Control& Find(QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QLatin1String(name));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}

inline void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A key as the window system delivers it, with the text spelled out:
// QTest::keyClick(Qt::Key_V, Qt::ControlModifier) would send "v", while the
// X11 backend sends "\x16".
inline void PressKey(QWidget& target, Qt::Key key, const QString& text,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&target, &release);
}

// Types text key by key. Unlike QTest::keyClicks this takes any character:
// Qt's key codes for letters are the upper-case character codes.
inline void TypeText(QWidget& target, const QString& text) {
    for (QChar c : text) {
        PressKey(target, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                 c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

// The main window builds a promotion offer when it is brought up; a test that
// reaches for one by name brings it up first.
inline void BringUpOffer(frmMain& main, std::string_view control) {
    if (control == "lblCobrand")
        main.ShowOffer(frmMain::Offer::CoBrand);
    if (control == "lblFullBrand")
        main.ShowOffer(frmMain::Offer::FullBrand);
}

// One person's entries as the user picks them.
struct Entries {
    QString name;
    int day = 1;
    QString month = QStringLiteral("January");
    int year = 1930;
};

// A run with the main window on screen, as the start-up sequence leaves it.
class ReadingWindows {
public:
    // language: the translation installed ("de"), empty for English.
    explicit ReadingWindows(const QString& language = {}) {
        session.setLanguage(language);
        // As an odd die leaves it; the full-branding offer is built when a test brings it up.
        windows.Main().ShowOffer(frmMain::Offer::CoBrand);
        windows.Main().show();
        windows.Main().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&windows.Main()));
    }
    ~ReadingWindows() { DeleteClosedWindows(); }

    frmMain& Main() { return windows.Main(); }
    frmDisplay* Display() { return windows.LoadedDisplay(); }

    QLineEdit& Box(const char* name) { return Find<QLineEdit>(Main(), name); }
    QComboBox& List(const char* name) { return Find<QComboBox>(Main(), name); }
    QPushButton& Button(const char* name) { return Find<QPushButton>(Main(), name); }

    void Pick(const char* list, const QString& item) {
        QComboBox& box = List(list);
        const int index = box.findText(item, Qt::MatchExactly);
        ASSERT_GE(index, 0) << list << " has no " << item.toStdString();
        box.setCurrentIndex(index);
    }

    // A month is named in English and picked by its place, whatever language the list shows.
    void PickMonth(const char* list, const QString& english) {
        const auto& months = kMonthNames;
        const auto found = std::find(months.begin(), months.end(), english.toStdString());
        ASSERT_NE(found, months.end()) << english.toStdString();
        List(list).setCurrentIndex(static_cast<int>(found - months.begin()));
    }

    void Fill(const Entries& you, const Entries& partner) {
        Box("txtName").setText(you.name);
        Pick("cboDate", QString::number(you.day));
        PickMonth("cboMonth", you.month);
        Pick("cboYear", QString::number(you.year));
        Box("txtFriendName").setText(partner.name);
        Pick("cboFriendDate", QString::number(partner.day));
        PickMonth("cboFriendMonth", partner.month);
        Pick("cboFriendYear", QString::number(partner.year));
    }

    void AskForReading() { Button("cmdCompatibilityWithFriend").click(); }

    // The text a result-window label shows.
    QString Shown(const char* label) {
        if (Display() == nullptr)
            throw std::runtime_error("no result window");
        return Find<QLabel>(*Display(), label).text();
    }

    static bool Visible(QWidget* window) { return window != nullptr && window->isVisible(); }

    FakePlatform platform;
    Session session{platform};
    Windows windows{session};
};

// The address of a page of one of the maker's sites.
inline QString Page(const char* host, const char* path) {
    return QStringLiteral("https://") + QLatin1String(host) + QLatin1String(path);
}

}  // namespace amorist::testing
