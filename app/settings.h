// The program's only persisted state: the date of the last update reminder.
// It lives per user under the executable's name, group "Settings", key
// "Duration" (for the real program on Linux: ~/.config/amorist/amorist.conf).
#pragma once

#include <QString>

namespace amorist::settings {

// The stored text; empty when absent or when nothing of the store can be read.
QString ReadLastUpdateReminder();
// Stores the text at once, rewriting a damaged file whole. A store that
// cannot be written is left as it is, silently, so start-up always goes on.
void WriteLastUpdateReminder(const QString& text);
// The file that holds the setting.
QString StoreFilePath();

}  // namespace amorist::settings
