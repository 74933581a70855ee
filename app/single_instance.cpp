#include "app/single_instance.h"

#include <unistd.h>
#include <QDir>
#include <QStandardPaths>

namespace amorist {

SingleInstanceLock::SingleInstanceLock(const QString& path) : lock_(path) {
    // A running copy holds the lock for as long as it runs, so age alone must
    // never make the lock stale; only a holder that no longer exists does.
    lock_.setStaleLockTime(0);
}

SingleInstanceLock::Outcome SingleInstanceLock::TryAcquire() {
    if (lock_.isLocked() || lock_.tryLock(0))
        return Outcome::Acquired;
    // An unwritable folder or a broken file system says nothing about
    // another copy; refusing to start over it would lock the user out.
    return lock_.error() == QLockFile::LockFailedError ? Outcome::AnotherRunning
                                                       : Outcome::CheckSkipped;
}

QString SingleInstanceLock::DefaultPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/amorist.lock");
    return QDir::tempPath() + QStringLiteral("/amorist-%1.lock").arg(getuid());
}

}  // namespace amorist
