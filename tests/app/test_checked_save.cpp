// The checked save: a failed sync keeps the old file, a leftover goes by its
// name alone, and a user's own copies stay.
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/checked_save.h"
#include "tests/support/failing_syscall.h"

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

// The save's answer in a child where `call` fails, as a failing disk, a file
// system that cannot sync or a folder the user may not read makes it.
SaveOutcome SaveWhileFailing(const QString& path, const QByteArray& bytes,
                             const testing::FailingSyscall& call) {
    constexpr int kNoFault = 9;
    const pid_t child = ::fork();
    if (child == 0) {
        if (!testing::MakeFail(call))
            std::_Exit(kNoFault);
        std::_Exit(static_cast<int>(saveFileChecked(path, bytes)));
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != kNoFault) << "no fault could be set up";
    return WIFEXITED(status) ? static_cast<SaveOutcome>(WEXITSTATUS(status)) : SaveOutcome{-1};
}

struct FaultCase {
    const char* name;
    testing::FailingSyscall call;
    SaveOutcome outcome;
};

class Fault : public ::testing::TestWithParam<FaultCase> {};

// Refused before the rename, the old file stays; once renamed, the new file
// is in place and the answer must say so.
TEST_P(Fault, LeavesTheOldFileOrSaysTheNewOneIsInPlace) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notes.txt"));
    Write(path, "old\n");
    const SaveOutcome outcome = SaveWhileFailing(path, "new\n", GetParam().call);
    EXPECT_EQ(outcome, GetParam().outcome);
    EXPECT_EQ(Contents(path), outcome == SaveOutcome::Unchanged ? "old\n" : "new\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("notes.txt")});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Errors, Fault, ::testing::Values(
    FaultCase{"SyncInputOutputError", {__NR_fdatasync, EIO}, SaveOutcome::Unchanged},
    FaultCase{"SyncNoSpace", {__NR_fdatasync, ENOSPC}, SaveOutcome::Unchanged},
    FaultCase{"CannotSyncAtAll", {__NR_fdatasync, EINVAL}, SaveOutcome::Replaced},
    FaultCase{"FolderSyncInputOutputError", {__NR_fsync, EIO},
              SaveOutcome::ReplacedFolderNotSynced},
    FaultCase{"FolderCannotSyncAtAll", {__NR_fsync, EINVAL}, SaveOutcome::Replaced},
    FaultCase{"FolderCannotBeOpened", {__NR_openat, EACCES, true},
              SaveOutcome::ReplacedFolderNotSynced}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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
    ASSERT_EQ(saveFileChecked(path, "new\n", &error), SaveOutcome::Replaced) << error.toStdString();
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
    ASSERT_EQ(saveFileChecked(path, "new\n"), SaveOutcome::Replaced);
    EXPECT_EQ(QFile::permissions(path) & 0xF0FF, mode);
}

TEST(CheckedSave, SaysWhyAndChangesNothingWhenTheFolderIsMissing) {
    QTemporaryDir folder;
    QString error;
    EXPECT_EQ(saveFileChecked(folder.filePath(QStringLiteral("gone/notes.txt")), "x", &error),
              SaveOutcome::Unchanged);
    EXPECT_TRUE(error.contains(QStringLiteral("gone/notes.txt"))) << error.toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

}  // namespace
}  // namespace amorist
