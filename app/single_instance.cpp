#include "app/single_instance.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>

#include "app/file_checks.h"

// Why not QLockFile: its lock is empty and unlocked for a moment after it is
// created, exactly like a stale empty one, so a second copy starting then
// removed it and ran too; it never gives up a lock written on another
// machine; and it cannot remove a stale lock it may not write to. Here the
// lock is written whole and locked under a temporary name first and only
// then linked into place, so a lock at the real name is held by its writer
// from the first moment; it is stale exactly when nobody holds its flock.
namespace amorist {

namespace {

constexpr char kLockName[] = "amorist.lock";
// A start that keeps losing the race to other starts gives up on the place.
constexpr int kMostAttempts = 5;
// How long a lock found held is looked at again before it counts as a running copy's.
constexpr int kPatience = 5;
constexpr useconds_t kPatienceStepUs = 20'000;

// The host name as a file name can carry it.
QString HostTag() {
    QString host = QSysInfo::machineHostName();
    for (QChar& c : host) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'.' && c != u'_')
            c = u'_';
    }
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

bool SameFile(int fd, const QByteArray& path) {
    struct stat opened {}, named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

enum class Step { Taken, Held, Again, Refused };

// Writes the lock under a temporary name, locks it and links it into place;
// the link fails when a lock is already there. The holder, for anyone who
// looks: pid, program, host.
Step Create(const QByteArray& path, int& fd) {
    QByteArray temporary = path + ".XXXXXX";
    const int created = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (created < 0)
        return Step::Refused;
    const QByteArray holder = QByteArray::number(::getpid()) + '\n' +
                              QCoreApplication::applicationName().toUtf8() + '\n' +
                              QSysInfo::machineHostName().toUtf8() + '\n';
    Step step = Step::Refused;
    if (::flock(created, LOCK_EX | LOCK_NB) != 0) {
        // Another start, taking it for a leftover, holds it for a moment.
        step = errno == EWOULDBLOCK ? Step::Again : Step::Refused;
    } else if (::write(created, holder.constData(), holder.size()) == holder.size()) {
        if (::link(temporary.constData(), path.constData()) == 0)
            step = Step::Taken;
        else if (errno == EEXIST || errno == ENOENT)  // a lock there; or ours removed as a leftover
            step = Step::Again;
    }
    ::unlink(temporary.constData());
    if (step == Step::Taken)
        fd = created;
    else
        ::close(created);
    return step;
}

// Takes the lock op without waiting, allowing for a look another start
// takes at it: that holds it for an instant only, a running copy for good.
bool LockedSoon(int fd, int op) {
    for (int look = 0;; ++look) {
        if (::flock(fd, op | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK || look + 1 == kPatience)
            return false;
        ::usleep(kPatienceStepUs);
    }
}

// Held when a live copy holds the lock at path; Again once a stale one is gone.
Step HeldOrRemoved(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return Step::Again;
        // A lock nobody may read (mode 000) cannot say whether its holder
        // lives; refusing to start over it would lock the user out for good.
        if (errno == EACCES && ::unlink(path.constData()) == 0)
            return Step::Again;
        return Step::Refused;
    }
    Step step = Step::Again;
    if (!LockedSoon(fd, LOCK_EX))
        step = errno == EWOULDBLOCK ? Step::Held : Step::Refused;
    else if (SameFile(fd, path))  // not a fresh lock that replaced it meanwhile
        ::unlink(path.constData());
    ::close(fd);
    return step;
}

// Whether a live copy holds the lock at path, looked at with a shared lock
// that no holder's exclusive one allows. In a folder another user can write
// in, only a lock nobody else could have made or opened counts: a plain file
// of the user's, readable by nobody else, with a single name.
bool HeldThere(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool held = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (held && !files::IsPrivateFolder(QFileInfo(path).absolutePath()))
        held = info.st_uid == ::geteuid() && (info.st_mode & (S_IRGRP | S_IROTH)) == 0 &&
               info.st_nlink == 1;
    held = held && !LockedSoon(fd, LOCK_SH) && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

// A start killed between creating its temporary lock and linking it leaves
// that file behind; nobody holds a lock on it.
void RemoveLeftovers(const QString& path) {
    const QFileInfo lock(path);
    for (const QString& name : lock.dir().entryList({lock.fileName() + QStringLiteral(".??????")},
                                                    QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray leftover = QFile::encodeName(lock.dir().filePath(name));
        const int fd =
            ::open(leftover.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && SameFile(fd, leftover))
            ::unlink(leftover.constData());
        ::close(fd);
    }
}

// Qt's runtime folder when XDG_RUNTIME_DIR is unset, created as Qt creates it.
QString QtsRuntimeFolder() {
    const QString temp = files::TemporaryFolder();
    if (temp.isEmpty())
        return {};
    const passwd* user = ::getpwuid(::geteuid());
    const QString name = user != nullptr ? QFile::decodeName(user->pw_name)
                                         : QString::number(::geteuid());
    const QString folder = temp + QStringLiteral("/runtime-") + name;
    files::EnsurePrivateFolder(folder);
    return folder;
}

// Where the lock lives in each place, whether or not the place may hold it now.
QString LockPathAt(const SingleInstanceLock::Folders& folders, int place) {
    switch (place) {
        case 0:
            return folders.runtime.isEmpty() ? QString()
                                             : folders.runtime + u'/' + QLatin1String(kLockName);
        case 1:
            return folders.cache.isEmpty() ? QString()
                                           : folders.cache + QStringLiteral("/amorist/amorist-") +
                                                 HostTag() + QStringLiteral(".lock");
        default:
            return folders.temp.isEmpty()
                       ? QString()
                       : folders.temp + QStringLiteral("/amorist-%1/").arg(::getuid()) +
                             QLatin1String(kLockName);
    }
}

// The lock's path in the place when the place is private now (creating the
// folder of the last two); empty otherwise.
QString PathAt(const SingleInstanceLock::Folders& folders, int place) {
    const QString path = LockPathAt(folders, place);
    if (path.isEmpty())
        return {};
    const QString folder = QFileInfo(path).path();
    const bool usable =
        place == 0 ? files::IsPrivateFolder(folder) : files::EnsurePrivateFolder(folder);
    return usable ? path : QString();
}

constexpr int kPlaces = 3;

}  // namespace

SingleInstanceLock::SingleInstanceLock(const Folders& folders) : folders_(folders) {}

SingleInstanceLock::SingleInstanceLock(const QString& path) : path_(path) {}

SingleInstanceLock::Outcome SingleInstanceLock::TryAt(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        // Anything but a plain file there is someone else's; opening a pipe
        // would block the start for good.
        const files::Kind kind = files::KindOf(path);
        Step step = Step::Refused;
        if (kind == files::Kind::Absent)
            step = Create(name, fd_);
        else if (kind == files::Kind::RegularFile)
            step = HeldOrRemoved(name);
        if (step == Step::Held)
            return Outcome::AnotherRunning;
        if (step == Step::Taken) {
            heldPath_ = path;
            RemoveLeftovers(path);
            return Outcome::Acquired;
        }
        if (step == Step::Refused)
            return Outcome::CheckSkipped;
    }
    return Outcome::CheckSkipped;
}

SingleInstanceLock::Outcome SingleInstanceLock::TryAcquire() {
    if (isHeld())
        return Outcome::Acquired;
    if (!folders_)
        return path_.isEmpty() ? Outcome::CheckSkipped : TryAt(path_);
    // A place that fails says nothing about another copy: the next one is
    // tried. Which place takes the lock changes when folders change mode
    // between starts, so a lock held in any other place refuses the start.
    const auto heldIn = [this](int from, int to, int skipped) {
        for (int place = from; place < to; ++place) {
            if (place != skipped && HeldThere(LockPathAt(*folders_, place)))
                return true;
        }
        return false;
    };
    for (int place = 0; place < kPlaces; ++place) {
        const QString path = PathAt(*folders_, place);
        if (path.isEmpty())
            continue;
        if (heldIn(0, kPlaces, place))
            return Outcome::AnotherRunning;
        const Outcome outcome = TryAt(path);
        if (outcome == Outcome::CheckSkipped)
            continue;
        // Two starts at the same moment may each have looked before the
        // other took its lock: the one in the later place gives way.
        if (outcome == Outcome::Acquired && heldIn(0, place, place)) {
            Release();
            return Outcome::AnotherRunning;
        }
        return outcome;
    }
    return Outcome::CheckSkipped;
}

void SingleInstanceLock::Release() {
    if (fd_ < 0)
        return;
    // Removed before it is unlocked, and only while it is still ours.
    const QByteArray name = QFile::encodeName(heldPath_);
    if (SameFile(fd_, name))
        ::unlink(name.constData());
    ::close(fd_);
    fd_ = -1;
    heldPath_.clear();
}

QString SingleInstanceLock::PathIn(const Folders& folders) {
    for (int place = 0; place < kPlaces; ++place) {
        const QString path = PathAt(folders, place);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

SingleInstanceLock::Folders SingleInstanceLock::UsersFolders() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return {QDir::isAbsolutePath(runtime) ? QDir::cleanPath(runtime) : QtsRuntimeFolder(),
            files::XdgFolder("XDG_CACHE_HOME", QStringLiteral(".cache")),
            files::TemporaryFolder()};
}

}  // namespace amorist
