#include "ui/window_frame.h"

#include <QAction>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "app/modHelp.h"
#include "app/platform.h"
#include "app/program_icon.h"
#include "ui/frmAbout.h"
#include "ui/frmReferAFriend.h"
#include "ui/frmStartup.h"
#include "ui/windows.h"

namespace amorist {

void SetUpWindow(QMainWindow* window, QWidget* client, QSize clientSize) {
    window->setWindowTitle(QString::fromLatin1(kWindowCaption));
    window->setWindowIcon(ProgramIcon());
    client->setFixedSize(clientSize);
    window->setCentralWidget(client);
    // The menus keep the style's own light colours under any desktop theme.
    const QPalette menuColours = window->style()->standardPalette();
    window->menuBar()->setPalette(menuColours);
    for (QMenu* menu : window->menuBar()->findChildren<QMenu*>())
        menu->setPalette(menuColours);
    // The window follows its client area and menu bar; the user cannot resize it.
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->adjustSize();
    // On Wayland the compositor places windows; Qt drops the position there, silently.
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& text) {
    QMenu* menu = bar->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* AddEntry(QWidget* menuOrBar, const char* name, const QString& text) {
    auto* action = new QAction(text, menuOrBar);
    action->setObjectName(QLatin1String(name));
    menuOrBar->addAction(action);
    return action;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

void AddHelpMenus(QMainWindow* window, Platform& platform, const HelpMenuTexts& texts) {
    QMenuBar* bar = window->menuBar();
    QMenu* help = AddMenu(bar, "mnuHelp", texts.help);
    const auto opens = [window, &platform](QAction* entry, void (*open)(Platform&)) {
        QObject::connect(entry, &QAction::triggered, window, [&platform, open] { open(platform); });
    };
    opens(AddEntry(help, "mnuOnline", texts.online), OpenOnlineHelp);
    opens(AddEntry(help, "mnuVisit", texts.visit), OpenHomePage);
    AddSeparator(help, texts.firstSeparator);
    opens(AddEntry(help, "mnuUpdate", texts.update), OpenDownloadPage);
    AddSeparator(help, texts.secondSeparator);
    QObject::connect(AddEntry(help, "mnuAbout", texts.about), &QAction::triggered, window,
                     [window, &platform] {
                         frmAbout about(platform, window);
                         about.exec();
                     });

    opens(AddEntry(bar, "mnuDonate", texts.donate), OpenDonatePage);
    QAction* makeMoneyOnline = AddEntry(bar, "mnuMakeMoneyOnline", texts.makeMoneyOnline);
    makeMoneyOnline->setEnabled(false);
    opens(makeMoneyOnline, OpenFullBrandPage);
}

bool ActOnWindowKey(QObject* watched, QEvent* event, QPushButton* defaultAndCancel) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        defaultAndCancel->click();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(watched);
        (focused != nullptr ? focused : defaultAndCancel)->click();
        return true;
    }
    return false;
}

void WatchFocusableKeys(QWidget* window, QObject* filter) {
    for (QWidget* child : window->findChildren<QWidget*>()) {
        // A list's drop-down is a window of its own: Esc there only closes the list.
        if (child->window() == window && (child->focusPolicy() & Qt::TabFocus)) {
            child->installEventFilter(filter);
        }
    }
}

void FollowExitRule(Windows& windows, QWidget* closing) {
    if (!windows.session().isEnding()) {
        windows.ReferAFriend().show();
        if (frmStartup* startup = windows.LoadedStartup())
            startup->hide();
    }
    windows.Unloaded(closing);
}

void ShowAlone(Windows& windows, QWidget& window) {
    window.show();
    if (frmStartup* startup = windows.LoadedStartup())
        startup->hide();
    if (frmReferAFriend* referAFriend = windows.LoadedReferAFriend())
        referAFriend->hide();
}

}  // namespace amorist
