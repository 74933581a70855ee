// The start-up benchmark's third yardstick: a window with the same widgets as
// Amorist's main window (the same kinds and count of labels, lists, name
// boxes, buttons, groups, menus and window icons, the lists holding as many
// items) built plainly: fixed places, the style's own font and colours, no
// text fitting, no program logic. What Amorist takes beyond it is its own.
// AMORIST_STARTUP_TRACE=1 prints the phases the program prints, where it has them.
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

#include "app/startup_trace.h"

namespace {

using amorist::startup_trace::Phase;
using amorist::startup_trace::Timed;

// The main window's places, in its own unit: 15 twips to the pixel.
QRect Twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QLabel* AddLabel(QWidget* parent, const char* text, const QRect& geometry, bool wrapped) {
    auto* label = new QLabel(QLatin1String(text), parent);
    label->setWordWrap(wrapped);
    label->setGeometry(geometry);
    return label;
}

QComboBox* AddList(QWidget* parent, const QRect& geometry, int items) {
    auto* list = new QComboBox(parent);
    for (int item = 1; item <= items; ++item)
        list->addItem(QString::number(item));
    list->setGeometry(geometry);
    return list;
}

void AddEntryGroup(QWidget* area, const char* caption, int top, int height) {
    auto* group = new QGroupBox(QLatin1String(caption), area);
    group->setGeometry(Twips(840, top, 6015, height));
    AddLabel(group, "Name", Twips(240, 330, 1500, 300), false);
    AddLabel(group, "Date Of Birth", Twips(240, 900, 1500, 300), false);
    AddLabel(group, "Date", Twips(2040, 600, 900, 300), false);
    AddLabel(group, "Month", Twips(3360, 600, 900, 300), false);
    AddLabel(group, "Year", Twips(4800, 600, 900, 300), false);
    (new QLineEdit(group))->setGeometry(Twips(1800, 240, 3735, 375));
    AddList(group, Twips(1800, 840, 900, 315), 31);
    AddList(group, Twips(2880, 840, 1500, 315), 12);
    AddList(group, Twips(4560, 840, 1020, 315), 83);
}

QIcon WindowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap picture(size, size);
        picture.fill(QColor(0x2C, 0x3F, 0x5C));
        icon.addPixmap(picture);
    }
    return icon;
}

void BuildClient(QWidget* client) {
    client->setFixedSize(524, 456);
    auto* banner = new QFrame(client);
    banner->setGeometry(Twips(0, 0, 7860, 615));
    AddLabel(banner,
             "The Most Popular Online Quillmoor Discussion Board. Best Resource For Everything "
             "Quillmoor. Visit www.quillmoor.example Now",
             Twips(120, 135, 7680, 585), true);
    AddLabel(client,
             "Venus and Mars signs are opposite in nature and represent yin - yang planets. "
             "Knowing the Venus - Mars compatibility between people will help you understand "
             "your relationship better. Take the Amorist test to know how electric or dull your "
             "relationship is!",
             Twips(0, 600, 7815, 855), true);

    auto* area = new QGroupBox(QStringLiteral("Romantic Compatibility"), client);
    area->setGeometry(Twips(0, 1440, 7860, 4575));
    AddLabel(area, "Take the test now and understand your romance better! ",
             Twips(1080, 360, 6000, 300), false);
    AddEntryGroup(area, "Enter Your Details", 720, 1335);
    AddEntryGroup(area, "Enter Your Partner's Details", 2160, 1455);
    (new QPushButton(QStringLiteral("Get Our &Romantic Compatibility Reading"), area))
        ->setGeometry(Twips(840, 3720, 6015, 615));

    auto* bottomBar = new QFrame(client);
    bottomBar->setGeometry(Twips(0, 6000, 7860, 855));
    AddLabel(bottomBar,
             "Home Business Opportunity. Start your own Internet business and make money "
             "online. Get this software fully branded for your website. Click here for more "
             "details.",
             Twips(120, 160, 6105, 615), true);
    (new QPushButton(QStringLiteral("&Exit"), bottomBar))->setGeometry(Twips(6480, 240, 1260, 465));
}

void BuildMenus(QMenuBar* bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Get Our &Romantic Compatibility Reading"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("Check for Software &Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    bar->addAction(QStringLiteral("&Donate"));
    bar->addAction(QStringLiteral("Make Money &Online"))->setEnabled(false);
}

}  // namespace

int main(int argc, char** argv) {
    Phase application("application");
    QApplication app(argc, argv);
    application.End();
    Timed("font database", [] { QFontDatabase::families(); });

    Phase building("main window: building");
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("plain window"));
    window.setWindowIcon(WindowIcon());
    auto* client = new QWidget(&window);
    Timed("widgets", [&] { BuildClient(client); });
    // The bar alone, then what it holds: the program builds both in its "menus".
    QMenuBar* bar = Timed("menu bar, empty", [&] { return window.menuBar(); });
    Timed("menus and entries", [&] { BuildMenus(bar); });
    window.setCentralWidget(client);
    building.End();
    Timed("main window: showing", [&] { window.show(); });
    amorist::startup_trace::WatchFirstPaint(&window);
    return QApplication::exec();
}
