// One copy of the program per user: a lock file, held with flock() for as
// long as the copy runs, in a folder only the user can write in.
#pragma once

#include <QString>
#include <optional>

namespace amorist {

class SingleInstanceLock {
public:
    enum class Outcome {
        Acquired,        // this copy is the only one
        AnotherRunning,  // a live copy holds the lock
        CheckSkipped,    // the lock could not be taken for another reason
    };

    // The folders the lock may live in, in order of preference; empty ones are skipped.
    struct Folders {
        QString runtime;  // the user's runtime folder: in memory, private, per machine
        QString cache;    // the user's cache folder, which a home shared by machines shares
        QString temp;     // the machine's temporary folder, shared by every user
    };

    // The lock in the first of the folders that takes it.
    explicit SingleInstanceLock(const Folders& folders = UsersFolders());
    // The lock at this path only; an empty path means there is no safe place
    // for it, and the check is skipped.
    explicit SingleInstanceLock(const QString& path);
    ~SingleInstanceLock() { Release(); }
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Takes the lock without waiting. A lock that no live copy holds (left
    // by a copy that crashed or was killed, read-only, unreadable, written
    // on another machine) is replaced. A place that cannot hold the lock (a
    // folder that refuses it, anything but a plain file at the lock's path)
    // is left alone and the next place tried; with none left the check is
    // skipped, so at worst two copies run, never none.
    Outcome TryAcquire();
    // Gives the lock up if this copy holds it; a lock held by another copy
    // is never touched.
    void Release();
    bool isHeld() const { return fd_ >= 0; }
    // The lock this copy holds; empty when it holds none.
    const QString& heldPath() const { return heldPath_; }

    // The runtime folder when it is private; else amorist/ in the cache folder,
    // with the host name in the lock's name; else amorist-<uid>/ in the
    // temporary folder. Those two are created 0700 and used only while they
    // are private. Empty when none is.
    static QString PathIn(const Folders& folders);
    // This user's folders: XDG_RUNTIME_DIR (or Qt's own /tmp/runtime-<user>
    // without it), XDG_CACHE_HOME (or ~/.cache) and the temporary folder. A
    // relative XDG folder counts as unset.
    static Folders UsersFolders();

private:
    Outcome TryAt(const QString& path);

    std::optional<Folders> folders_;
    QString path_;
    QString heldPath_;
    int fd_ = -1;
};

}  // namespace amorist
