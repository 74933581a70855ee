// The checked save: a failed sync keeps the old file, a leftover goes by its
// name alone, and a user's own copies stay.
#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdlib>

#include "app/checked_save.h"

namespace amorist {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// In a child whose every fdatasync fails with `code`, as a failing disk or a
// file system that cannot sync makes it: the save's answer as exit status.
bool SaveWithFailingSync(const QString& path, const QByteArray& bytes, int code) {
    const pid_t child = ::fork();
    if (child == 0) {
        sock_filter rules[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fdatasync, 0, 1),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | static_cast<unsigned>(code)),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        };
        const sock_fprog program{static_cast<unsigned short>(std::size(rules)), rules};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
            ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
            std::_Exit(2);
        std::_Exit(saveFileChecked(path, bytes) ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "no sync fault could be set up";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct SyncCase {
    const char* name;
    int code;
    bool saved;
};

class FailingSync : public ::testing::TestWithParam<SyncCase> {};

TEST_P(FailingSync, ReplacesTheFileOnlyWhenTheFileSystemCannotSyncAtAll) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notes.txt"));
    Write(path, "old\n");
    EXPECT_EQ(SaveWithFailingSync(path, "new\n", GetParam().code), GetParam().saved);
    EXPECT_EQ(Contents(path), GetParam().saved ? "new\n" : "old\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("notes.txt")});
}

INSTANTIATE_TEST_SUITE_P(Errors, FailingSync,
                         ::testing::Values(SyncCase{"InputOutputError", EIO, false},
                                           SyncCase{"NoSpace", ENOSPC, false},
                                           SyncCase{"CannotSyncAtAll", EINVAL, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckedSave, RemovesItsOwnLeftoversWhateverTheyHoldAndNothingElse) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notes.txt"));
    const QString leftover = checkedSaveTemporaryPath(path, u"Xq3Zt7");
    EXPECT_EQ(leftover, folder.filePath(QStringLiteral(".notes.txt.save-Xq3Zt7")));
    Write(leftover, "torn");
    const QString linkedLeftover = checkedSaveTemporaryPath(path, u"aaaaaa");
    const QString outside = folder.filePath(QStringLiteral("elsewhere"));
    Write(outside, "kept");
    ASSERT_TRUE(QFile::link(outside, linkedLeftover));
    const QStringList usersCopies = {QStringLiteral("notes.txt.Backup"),
                                     QStringLiteral("notes.txt.bak001"),
                                     QStringLiteral(".notes.txt.save-toolong"),
                                     QStringLiteral("notes.txt.save-Xq3Zt7")};
    for (const QString& copy : usersCopies)
        Write(folder.filePath(copy), "mine");

    QString error;
    ASSERT_TRUE(saveFileChecked(path, "new\n", &error)) << error.toStdString();
    EXPECT_EQ(Contents(path), "new\n");
    EXPECT_FALSE(QFile::exists(leftover));
    EXPECT_EQ(QFile::symLinkTarget(linkedLeftover), outside);
    EXPECT_EQ(Contents(outside), "kept");
    for (const QString& copy : usersCopies)
        EXPECT_EQ(Contents(folder.filePath(copy)), "mine") << copy.toStdString();
}

TEST(CheckedSave, KeepsTheModeOfTheFileItReplaces) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notes.txt"));
    Write(path, "old\n");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, mode));
    ASSERT_TRUE(saveFileChecked(path, "new\n"));
    EXPECT_EQ(QFile::permissions(path) & 0xF0FF, mode);
}

TEST(CheckedSave, SaysWhyAndChangesNothingWhenTheFolderIsMissing) {
    QTemporaryDir folder;
    QString error;
    EXPECT_FALSE(saveFileChecked(folder.filePath(QStringLiteral("gone/notes.txt")), "x", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("gone/notes.txt"))) << error.toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

}  // namespace
}  // namespace amorist
