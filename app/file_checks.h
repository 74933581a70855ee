// Looking at the paths the program keeps files under before anything opens
// them: a pipe there would block an open for good, and a device, folder or
// link there belongs to someone or something else.
#pragma once

#include <QString>

struct stat;

namespace amorist::files {

enum class Kind {
    Absent,       // nothing there (a missing folder on the way included)
    RegularFile,  // a plain file
    SymLink,      // a symbolic link, never followed by this look
    Other,        // a folder, pipe, socket or device
    Unknown,      // cannot be looked at (no permission, not a folder on the way)
};

// What is at the path itself (lstat): a link is reported as a link.
Kind KindOf(const QString& path);
// Like KindOf, and fills `info` with what lstat found.
Kind KindOf(const QString& path, struct stat& info);

// A folder only this user can write in: a real folder (not a link) owned by
// the user, with no group or other write bit.
bool IsPrivateFolder(const QString& path);
// Creates the folder and its parent with mode 0700 when missing, never
// anything above them (a missing home stays missing), then answers
// IsPrivateFolder. An existing folder is never changed.
bool EnsurePrivateFolder(const QString& path);

// The machine's temporary folder, QDir::tempPath(), when it is a folder;
// empty when TMPDIR names none (Qt's tempPath() is then empty, and a folder
// made under it would land in the root).
QString TemporaryFolder();

// The user's home: HOME when it is absolute, else the home the password
// database lists; empty when neither is (never the root folder by default,
// as Qt's homePath() would give).
QString HomeFolder();
// The folder an XDG variable names (XDG_CONFIG_HOME, XDG_CACHE_HOME), or
// fallbackInHome under the home folder when it is unset, empty or relative:
// a relative one would depend on the folder the program was started from.
// Empty when there is no home either.
QString XdgFolder(const char* variable, const QString& fallbackInHome);

}  // namespace amorist::files
