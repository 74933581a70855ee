#include "app/single_instance.h"

#include <unistd.h>
#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>

#include "app/file_checks.h"

namespace amorist {

namespace {

constexpr char kLockName[] = "amorist.lock";
// Qt takes this helper lock beside a stale lock while it removes it.
constexpr char kRemovalLockSuffix[] = ".rmlock";

bool AbsentOrPlainFile(const QString& path) {
    const files::Kind kind = files::KindOf(path);
    return kind == files::Kind::Absent || kind == files::Kind::RegularFile;
}

// The host name as a file name can carry it.
QString HostTag() {
    QString host = QSysInfo::machineHostName();
    for (QChar& c : host) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'.' && c != u'_')
            c = u'_';
    }
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const QString& path) : path_(path), lock_(path) {
    // A running copy holds the lock for as long as it runs, so age alone must
    // never make the lock stale; only a holder that no longer exists does.
    lock_.setStaleLockTime(0);
}

SingleInstanceLock::Outcome SingleInstanceLock::Try() {
    if (lock_.tryLock(0))
        return Outcome::Acquired;
    // An unwritable folder or a broken file system says nothing about
    // another copy; refusing to start over it would lock the user out.
    return lock_.error() == QLockFile::LockFailedError ? Outcome::AnotherRunning
                                                       : Outcome::CheckSkipped;
}

SingleInstanceLock::Outcome SingleInstanceLock::TryAcquire() {
    if (lock_.isLocked())
        return Outcome::Acquired;
    // Qt opens what it finds at these paths without looking: a pipe would
    // block the start for good.
    if (path_.isEmpty() || !AbsentOrPlainFile(path_) ||
        (files::KindOf(path_) == files::Kind::RegularFile &&
         !AbsentOrPlainFile(path_ + QLatin1String(kRemovalLockSuffix))))
        return Outcome::CheckSkipped;
    const Outcome outcome = Try();
    if (outcome != Outcome::AnotherRunning || files::KindOf(path_) != files::Kind::RegularFile ||
        lock_.getLockInfo(nullptr, nullptr, nullptr))
        return outcome;
    // With no stale time Qt never gives up a lock whose holder it cannot
    // read (empty, damaged). Qt's removal refuses while a live copy holds the
    // file, as a copy does that has created its lock and not yet filled it.
    return lock_.removeStaleLockFile() ? Try() : Outcome::AnotherRunning;
}

QString SingleInstanceLock::PathIn(const Folders& folders) {
    if (!folders.runtime.isEmpty() && files::IsPrivateFolder(folders.runtime))
        return folders.runtime + u'/' + QLatin1String(kLockName);
    if (!folders.cache.isEmpty()) {
        const QString folder = folders.cache + QStringLiteral("/amorist");
        if (files::EnsurePrivateFolder(folder))
            return folder + QStringLiteral("/amorist-") + HostTag() + QStringLiteral(".lock");
    }
    if (!folders.temp.isEmpty()) {
        const QString folder = folders.temp + QStringLiteral("/amorist-%1").arg(::getuid());
        if (files::EnsurePrivateFolder(folder))
            return folder + u'/' + QLatin1String(kLockName);
    }
    return {};
}

QString SingleInstanceLock::DefaultPath() {
    return PathIn({QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                   QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation),
                   QDir::tempPath()});
}

}  // namespace amorist
