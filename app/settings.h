// The program's only persisted state: the date of the last update reminder.
// It lives per user under the executable's name, group "Settings", key
// "Duration" (for the real program on Linux: ~/.config/amorist/amorist.conf).
//
// The file is written only where it reads as this program's settings: no
// key but that one. A link is written through to its target only then.
// Anything else there (a pipe, folder, device, a link to anything else, a
// read-only file or one of another user) is left exactly as it is and the
// setting cannot be stored for the run; a read-only copy of our settings is
// still read. A plain file of the user's that holds something else is kept
// beside it, never over an earlier copy, as amorist.conf.unreadable (then
// .unreadable.1 and so on) before a fresh file takes its place.
#pragma once

#include <QString>

namespace amorist::settings {

// The stored text; empty when absent or when the file does not read as this
// program's settings.
QString ReadLastUpdateReminder();
// Stores the text at once, silently doing nothing where it cannot be stored,
// so start-up always goes on. Text with quotes, backslashes or control
// characters is never stored (the reminder only ever stores dates).
void WriteLastUpdateReminder(const QString& text);
// The file that holds the setting; empty when the user has no home and no
// XDG_CONFIG_HOME, and then nothing is stored.
QString StoreFilePath();

}  // namespace amorist::settings
