// One copy per user: the lock that the start-up sequence asks about.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <ostream>

#include "app/file_checks.h"
#include "app/single_instance.h"
#include "tests/support/hang_guard.h"

namespace amorist {

using Outcome = SingleInstanceLock::Outcome;

void PrintTo(Outcome outcome, std::ostream* out) {
    constexpr const char* kNames[] = {"Acquired", "AnotherRunning", "CheckSkipped"};
    *out << kNames[static_cast<int>(outcome)];
}

namespace {

class InstanceLockTest : public ::testing::Test {
protected:
    QString LockPath() const { return folder.filePath(QStringLiteral("amorist.lock")); }
    QTemporaryDir folder;
};

TEST_F(InstanceLockTest, OnlyTheFirstCopyRunsUntilItLetsGo) {
    SingleInstanceLock first(LockPath());
    SingleInstanceLock second(LockPath());

    EXPECT_EQ(first.TryAcquire(), Outcome::Acquired);
    EXPECT_EQ(second.TryAcquire(), Outcome::AnotherRunning);
    EXPECT_TRUE(second.AnotherInstanceRunning());
    EXPECT_FALSE(first.AnotherInstanceRunning()) << "asking again keeps the lock";

    // The refused copy ending must not free the running copy's lock.
    second.Release();
    EXPECT_TRUE(QFile::exists(LockPath()));
    EXPECT_EQ(SingleInstanceLock(LockPath()).TryAcquire(), Outcome::AnotherRunning);

    first.Release();
    EXPECT_FALSE(QFile::exists(LockPath()));
    EXPECT_EQ(second.TryAcquire(), Outcome::Acquired);
}

TEST_F(InstanceLockTest, AFolderThatCannotHoldTheLockSkipsTheCheck) {
    // A file where the folder should be: the lock cannot be written at all.
    QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SingleInstanceLock lock(blocker.fileName() + QStringLiteral("/amorist.lock"));
    EXPECT_EQ(lock.TryAcquire(), Outcome::CheckSkipped);
    EXPECT_FALSE(lock.AnotherInstanceRunning());
}

// Another copy of this program that takes the lock; it stays alive until
// killed when `stay` is set, otherwise it vanishes without releasing the
// lock, as a killed copy does.
pid_t CopyHoldingTheLock(const QString& path, bool stay) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const QByteArray name = QFile::encodeName(path);
    const pid_t child = fork();
    if (child == 0) {
        static QLockFile held(QFile::decodeName(name));
        held.setStaleLockTime(0);
        const bool locked = held.tryLock(0);
        if (!stay)
            std::_Exit(locked ? 0 : 1);
        (void)!::write(ready[1], "x", 1);
        ::pause();
        std::_Exit(0);
    }
    char byte;
    ::close(ready[1]);
    if (stay)
        (void)!::read(ready[0], &byte, 1);
    ::close(ready[0]);
    int status = 0;
    if (!stay && child > 0)
        ::waitpid(child, &status, 0);
    return stay ? child : 0;
}

struct LockPathCase {
    const char* name;
    // Plants something at the lock's path; returns a live copy to end afterwards, or 0.
    pid_t (*plant)(const QString& lock);
    Outcome outcome;
};

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}
void Fifo(const QString& path) {
    ::mkfifo(QFile::encodeName(path).constData(), 0600);
}

class HostileLockPath : public InstanceLockTest,
                        public ::testing::WithParamInterface<LockPathCase> {};

TEST_P(HostileLockPath, StartIsNeverHeldUpAndOnlyALiveCopyRefusesIt) {
    const QString rmlock = LockPath() + QStringLiteral(".rmlock");
    const pid_t live = GetParam().plant(LockPath());
    ASSERT_GE(live, 0);
    const files::Kind before = files::KindOf(LockPath());
    const files::Kind helperBefore = files::KindOf(rmlock);

    SingleInstanceLock lock(LockPath());
    {
        testing::HangGuard guard;
        EXPECT_EQ(lock.TryAcquire(), GetParam().outcome);
    }
    EXPECT_EQ(lock.held(), GetParam().outcome == Outcome::Acquired);
    // Whatever could not be taken is left exactly as it was.
    if (GetParam().outcome != Outcome::Acquired) {
        EXPECT_EQ(files::KindOf(LockPath()), before);
    }
    EXPECT_EQ(files::KindOf(rmlock),
              helperBefore == files::Kind::Other ? helperBefore : files::Kind::Absent);
    if (live > 0) {
        ::kill(live, SIGKILL);
        ::waitpid(live, nullptr, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Plants, HostileLockPath,
    ::testing::Values(
        LockPathCase{"Fifo", [](const QString& lock) { return Fifo(lock), pid_t{0}; },
                     Outcome::CheckSkipped},
        LockPathCase{"Folder", [](const QString& lock) { return QDir().mkdir(lock), pid_t{0}; },
                     Outcome::CheckSkipped},
        LockPathCase{"LinkToAFifo",
                     [](const QString& lock) {
                         Fifo(lock + QStringLiteral(".node"));
                         return QFile::link(lock + QStringLiteral(".node"), lock), pid_t{0};
                     },
                     Outcome::CheckSkipped},
        LockPathCase{"EmptyFile", [](const QString& lock) { return Write(lock, {}), pid_t{0}; },
                     Outcome::Acquired},
        LockPathCase{"RandomBytes",
                     [](const QString& lock) {
                         return Write(lock, QByteArrayLiteral("\x8f\x03\xd1~\x00\xe2\n\x7f")),
                                pid_t{0};
                     },
                     Outcome::Acquired},
        LockPathCase{"LockOfACopyThatDied",
                     [](const QString& lock) { return CopyHoldingTheLock(lock, false); },
                     Outcome::Acquired},
        LockPathCase{"FifoAtTheRemovalHelperBesideADeadCopysLock",
                     [](const QString& lock) {
                         Fifo(lock + QStringLiteral(".rmlock"));
                         return CopyHoldingTheLock(lock, false);
                     },
                     Outcome::CheckSkipped},
        LockPathCase{"LockOfALiveCopy",
                     [](const QString& lock) { return CopyHoldingTheLock(lock, true); },
                     Outcome::AnotherRunning}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InstanceLockPath, LivesInTheUsersRuntimeFolder) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    ASSERT_FALSE(runtime.isEmpty());
    EXPECT_EQ(QFileInfo(SingleInstanceLock::DefaultPath()).absolutePath(),
              QFileInfo(runtime).absoluteFilePath());
}

TEST(InstanceLockPath, FallsBackOnlyToFoldersNoOtherUserCanWriteIn) {
    QTemporaryDir root;
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    const QString cache = root.filePath(QStringLiteral("cache"));
    const QString temp = root.filePath(QStringLiteral("tmp"));
    const QString tempFolder = temp + QStringLiteral("/amorist-%1").arg(::getuid());
    ASSERT_TRUE(QDir().mkpath(runtime) && QDir().mkpath(temp));
    const auto setMode = [](const QString& path, mode_t mode) {
        ::chmod(QFile::encodeName(path).constData(), mode);
    };
    const SingleInstanceLock::Folders folders{runtime, cache, temp};

    setMode(runtime, 0700);
    EXPECT_EQ(SingleInstanceLock::PathIn(folders), runtime + QStringLiteral("/amorist.lock"));

    // A runtime folder others may write in; then none at all. The cache's
    // folder is shared by every machine that shares the home folder.
    setMode(runtime, 0777);
    const QString inCache = cache + QStringLiteral("/amorist/amorist-") +
                            QSysInfo::machineHostName() + QStringLiteral(".lock");
    EXPECT_EQ(SingleInstanceLock::PathIn(folders), inCache);
    EXPECT_EQ(SingleInstanceLock::PathIn({{}, cache, temp}), inCache);
    EXPECT_EQ(QFileInfo(cache + QStringLiteral("/amorist")).permissions(),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                  QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);

    // Someone else's folder in the cache: the private one in the temporary folder.
    setMode(cache + QStringLiteral("/amorist"), 0777);
    EXPECT_EQ(SingleInstanceLock::PathIn(folders), tempFolder + QStringLiteral("/amorist.lock"));

    // That name taken by someone else too: nowhere is safe, so the check is skipped.
    ASSERT_TRUE(QDir().rmdir(tempFolder));
    ASSERT_TRUE(QFile::link(root.path(), tempFolder));
    EXPECT_EQ(SingleInstanceLock::PathIn(folders), QString());
    EXPECT_EQ(SingleInstanceLock(QString()).TryAcquire(), Outcome::CheckSkipped);
    EXPECT_TRUE(QFileInfo(tempFolder).isSymLink()) << "what was found is left as it is";
}

}  // namespace
}  // namespace amorist
