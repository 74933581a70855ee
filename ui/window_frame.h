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

class Windows;

// Makes client the central widget at exactly clientSize, captions the window
// and centres it on its screen.
void SetUpWindow(QMainWindow* window, QWidget* client, QSize clientSize);

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& text);
// An entry of a menu, or a command straight on the menu bar.
QAction* AddEntry(QWidget* menuOrBar, const char* name, const QString& text);
void AddSeparator(QMenu* menu, const char* name);

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

// The end of Back: the main window alone on screen, with its entries.
void ReturnToMain(Windows& windows);

}  // namespace amorist
