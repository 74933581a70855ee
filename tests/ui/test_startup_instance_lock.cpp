// One copy per user: the lock that the start-up sequence asks about.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdlib>
#include <future>
#include <ostream>
#include <thread>

#include "app/file_checks.h"
#include "app/single_instance.h"
#include "tests/support/hang_guard.h"

namespace amorist {

using Outcome = SingleInstanceLock::Outcome;
constexpr uid_t kOrdinaryUser = 65534;

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
    EXPECT_EQ(second.TryAcquire(), Outcome::AnotherRunning);
    EXPECT_EQ(first.TryAcquire(), Outcome::Acquired) << "asking again keeps the lock";

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
    EXPECT_NE(lock.TryAcquire(), Outcome::AnotherRunning);
}

// What a start finds at the lock's path.
enum class Node {
    Fifo,
    Folder,
    LinkToFifo,
    EmptyFile,
    RandomBytes,
    DeadCopy,
    DeadCopyAndFifo,
    ReadOnlyDeadCopy,
    UnreadableDeadCopy,
    CopyOnAnotherMachine,
    LiveCopy,
    LiveCopyStillWritingIt,
};

struct LockPathCase {
    const char* name;
    Node node;
    Outcome outcome;
};

// Another copy of this program holding the lock: alive (its pid returned,
// for the caller to end) or gone without releasing it, as a killed copy.
// A copy still writing its lock holds it empty.
pid_t CopyHoldingTheLock(const QString& path, bool alive, bool empty = false) {
    int locked[2];
    if (::pipe(locked) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        static QLockFile held(path);
        held.setStaleLockTime(0);
        const auto createEmpty = [&path] {
            return ::open(QFile::encodeName(path).constData(), O_CREAT | O_EXCL | O_RDWR, 0600);
        };
        const bool taken = empty ? ::flock(createEmpty(), LOCK_EX | LOCK_NB) == 0 : held.tryLock(0);
        (void)!::write(locked[1], taken ? "y" : "n", 1);
        if (alive)
            ::pause();
        std::_Exit(0);
    }
    char answer = 'n';
    (void)!::read(locked[0], &answer, 1);
    ::close(locked[0]);
    ::close(locked[1]);
    if (!alive)
        ::waitpid(child, nullptr, 0);
    return answer == 'y' ? (alive ? child : 0) : -1;
}

pid_t Plant(const QString& path, Node node) {
    const QByteArray name = QFile::encodeName(path);
    QFile file(path);
    switch (node) {
        case Node::Fifo:
            return ::mkfifo(name.constData(), 0600);
        case Node::Folder:
            return ::mkdir(name.constData(), 0700);
        case Node::LinkToFifo:
            return ::mkfifo((name + ".node").constData(), 0600) | ::symlink(name + ".node", name);
        case Node::EmptyFile:
        case Node::RandomBytes:
            file.open(QIODevice::WriteOnly);
            file.write(node == Node::EmptyFile ? "" : "\x8f\x03\xd1~\xe2\n\x7f");
            return file.error() == QFileDevice::NoError ? 0 : -1;
        case Node::DeadCopyAndFifo:
            if (::mkfifo((name + ".rmlock").constData(), 0600) != 0)
                return -1;
            [[fallthrough]];
        case Node::DeadCopy:
        case Node::LiveCopy:
            return CopyHoldingTheLock(path, node == Node::LiveCopy);
        case Node::LiveCopyStillWritingIt:
            return CopyHoldingTheLock(path, true, true);
        case Node::ReadOnlyDeadCopy:
        case Node::UnreadableDeadCopy:
            return CopyHoldingTheLock(path, false) |
                   ::chmod(name.constData(), node == Node::ReadOnlyDeadCopy ? 0400 : 0);
        case Node::CopyOnAnotherMachine:
            file.open(QIODevice::WriteOnly);
            file.write("454\namorist\notherhost\n");
            return file.error() == QFileDevice::NoError ? 0 : -1;
    }
    return -1;
}

class HostileLockPath : public InstanceLockTest,
                        public ::testing::WithParamInterface<LockPathCase> {};

TEST_P(HostileLockPath, StartIsNeverHeldUpAndOnlyALiveCopyRefusesIt) {
    const pid_t live = Plant(LockPath(), GetParam().node);
    ASSERT_GE(live, 0);
    const files::Kind before = files::KindOf(LockPath());
    const QString helper = LockPath() + QStringLiteral(".rmlock");
    const files::Kind helperBefore = files::KindOf(helper);

    // Root may open any file; the start is tried as an ordinary user.
    if (::geteuid() == 0) {
        for (const QString& entry : {folder.path(), LockPath(), helper})
            (void)!::lchown(QFile::encodeName(entry).constData(), kOrdinaryUser, kOrdinaryUser);
    }
    int result[2];
    ASSERT_EQ(::pipe(result), 0);
    const pid_t start = ::fork();
    if (start == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryUser) != 0 ||
                                 ::setuid(kOrdinaryUser) != 0))
            std::_Exit(1);
        SingleInstanceLock lock(LockPath());
        const char outcome[2] = {static_cast<char>(lock.TryAcquire()), lock.isHeld()};
        (void)!::write(result[1], outcome, sizeof outcome);
        std::_Exit(0);
    }
    char outcome[2] = {-1, 0};
    {
        testing::HangGuard guard;
        (void)!::read(result[0], outcome, sizeof outcome);
        ::waitpid(start, nullptr, 0);
    }
    ::close(result[0]);
    ::close(result[1]);
    EXPECT_EQ(static_cast<Outcome>(outcome[0]), GetParam().outcome);
    EXPECT_EQ(outcome[1] != 0, GetParam().outcome == Outcome::Acquired);
    // Whatever could not be taken is left exactly as it was.
    if (GetParam().outcome != Outcome::Acquired) {
        EXPECT_EQ(files::KindOf(LockPath()), before);
        EXPECT_EQ(files::KindOf(helper), helperBefore);
    }
    if (live > 0) {
        ::kill(live, SIGKILL);
        ::waitpid(live, nullptr, 0);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Plants, HostileLockPath, ::testing::Values(
    LockPathCase{"Fifo", Node::Fifo, Outcome::CheckSkipped},
    LockPathCase{"Folder", Node::Folder, Outcome::CheckSkipped},
    LockPathCase{"LinkToAFifo", Node::LinkToFifo, Outcome::CheckSkipped},
    LockPathCase{"EmptyFile", Node::EmptyFile, Outcome::Acquired},
    LockPathCase{"RandomBytes", Node::RandomBytes, Outcome::Acquired},
    LockPathCase{"LockOfACopyThatDied", Node::DeadCopy, Outcome::Acquired},
    // Qt's removal helper is no longer used: nothing there is opened.
    LockPathCase{"FifoAtTheRemovalHelperBesideADeadCopysLock", Node::DeadCopyAndFifo,
                 Outcome::Acquired},
    LockPathCase{"ReadOnlyLockOfACopyThatDied", Node::ReadOnlyDeadCopy, Outcome::Acquired},
    LockPathCase{"UnreadableLockOfACopyThatDied", Node::UnreadableDeadCopy, Outcome::Acquired},
    LockPathCase{"LockOfACopyThatDiedOnAnotherMachine", Node::CopyOnAnotherMachine,
                 Outcome::Acquired},
    LockPathCase{"LockOfALiveCopy", Node::LiveCopy, Outcome::AnotherRunning},
    LockPathCase{"LockOfALiveCopyStillWritingIt", Node::LiveCopyStillWritingIt,
                 Outcome::AnotherRunning}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(InstanceLockPath, LivesInTheUsersRuntimeFolder) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    ASSERT_FALSE(runtime.isEmpty());
    EXPECT_EQ(QFileInfo(SingleInstanceLock::PathIn(SingleInstanceLock::UsersFolders())).absolutePath(),
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

// A place that cannot take the lock says nothing about another copy: the
// next place is tried before the check is skipped.
TEST(InstanceLockPath, APlaceThatRefusesTheLockGivesWayToTheNext) {
    QTemporaryDir root;
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    ASSERT_TRUE(QDir().mkdir(runtime));
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(runtime + QStringLiteral("/amorist.lock")).constData(), 0600),
        0);
    const SingleInstanceLock::Folders folders{runtime, root.filePath(QStringLiteral("cache")),
                                              root.path()};
    SingleInstanceLock first(folders), second(folders);
    {
        testing::HangGuard guard;
        EXPECT_EQ(first.TryAcquire(), Outcome::Acquired);
        EXPECT_EQ(second.TryAcquire(), Outcome::AnotherRunning);
    }
    EXPECT_TRUE(first.heldPath().startsWith(folders.cache + QStringLiteral("/amorist/")));
}

// Folders that change mode between starts move the place a start takes; a
// lock held in any other place still refuses it. In a folder others can
// write in, only a lock nobody else could have planted counts.
TEST(InstanceLockPath, ALockHeldInAnyOtherPlaceRefusesTheStart) {
    QTemporaryDir root;
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    const QString cache = root.filePath(QStringLiteral("cache"));
    const QString temp = root.filePath(QStringLiteral("tmp"));
    ASSERT_TRUE(QDir().mkpath(runtime) && QDir().mkpath(cache + QStringLiteral("/amorist")) &&
                QDir().mkpath(temp));
    const auto setMode = [](const QString& path, mode_t mode) {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    };
    const SingleInstanceLock::Folders folders{runtime, cache, temp};
    setMode(runtime, 0777);
    setMode(cache + QStringLiteral("/amorist"), 0777);
    SingleInstanceLock first(folders);
    ASSERT_EQ(first.TryAcquire(), Outcome::Acquired);
    EXPECT_TRUE(first.heldPath().startsWith(temp));

    setMode(cache + QStringLiteral("/amorist"), 0700);
    EXPECT_EQ(SingleInstanceLock(folders).TryAcquire(), Outcome::AnotherRunning);
    setMode(runtime, 0700);
    EXPECT_EQ(SingleInstanceLock(folders).TryAcquire(), Outcome::AnotherRunning);

    // A copy in the runtime folder, which then opens to everyone.
    first.Release();
    SingleInstanceLock inRuntime(folders);
    ASSERT_EQ(inRuntime.TryAcquire(), Outcome::Acquired);
    setMode(runtime, 0777);
    EXPECT_EQ(SingleInstanceLock(folders).TryAcquire(), Outcome::AnotherRunning);

    // What another user could have made there holds no start back: a lock
    // others may read, and one with a second name.
    const QByteArray held = QFile::encodeName(inRuntime.heldPath());
    for (const bool secondName : {false, true}) {
        SCOPED_TRACE(secondName ? "second name" : "readable by others");
        const QString extra = root.filePath(QStringLiteral("extra-name"));
        if (secondName)
            ASSERT_EQ(::link(held.constData(), QFile::encodeName(extra).constData()), 0);
        else
            setMode(inRuntime.heldPath(), 0644);
        SingleInstanceLock next(folders);
        EXPECT_EQ(next.TryAcquire(), Outcome::Acquired);
        EXPECT_TRUE(next.heldPath().startsWith(cache)) << next.heldPath().toStdString();
        setMode(inRuntime.heldPath(), 0600);
        QFile::remove(extra);
    }
}

// Another start looking at the lock at path: it holds `op` on it for an
// instant, as a start's look does, then lets go. Returns once it holds it.
pid_t LookingAt(const QString& path, int op) {
    constexpr useconds_t kInstantUs = 30'000;
    int locked[2];
    if (::pipe(locked) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        (void)!::write(locked[1], fd >= 0 && ::flock(fd, op) == 0 ? "y" : "n", 1);
        ::usleep(kInstantUs);
        std::_Exit(0);
    }
    char answer = 'n';
    (void)!::read(locked[0], &answer, 1);
    ::close(locked[0]);
    ::close(locked[1]);
    return answer == 'y' ? child : -1;
}

struct LookCase {
    const char* name;
    bool inAnotherPlace;  // else at the place the start takes
    int op;               // a look at a lock (shared) or a start taking a stale one (exclusive)
};

class LookOfAnotherStart : public ::testing::TestWithParam<LookCase> {};

// A lock nobody holds, left by a copy that was killed, while another start
// holds it for a moment: that start's look is no running copy.
TEST_P(LookOfAnotherStart, DoesNotStopTheStart) {
    QTemporaryDir root;
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    const QString temp = root.filePath(QStringLiteral("tmp"));
    const QString tempFolder = temp + QStringLiteral("/amorist-%1").arg(::getuid());
    ASSERT_TRUE(QDir().mkpath(runtime) && QDir().mkpath(tempFolder));
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    ::chmod(QFile::encodeName(tempFolder).constData(), 0700);
    const QString stale =
        (GetParam().inAnotherPlace ? tempFolder : runtime) + QStringLiteral("/amorist.lock");
    ASSERT_EQ(CopyHoldingTheLock(stale, false), 0);

    SingleInstanceLock start(SingleInstanceLock::Folders{runtime, {}, temp});
    const pid_t looking = LookingAt(stale, GetParam().op);
    ASSERT_GT(looking, 0);
    EXPECT_EQ(start.TryAcquire(), Outcome::Acquired);
    EXPECT_EQ(start.heldPath().toStdString(),
              (runtime + QStringLiteral("/amorist.lock")).toStdString());
    ::waitpid(looking, nullptr, 0);
}

INSTANTIATE_TEST_SUITE_P(Looks, LookOfAnotherStart,
                         ::testing::Values(LookCase{"AtTheLockItTakes", false, LOCK_SH},
                                           LookCase{"StartTakingALockElsewhere", true, LOCK_EX}),
                         [](const auto& info) { return std::string(info.param.name); });

// Stops the calling thread at its next link() (how a lock is put in place)
// until whoever holds the returned descriptor lets it go on; -1 when the
// kernel cannot. Other threads are not stopped.
int StopAtLink() {
    sock_filter rules[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_link, 1, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_linkat, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_USER_NOTIF),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(rules)), rules};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return -1;
    return static_cast<int>(::syscall(__NR_seccomp, SECCOMP_SET_MODE_FILTER,
                                      SECCOMP_FILTER_FLAG_NEW_LISTENER, &program));
}

// Two starts at the same moment: the first looks, finds no lock and takes
// the cache place; before its lock is in place, a second takes the runtime
// place, which has just become private. Looking again, the first gives way.
TEST(InstanceLockPath, AStartInALaterPlaceGivesWayToOneThatTookAnEarlierPlaceMeanwhile) {
    QTemporaryDir root;
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    ASSERT_TRUE(QDir().mkdir(runtime));
    ::chmod(QFile::encodeName(runtime).constData(), 0777);
    const SingleInstanceLock::Folders folders{runtime, root.filePath(QStringLiteral("cache")), {}};

    SingleInstanceLock first(folders), second(folders);
    std::promise<int> stopped;
    std::future<Outcome> firstOutcome = std::async(std::launch::async, [&] {
        const int listener = StopAtLink();
        stopped.set_value(listener);
        return listener < 0 ? Outcome::CheckSkipped : first.TryAcquire();
    });
    const int listener = stopped.get_future().get();
    ASSERT_GE(listener, 0) << "the kernel cannot stop a thread at link()";
    {
        testing::HangGuard guard;
        seccomp_notif atLink{};
        const bool atItsLink = ::ioctl(listener, SECCOMP_IOCTL_NOTIF_RECV, &atLink) == 0;
        EXPECT_TRUE(atItsLink);
        if (atItsLink) {
            ::chmod(QFile::encodeName(runtime).constData(), 0700);
            EXPECT_EQ(second.TryAcquire(), Outcome::Acquired);
            seccomp_notif_resp goOn{};
            goOn.id = atLink.id;
            goOn.flags = SECCOMP_USER_NOTIF_FLAG_CONTINUE;
            EXPECT_EQ(::ioctl(listener, SECCOMP_IOCTL_NOTIF_SEND, &goOn), 0);
        }
        // Closing lets a start still stopped there go on, whatever failed above.
        ::close(listener);
        EXPECT_EQ(firstOutcome.get(), Outcome::AnotherRunning);
    }
    EXPECT_FALSE(first.isHeld());
    EXPECT_TRUE(second.heldPath().startsWith(runtime)) << second.heldPath().toStdString();
    const QDir cacheFolder(folders.cache + QStringLiteral("/amorist"));
    EXPECT_TRUE(cacheFolder.isEmpty(QDir::Files | QDir::Hidden))
        << "the start that gave way left its lock behind";
}

// A temporary folder that does not exist gives no place at all, not one
// under the root folder.
TEST(InstanceLockPath, AMissingTemporaryFolderGivesNoPlace) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), temp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", "/nonexistent-amorist-test/tmp");
    const SingleInstanceLock::Folders folders = SingleInstanceLock::UsersFolders();
    qputenv("XDG_RUNTIME_DIR", runtime);
    if (temp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", temp);
    EXPECT_EQ(folders.runtime, QString());
    EXPECT_EQ(folders.temp, QString());
    const QString user = QFile::decodeName(::getpwuid(::geteuid())->pw_name);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/runtime-") + user));
}

// A relative XDG folder would depend on the folder the program starts in.
TEST(InstanceLockPath, RelativeXdgFoldersCountAsUnset) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), cache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_RUNTIME_DIR", "relrun");
    qputenv("XDG_CACHE_HOME", "relcache");
    const SingleInstanceLock::Folders folders = SingleInstanceLock::UsersFolders();
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("XDG_CACHE_HOME", cache);
    EXPECT_TRUE(folders.runtime.startsWith(QDir::tempPath() + QStringLiteral("/runtime-")))
        << folders.runtime.toStdString();
    EXPECT_EQ(folders.cache, QDir::homePath() + QStringLiteral("/.cache"));
}

}  // namespace
}  // namespace amorist
