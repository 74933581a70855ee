#include "app/checked_save.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>

// Why not QSaveFile: Qt 6.4 cannot be told the temporary file's name (it
// links amorist.conf.XXXXXX, a name people give their own copies, so a
// leftover cannot be told from a user's backup), and its commit() renames the
// file over the old one even when the sync before it failed.
namespace amorist {

namespace {

constexpr char kTag[] = "save-";
constexpr int kTagLength = 6;
constexpr int kMostNames = 100;

void Explain(QString* error, const QString& what, int code) {
    if (error != nullptr)
        *error = what + QStringLiteral(": ") + qt_error_string(code);
}

SaveOutcome Fail(QString* error, const QString& what, int code) {
    Explain(error, what, code);
    return SaveOutcome::Unchanged;
}

QString RandomTag() {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < kTagLength; ++i)
        tag += QLatin1Char(kAlphabet[QRandomGenerator::system()->bounded(62)]);
    return tag;
}

// A save killed before its rename leaves its temporary file; a save still
// running holds a lock on its own, so it is never taken for a leftover.
void RemoveLeftovers(const QString& path) {
    const QFileInfo target(path);
    const QString pattern = checkedSaveTemporaryPath(target.fileName(), u"??????");
    for (const QString& name : target.dir().entryList({pattern}, QDir::Files | QDir::Hidden |
                                                                     QDir::System)) {
        const QByteArray leftover = QFile::encodeName(target.dir().filePath(name));
        const int fd =
            ::open(leftover.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {}, named {};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(leftover.constData(), &named) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
            ::unlink(leftover.constData());
        ::close(fd);
    }
}

// Some file systems cannot sync at all (EINVAL); that alone refuses no save.
bool Synced(int fd) {
    return ::fdatasync(fd) == 0 || errno == EINVAL;
}

bool WriteAll(int fd, QByteArrayView contents) {
    while (!contents.isEmpty()) {
        const ssize_t written = ::write(fd, contents.data(), size_t(contents.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        contents = contents.sliced(written);
    }
    return true;
}

// The rename itself lasts through a crash only once the folder is synced.
bool SyncFolder(const QString& path, int& code) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        code = errno;
        return false;
    }
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    code = errno;
    ::close(fd);
    return synced;
}

}  // namespace

QString checkedSaveTemporaryPath(const QString& path, QStringView tag) {
    const QString name = QFileInfo(path).fileName();
    return path.first(path.size() - name.size()) + u'.' + name + u'.' + QLatin1String(kTag) + tag.toString();
}

SaveOutcome saveFileChecked(const QString& path, QByteArrayView contents, QString* error) {
    if (QFileInfo(path).fileName().isEmpty())
        return Fail(error, QStringLiteral("no file name in \"%1\"").arg(path), EINVAL);
    RemoveLeftovers(path);
    const QByteArray target = QFile::encodeName(path);
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;

    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kMostNames && fd < 0; ++attempt) {
        temporary = QFile::encodeName(checkedSaveTemporaryPath(path, RandomTag()));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0666);
        if (fd < 0 && errno != EEXIST)
            return Fail(error, QStringLiteral("cannot create a file beside \"%1\"").arg(path),
                        errno);
    }
    if (fd < 0)
        return Fail(error, QStringLiteral("cannot create a file beside \"%1\"").arg(path), EEXIST);
    // Held until the file is renamed or removed, so no other save takes it
    // for a leftover; a fresh file nobody else has open is never refused.
    (void)::flock(fd, LOCK_EX | LOCK_NB);

    const char* failed = nullptr;
    int code = 0;
    const auto check = [&](bool done, const char* what) {
        if (!done && failed == nullptr) {
            failed = what;
            code = errno;
        }
    };
    check(!replacing || ::fchmod(fd, old.st_mode & 07777) == 0, "cannot keep the mode of \"%1\"");
    check(failed != nullptr || WriteAll(fd, contents), "cannot write \"%1\"");
    check(failed != nullptr || Synced(fd), "cannot sync \"%1\" to disk");
    check(::close(fd) == 0, "cannot write \"%1\"");
    check(failed != nullptr || ::rename(temporary.constData(), target.constData()) == 0,
          "cannot replace \"%1\"");
    if (failed != nullptr) {
        ::unlink(temporary.constData());
        return Fail(error, QString::fromLatin1(failed).arg(path), code);
    }

    // From here on the new file is in place: whatever the folder's sync
    // says, the old contents are gone and the caller must not act as if
    // nothing had changed.
    int folderCode = 0;
    if (SyncFolder(path, folderCode))
        return SaveOutcome::Replaced;
    Explain(error, QStringLiteral("cannot sync the folder of \"%1\"").arg(path), folderCode);
    return SaveOutcome::ReplacedFolderNotSynced;
}

}  // namespace amorist
