// What the main window and the result window share as top-level windows:
// caption and icon, a fixed client area below the menu bar, a place in the
// middle of the screen, named menu entries, and their keyboard roles.
#pragma once

#include <QSize>
#include <QString>

class QAction;
class QEvent;
class QMainWindow;
class QMenu;
class QMenuBar;
class QObject;
class QPushButton;
class QWidget;

namespace amorist {

class Platform;
class Windows;

// Makes client the central widget at exactly clientSize, captions the window
// and centres it on its screen.
void SetUpWindow(QMainWindow* window, QWidget* client, QSize clientSize);

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& text);
// An entry of a menu, or a command straight on the menu bar.
QAction* AddEntry(QWidget* menuOrBar, const char* name, const QString& text);
void AddSeparator(QMenu* menu, const char* name);

// How a window words its Help menu and the two commands after it, in its own
// translation context, and what it calls the menu's two separators.
struct HelpMenuTexts {
    QString help;
    QString online;
    QString visit;
    QString update;
    QString about;
    QString donate;
    QString makeMoneyOnline;
    const char* firstSeparator;
    const char* secondSeparator;
};

// The Help menu, Donate and the switched-off Make Money Online that both
// windows carry after their File menu, each entry connected to the page it
// opens or, for About Software, to the modal About window.
void AddHelpMenus(QMainWindow* window, Platform& platform, const HelpMenuTexts& texts);

// Esc acts as the window's cancel button. Enter presses the button that has
// the focus (watched), and anywhere else acts as the default button. Both
// windows' Exit is their default and cancel button. True when the key was used.
bool ActOnWindowKey(QObject* watched, QEvent* event, QPushButton* defaultAndCancel);

// Sends the keys of every control that can take the focus past filter first.
void WatchFocusableKeys(QWidget* window, QObject* filter);

// What closing the main or the result window does, by any route: unless the
// program is already ending, the refer-a-friend window comes up and the
// start-up form stays hidden. The registry then forgets the closing window.
void FollowExitRule(Windows& windows, QWidget* closing);

// Shows window with the start-up form and the refer-a-friend window hidden:
// the end of a reading (the result window) and of Back (the main window).
void ShowAlone(Windows& windows, QWidget& window);

}  // namespace amorist
