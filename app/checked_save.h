// Replacing a file so that a crash, a full disk or a failed sync leaves the
// old file or the new one, never a torn or empty one, and never touches a
// file the user made.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace amorist {

// Writes contents to a temporary file beside path, syncs it and renames it
// over path, then syncs the folder. The temporary file is named
// .<name>.save-XXXXXX, a name no person gives a copy; one a killed save left
// is removed by that name alone, whatever it holds, when it is a plain file
// of the user's that no running save holds. A new file gets mode 0666 less
// the umask, a replaced one keeps its mode. Unless path was replaced, error,
// when given, says why.
enum class SaveOutcome {
    Unchanged,                // path is left as it was
    Replaced,                 // path holds contents, and will after a crash
    ReplacedFolderNotSynced,  // path holds contents; a crash may bring the old file back
};
SaveOutcome saveFileChecked(const QString& path, QByteArrayView contents,
                            QString* error = nullptr);

// The temporary name a save of path writes under before the rename, with
// tag standing for its six random letters and digits.
QString checkedSaveTemporaryPath(const QString& path, QStringView tag);

}  // namespace amorist
