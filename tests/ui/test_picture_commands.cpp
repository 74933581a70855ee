// The result window's picture commands: Save Picture, Copy Picture and Print.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <unistd.h>

#include "tests/ui/test_frmMain_driver.h"

namespace amorist {
namespace {

using testing::Find;
using testing::ReadingWindows;

frmDisplay& ShowReading(ReadingWindows& run) {
    run.Fill({QStringLiteral("ALEX <&> MORGAN"), 7, QStringLiteral("March"), 1975},
             {QStringLiteral("SAM RIVERS"), 23, QStringLiteral("November"), 1978});
    run.AskForReading();
    if (run.Display() == nullptr)
        throw std::runtime_error("the reading did not open");
    return *run.Display();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PictureCommands, FileMenuHasThemBeforeExitWithTheirKeys) {
    ReadingWindows run;
    frmDisplay& display = ShowReading(run);
    QStringList entries;
    for (const QAction* action : Find<QMenu>(display, "mnuFile").actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(entries.join(' '), QStringLiteral("mnuFileBack mnuSavePicture mnuCopyPicture "
                                                "mnuPrint - mnuExit"));
    const std::pair<const char*, QKeySequence> keys[] = {
        {"mnuSavePicture", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"mnuCopyPicture", QKeySequence(QStringLiteral("Ctrl+Shift+C"))},
        {"mnuPrint", QKeySequence(QStringLiteral("Ctrl+P"))},
    };
    for (const auto& [name, key] : keys)
        EXPECT_EQ(display.findChild<QAction*>(name)->shortcut(), key) << name;
}

TEST(PictureCommands, SavesTheCardAsPngOrSvgTheSameBytesEachTime) {
    ReadingWindows run;
    frmDisplay& display = ShowReading(run);
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("card.png"));
    ASSERT_TRUE(display.SavePicture(png));
    const QByteArray first = Contents(png);
    ASSERT_TRUE(display.SavePicture(png));
    EXPECT_EQ(Contents(png), first);
    const QImage image = QImage::fromData(first, "PNG");
    EXPECT_EQ(image.size(), QSize(1080, 1350));

    const QString svg = folder.filePath(QStringLiteral("card.SVG"));
    ASSERT_TRUE(display.SavePicture(svg));
    EXPECT_TRUE(Contents(svg).contains(">ALEX &lt;&amp;&gt; MORGAN</text>"));
    EXPECT_TRUE(run.platform.messages.empty());
}

TEST(PictureCommands, AFailedSaveSaysSoAndLeavesNothing) {
    ReadingWindows run;
    frmDisplay& display = ShowReading(run);
    QTemporaryDir folder;
    QFile(folder.filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly);
    const QString readOnly = folder.filePath(QStringLiteral("read-only"));
    QDir().mkdir(readOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    // A folder where the picture would go: the new file is written, then cannot take its place.
    QDir().mkdir(folder.filePath(QStringLiteral("taken.png")));
    QStringList targets{folder.filePath(QStringLiteral("plain/card.png")),
                        folder.filePath(QStringLiteral("taken.png"))};
    if (geteuid() != 0)  // the superuser writes in read-only folders
        targets << readOnly + QStringLiteral("/card.png");
    for (const QString& target : targets) {
        run.platform.messages.clear();
        EXPECT_FALSE(display.SavePicture(target));
        ASSERT_EQ(run.platform.messages.size(), 1u) << target.toStdString();
        EXPECT_EQ(run.platform.messages[0].icon, MessageIcon::Critical);
        EXPECT_TRUE(run.platform.messages[0].text.contains(target));
    }
    const auto entries = [](const QString& path) {
        return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                    QDir::Name);
    };
    EXPECT_EQ(entries(readOnly), QStringList());
    EXPECT_EQ(entries(folder.path()),
              QStringList({QStringLiteral("plain"), QStringLiteral("read-only"),
                           QStringLiteral("taken.png")}));
    EXPECT_EQ(entries(folder.filePath(QStringLiteral("taken.png"))), QStringList());
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(PictureCommands, CopyPutsTheCardOnTheClipboard) {
    ReadingWindows run;
    frmDisplay& display = ShowReading(run);
    QGuiApplication::clipboard()->clear();
    display.findChild<QAction*>("mnuCopyPicture")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(1080, 1350));
}

// Runs a poppler tool and gives what it printed.
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Ligatures as the letters they join, and any run of white space as one space.
QString Spaced(QString text) {
    text = text.normalized(QString::NormalizationForm_KC);
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

TEST(PictureCommands, PrintsTheWholeReadingOnOnePage) {
    for (const QString& language : {QString(), QStringLiteral("de")}) {
        ReadingWindows run(language);
        frmDisplay& display = ShowReading(run);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("reading.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        display.Print(printer);
        const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
        const QString text = Spaced(Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
        for (const char* label : {"lblCompatibilityOne", "lblCompatibilityTwo", "lblYourName",
                                  "lblYourMarsSign", "lblkeywordsTwo"}) {
            EXPECT_TRUE(text.contains(Spaced(run.Shown(label)))) << label << "\n"
                                                                  << text.toStdString();
        }
    }
}

}  // namespace
}  // namespace amorist
