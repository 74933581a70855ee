// Writing a whole file or nothing: the contents go to a temporary file beside
// the target, which takes the target's place only once everything is written
// and flushed, so a failed save leaves no torn or partial file behind.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace amorist {

// True when path now holds exactly contents. On failure the file at path (if
// any) is as it was, no temporary file is left, and error says why.
bool saveFileChecked(const QString& path, QByteArrayView contents, QString* error = nullptr);

}  // namespace amorist
