#include "app/checked_save.h"

#include <QSaveFile>

namespace amorist {

bool saveFileChecked(const QString& path, QByteArrayView contents, QString* error) {
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(contents.data(), contents.size()) == contents.size() &&
                       file.commit();
    if (!saved && error != nullptr)
        *error = file.errorString();
    return saved;
}

}  // namespace amorist
