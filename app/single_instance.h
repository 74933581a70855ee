// One copy of the program per user: a lock file in the user's runtime folder.
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

    explicit SingleInstanceLock(const QString& path = DefaultPath());
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Takes the lock without waiting. A lock left behind by a copy that
    // crashed or was killed is recognised by its dead process and replaced.
    Outcome TryAcquire();
    bool AnotherInstanceRunning() { return TryAcquire() == Outcome::AnotherRunning; }
    // Gives the lock up if this copy holds it; a lock held by another copy
    // is never touched.
    void Release() { lock_.unlock(); }
    bool held() const { return lock_.isLocked(); }

    // The user's runtime folder, or the temporary folder with a per-user name
    // when there is no runtime folder.
    static QString DefaultPath();

private:
    QLockFile lock_;
};

}  // namespace amorist
