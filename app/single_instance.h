// One copy of the program per user: a lock file in a folder only the user
// can write in.
#pragma once

#include <QLockFile>
#include <QString>

namespace amorist {

class SingleInstanceLock {
public:
    enum class Outcome {
        Acquired,        // this copy is the only one
        AnotherRunning,  // a live copy holds the lock
        CheckSkipped,    // the lock could not be taken for another reason
    };

    // An empty path means there is no safe place for the lock: the check is skipped.
    explicit SingleInstanceLock(const QString& path = DefaultPath());
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Takes the lock without waiting. A lock left behind by a copy that
    // crashed or was killed, or whose contents cannot be read, is replaced.
    // Anything but a plain file at the lock's path (or at the helper path Qt
    // uses to replace a stale lock) is left alone and the check skipped, so
    // at worst two copies run, never none.
    Outcome TryAcquire();
    bool AnotherInstanceRunning() { return TryAcquire() == Outcome::AnotherRunning; }
    // Gives the lock up if this copy holds it; a lock held by another copy
    // is never touched.
    void Release() { lock_.unlock(); }
    bool held() const { return lock_.isLocked(); }

    // The folders the lock may live in, in order of preference; empty ones are skipped.
    struct Folders {
        QString runtime;  // the user's runtime folder: in memory, private, per machine
        QString cache;    // the user's cache folder, which a home shared by machines shares
        QString temp;     // the machine's temporary folder, shared by every user
    };
    // The runtime folder when it is private; else amorist/ in the cache folder,
    // with the host name in the lock's name; else amorist-<uid>/ in the
    // temporary folder. Those two are created 0700 and used only while they
    // are private. Empty when none is.
    static QString PathIn(const Folders& folders);
    // PathIn for this user's folders.
    static QString DefaultPath();

private:
    Outcome Try();

    QString path_;
    QLockFile lock_;
};

}  // namespace amorist
