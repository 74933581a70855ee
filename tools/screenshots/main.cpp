// Renders the program's windows to PNG files without a display: the main
// window with each promotion offer in front, the result window after two
// sample readings, the About window and the refer-a-friend window; in English
// into the folder, and in each translation into a subfolder named for it.
// Usage: amorist-screenshots <folder>
//
// Every run writes the same bytes: the offscreen platform at 96 dots per
// inch, the Fusion style, only the packaged DejaVu fonts with fixed rendering
// settings (the user's font configuration and Qt's scaling variables are set
// aside), fixed sample data, and a platform whose random draws are fixed.
#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "app/platform.h"
#include "app/session.h"
#include "core/ephemeris/zodiac.h"
#include "translations/app_translation.h"
#include "translations/program_language.h"
#include "ui/frmAbout.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/frmReferAFriend.h"
#include "ui/windows.h"

namespace {

constexpr char kFontFolder[] = "/usr/share/fonts/truetype/dejavu";

// Fonts that no family request can escape: Verdana and the desktop's sans
// serif both come out as DejaVu Sans, rendered greyscale with slight hinting.
constexpr char kFontConfig[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>%1</dir>
  <cachedir>%2</cachedir>
  <match target="pattern">
    <edit name="family" mode="prepend_first" binding="strong"><string>DejaVu Sans</string></edit>
  </match>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="lcdfilter" mode="assign"><const>lcddefault</const></edit>
  </match>
</fontconfig>
)";

// Variables through which a user's desktop would reach the rendering.
constexpr const char* kDesktopVariables[] = {
    "QT_SCALE_FACTOR",   "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
    "QT_FONT_DPI",       "QT_USE_PHYSICAL_DPI",     "QT_SCALE_FACTOR_ROUNDING_POLICY",
    "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME",    "QT_QPA_FONTDIR",
    "FONTCONFIG_PATH",   "FONTCONFIG_SYSROOT",      "QT_DEVICE_PIXEL_RATIO",
};

bool SetAsideTheDesktop(const QTemporaryDir& scratch) {
    if (!QFile::exists(QLatin1String(kFontFolder) + QStringLiteral("/DejaVuSans.ttf"))) {
        std::fprintf(stderr, "the DejaVu fonts are missing from %s (package fonts-dejavu-core)\n",
                     kFontFolder);
        return false;
    }
    const QString configPath = scratch.filePath(QStringLiteral("fonts.conf"));
    QFile config(configPath);
    const QByteArray text =
        QString::fromLatin1(kFontConfig)
            .arg(QLatin1String(kFontFolder), scratch.filePath(QStringLiteral("font-cache")))
            .toUtf8();
    if (!config.open(QIODevice::WriteOnly) || config.write(text) != text.size()) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(configPath));
        return false;
    }
    config.close();

    for (const char* name : kDesktopVariables)
        qunsetenv(name);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", QFile::encodeName(configPath));
    // Nothing the user has stored (the reminder date, a running copy's lock) is read.
    const QString runtime = scratch.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("config"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    return true;
}

// A sample run asks nothing of the desktop: any message, question, link or
// end of the run means the sample went wrong. Random draws take the lowest
// value, so the refer-a-friend window always shows its first support message.
class FixedPlatform final : public amorist::Platform {
public:
    void ShowMessage(QWidget*, const QString& text, amorist::MessageIcon) override {
        Unexpected("message", text);
    }
    bool AskYesNo(QWidget*, const QString& text) override {
        Unexpected("question", text);
        return false;
    }
    void OpenWebPage(const QString& address) override { Unexpected("web page", address); }
    QDate Today() override { return QDate(2026, 1, 5); }
    void SeedRandomFromClock() override {}
    int RandomBetween(int low, int) override { return low; }
    void EndProcess(int status) override { Unexpected("end of the run", QString::number(status)); }

    bool surprised() const { return surprised_; }

private:
    void Unexpected(const char* what, const QString& detail) {
        std::fprintf(stderr, "unexpected %s: %s\n", what, qPrintable(detail));
        surprised_ = true;
    }

    bool surprised_ = false;
};

bool Save(QWidget& window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (window.grab().save(path)) {
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

template <typename Widget>
Widget* Control(QWidget& window, const char* name) {
    return window.findChild<Widget*>(QLatin1String(name));
}

struct Person {
    const char* name;
    const char* day;
    const char* month;
    const char* year;
};

// The first couple's readings fall in two different categories; the second
// couple's first reading has the longest paragraph of all.
constexpr Person kCouples[][2] = {
    {{"ALEX MORGAN", "7", "March", "1975"}, {"SAM RIVERS", "23", "November", "1978"}},
    {{"IDA", "20", "July", "1969"}, {"LEO", "8", "August", "1988"}},
};

// The month lists show the month in the window's language; the samples name it in English.
int MonthIndex(const char* english) {
    const auto& months = amorist::kMonthNames;
    return static_cast<int>(std::find(months.begin(), months.end(), english) - months.begin());
}

void Enter(amorist::frmMain& main, const Person& you, const Person& partner) {
    Control<QLineEdit>(main, "txtName")->setText(QLatin1String(you.name));
    Control<QComboBox>(main, "cboDate")->setCurrentText(QLatin1String(you.day));
    Control<QComboBox>(main, "cboMonth")->setCurrentIndex(MonthIndex(you.month));
    Control<QComboBox>(main, "cboYear")->setCurrentText(QLatin1String(you.year));
    Control<QLineEdit>(main, "txtFriendName")->setText(QLatin1String(partner.name));
    Control<QComboBox>(main, "cboFriendDate")->setCurrentText(QLatin1String(partner.day));
    Control<QComboBox>(main, "cboFriendMonth")->setCurrentIndex(MonthIndex(partner.month));
    Control<QComboBox>(main, "cboFriendYear")->setCurrentText(QLatin1String(partner.year));
}

// Renders every window in the language now installed (language: its code, empty for
// English); false when a picture was not written or the sample asked something of the desktop.
bool RenderWindows(const QDir& folder, const QString& language) {
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "could not create %s\n", qPrintable(folder.path()));
        return false;
    }
    FixedPlatform platform;
    amorist::Session session(platform);
    session.setLanguage(language);
    amorist::Windows windows(session);
    bool saved = true;

    amorist::frmMain& main = windows.Main();
    main.show();
    main.ShowOffer(amorist::frmMain::Offer::FullBrand);
    saved &= Save(main, folder, QStringLiteral("frmMain.png"));
    main.ShowOffer(amorist::frmMain::Offer::CoBrand);
    int reading = 0;
    for (const auto& [you, partner] : kCouples) {
        Enter(main, you, partner);
        if (reading == 0)
            saved &= Save(main, folder, QStringLiteral("frmMain-entries.png"));
        Control<QPushButton>(main, "cmdCompatibilityWithFriend")->click();
        amorist::frmDisplay* display = windows.LoadedDisplay();
        if (display == nullptr) {
            std::fprintf(stderr, "the sample reading did not open the result window\n");
            return false;
        }
        ++reading;
        saved &= Save(*display, folder, QStringLiteral("frmDisplay-%1.png").arg(reading));
        Control<QPushButton>(*display, "cmdBack")->click();
        // Back unloads the result window; it goes now rather than at exit.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    amorist::frmAbout about(platform, nullptr);
    about.show();
    saved &= Save(about, folder, QStringLiteral("frmAbout.png"));

    amorist::frmReferAFriend& referAFriend = windows.ReferAFriend();
    referAFriend.show();
    saved &= Save(referAFriend, folder, QStringLiteral("frmReferAFriend.png"));
    return saved && !platform.surprised();
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir scratch;
    if (!scratch.isValid() || !SetAsideTheDesktop(scratch))
        return 1;
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Renders Amorist's windows to PNG files."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("folder"),
                                  QStringLiteral("Where the pictures go (default: screenshots)."));
    options.process(app);  // --help and unknown options end the run here
    const QStringList folders = options.positionalArguments();
    if (folders.size() > 1)
        options.showHelp(1);
    const QDir folder(folders.value(0, QStringLiteral("screenshots")));

    bool rendered = true;
    {
        const amorist::ProgramLanguage english(QStringList{QStringLiteral("en")});
        rendered &= RenderWindows(folder, english.code());
    }
    for (std::string_view code : amorist::kTranslatedLanguages) {
        const QString name = QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
        const amorist::ProgramLanguage language(QStringList{name});
        rendered &= RenderWindows(QDir(folder.filePath(name)), language.code());
    }
    return rendered ? 0 : 1;
}
