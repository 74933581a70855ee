// One copy per user: the lock that the start-up sequence asks about.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/single_instance.h"

namespace amorist {
namespace {

using Outcome = SingleInstanceLock::Outcome;

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

TEST_F(InstanceLockTest, ALockLeftByACopyThatDiedDoesNotBlockTheNextStart) {
    const QByteArray path = QFile::encodeName(LockPath());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Take the lock and vanish without releasing it, as a killed copy does.
        static QLockFile held(QFile::decodeName(path));
        held.setStaleLockTime(0);
        std::_Exit(held.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(LockPath()));

    SingleInstanceLock next(LockPath());
    EXPECT_EQ(next.TryAcquire(), Outcome::Acquired);
    EXPECT_TRUE(next.held());
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

TEST(InstanceLockPath, LivesInTheUsersRuntimeFolder) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    ASSERT_FALSE(runtime.isEmpty());
    EXPECT_EQ(QFileInfo(SingleInstanceLock::DefaultPath()).absolutePath(),
              QFileInfo(runtime).absoluteFilePath());
}

}  // namespace
}  // namespace amorist
