// The start-up reminder to look for an update, against a fake clock and a
// settings folder of the test's own.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <optional>
#include <ostream>

#include "app/file_checks.h"
#include "app/modHelp.h"
#include "app/settings.h"
#include "tests/support/failing_syscall.h"
#include "tests/support/fake_platform.h"
#include "tests/support/hang_guard.h"

namespace amorist {
namespace {

using testing::FakePlatform;

const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\nDo you want to check for an update?");
const QString kDownloadPage = QStringLiteral("https://amorist.quillmoor.com/download-amorist.html");

class UpdateReminder : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(QFileInfo(settings::StoreFilePath()).absolutePath()).removeRecursively();
        platform.today = today;
    }

    static void Store(const QString& text) { settings::WriteLastUpdateReminder(text); }
    static QString Stored() { return settings::ReadLastUpdateReminder(); }
    static QString Iso(const QDate& date) { return date.toString(QStringLiteral("yyyy-MM-dd")); }

    const QDate today{2026, 3, 10};
    FakePlatform platform;
};

// The stored text reads exactly as Qt's own reading of the format would.
TEST(ReminderDate, ReadsEveryTextAsQtsFormatParserDoes) {
    const char* const texts[] = {
        "2026-03-10", "1999-12-31",       "2026-02-29",  "2024-02-29",  "2026-13-01",
        "0000-01-01", "2026-3-10",        "2026-03-1",   " 2026-03-10", "2026-03-10 ",
        "2026/03/10", "20260310",         "+2026-03-10", "2026-03-1x",  "",
        "not a date", "2026-03-10T00:00",
    };
    for (const char* text : texts) {
        const QString stored = QString::fromLatin1(text);
        EXPECT_EQ(ReminderDate(stored), QDate::fromString(stored, QStringLiteral("yyyy-MM-dd")))
            << '"' << text << '"';
    }
    EXPECT_EQ(ReminderDate(QStringLiteral("2026-03-10")), QDate(2026, 3, 10));
    EXPECT_EQ(ReminderDate(QString::fromUtf8("٢٠٢٦-03-10")),
              QDate::fromString(QString::fromUtf8("٢٠٢٦-03-10"), QStringLiteral("yyyy-MM-dd")));
}

TEST_F(UpdateReminder, FirstStartRemembersTodayWithoutAsking) {
    PromptForUpdate(platform);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(platform.opened.empty());
    EXPECT_EQ(Stored(), QStringLiteral("2026-03-10"));
}

TEST_F(UpdateReminder, KeepsTheSettingPerUserUnderTheProgramsName) {
    PromptForUpdate(platform);
    const QString configHome = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    EXPECT_EQ(settings::StoreFilePath(), configHome + QStringLiteral("/app_tests/app_tests.conf"));

    QFile file(settings::StoreFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(content.contains(QStringLiteral("[Settings]\nDuration=2026-03-10\n")))
        << content.toStdString();
}

struct AgeCase {
    int storedDaysFromToday;
    bool asks;
    friend void PrintTo(const AgeCase& age, std::ostream* out) {
        *out << age.storedDaysFromToday << " days away, " << (age.asks ? "asks" : "quiet");
    }
};

class ReminderAge : public UpdateReminder, public ::testing::WithParamInterface<AgeCase> {};

TEST_P(ReminderAge, AsksOnlyWhenTheLastReminderIsFifteenDaysAwayOrMore) {
    const QString stored = Iso(today.addDays(GetParam().storedDaysFromToday));
    Store(stored);
    PromptForUpdate(platform);
    if (GetParam().asks) {
        EXPECT_EQ(platform.questions, std::vector<QString>{kQuestion});
        EXPECT_EQ(Stored(), Iso(today));
    } else {
        EXPECT_TRUE(platform.questions.empty());
        EXPECT_EQ(Stored(), stored);
    }
}

INSTANTIATE_TEST_SUITE_P(DaysAway, ReminderAge,
                         ::testing::Values(AgeCase{0, false}, AgeCase{-1, false},
                                           AgeCase{-14, false}, AgeCase{14, false},
                                           AgeCase{-15, true}, AgeCase{15, true},
                                           AgeCase{-400, true}, AgeCase{3650, true}),
                         [](const auto& info) {
                             const int days = info.param.storedDaysFromToday;
                             return (days < 0 ? "Past" : "Future") + std::to_string(std::abs(days));
                         });

TEST_F(UpdateReminder, YesOpensTheDownloadPageAndRemembersToday) {
    Store(Iso(today.addDays(-30)));
    platform.answerYes = true;
    PromptForUpdate(platform);
    EXPECT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.opened, std::vector<QString>{kDownloadPage});
    EXPECT_EQ(Stored(), Iso(today));
}

TEST_F(UpdateReminder, NoOpensNothingAndRemembersToday) {
    Store(Iso(today.addDays(-30)));
    platform.answerYes = false;
    PromptForUpdate(platform);
    EXPECT_EQ(platform.questions.size(), 1u);
    EXPECT_TRUE(platform.opened.empty());
    EXPECT_EQ(Stored(), Iso(today));
}

TEST_F(UpdateReminder, AsksAgainAFortnightAndADayAfterTheLastQuestion) {
    std::vector<size_t> questionsAfterEachStart;
    for (int day : {0, 1, 14, 15, 16, 29, 30}) {
        platform.today = today.addDays(day);
        PromptForUpdate(platform);
        questionsAfterEachStart.push_back(platform.questions.size());
    }
    // Day 0 is the first start; day 15 asks; day 30 is fifteen days after that.
    EXPECT_EQ(questionsAfterEachStart, (std::vector<size_t>{0, 0, 0, 1, 1, 1, 2}));
}

class UnreadableReminder : public UpdateReminder,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(UnreadableReminder, IsTreatedLikeAFirstStart) {
    Store(QString::fromUtf8(GetParam()));
    PromptForUpdate(platform);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(platform.opened.empty());
    EXPECT_EQ(Stored(), Iso(today));

    // From then on the reminder works again.
    platform.today = today.addDays(15);
    PromptForUpdate(platform);
    EXPECT_EQ(platform.questions.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnreadableReminder,
                         ::testing::Values("not a date", "1/2/03", "2026-02-30", "10.03.2026",
                                           "2026-03-10T00:00", " ", "\xC3\xA9t\xC3\xA9"));

class DamagedSettingsFile : public UpdateReminder,
                            public ::testing::WithParamInterface<QByteArray> {};

TEST_P(DamagedSettingsFile, IsRewrittenWithTodayWithoutAnyMessage) {
    QDir().mkpath(QFileInfo(settings::StoreFilePath()).absolutePath());
    QFile file(settings::StoreFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam());
    file.close();

    PromptForUpdate(platform);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Stored(), Iso(today));
}

INSTANTIATE_TEST_SUITE_P(
    Contents, DamagedSettingsFile,
    ::testing::Values(QByteArray("[Settings\nDuration=\"2026-"),
                      QByteArray("\xFF\xFE\x00\x01[Settings]\x00Duration=\x7F", 25),
                      QByteArray("[Settings]\nDuration=\"2026-03-01\nDuration=\n")));

TEST_F(UpdateReminder, UnwritableSettingsLocationDoesNotStopStartUp) {
    // A file where the settings folder belongs cannot be written into, not even by root.
    const QString folder = QFileInfo(settings::StoreFilePath()).absolutePath();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    PromptForUpdate(platform);
    PromptForUpdate(platform);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(Stored().isEmpty());

    ASSERT_TRUE(QFile::remove(folder));
}

// A relative XDG_CONFIG_HOME would make the setting depend on the folder the
// program starts in; it counts as unset. A missing home is not created.
TEST_F(UpdateReminder, RelativeConfigFolderIsIgnoredAndAMissingHomeStaysMissing) {
    QTemporaryDir root;
    const QString home = root.filePath(QStringLiteral("home"));
    const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", "relconf");
    const QString path = settings::StoreFilePath();
    PromptForUpdate(platform);
    const bool homeCreated = QFileInfo::exists(home);
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);

    EXPECT_EQ(path, home + QStringLiteral("/.config/app_tests/app_tests.conf"));
    EXPECT_FALSE(homeCreated);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("relconf")));
}

// Without HOME the settings live where the password database puts the
// user's home, never under the root folder.
TEST_F(UpdateReminder, WithoutHomeTheSettingsGoToTheHomeThePasswordDatabaseNames) {
    const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    const QString path = settings::StoreFilePath();
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(path, QDir::cleanPath(QFile::decodeName(user->pw_dir)) +
                        QStringLiteral("/.config/app_tests/app_tests.conf"));
}

// What a start finds at the settings paths. Every case: the start goes on,
// and every byte that was there is still there afterwards, in place or in
// the kept copy.
enum class Node { Nothing, File, ReadOnlyFile, LinkToFile, Fifo, Folder, LinkToFifo };

struct SettingsPathCase {
    const char* name;
    Node store;               // at the settings file's path
    QByteArray bytes;         // the bytes of the file there, if any
    bool earlierCopy;         // a kept copy from an earlier start lies beside it
    const char* storedAfter;  // today's date when it is stored; otherwise nothing changes
    const char* keptCopy;     // the name the original bytes move to, if any
    bool fullDisk = false;    // no write may pass the first few bytes
    bool leftoverSaves = false;  // files a killed save and the user left beside it
};

const QByteArray kOurs = "[Settings]\nDuration=2026-02-08\n";  // 30 days before today
constexpr char kToday[] = "2026-03-10";
const QByteArray kShoppingList = "My shopping list\nmilk=2\neggs\n\"quoted\n";
const QByteArray kDamaged = QByteArrayLiteral("\xFF\xFE\x00\x01[Settings]\x00=\x7F\\");

// Links point into the scratch folder, where no start may write.
void Plant(const QString& path, Node node, const QByteArray& bytes, const QString& scratch) {
    const QString elsewhere = scratch + u'/' + QFileInfo(path).fileName();
    QFile file(path);
    switch (node) {
        case Node::Nothing:
            return;
        case Node::File:
        case Node::ReadOnlyFile:
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            if (node == Node::ReadOnlyFile)
                file.setPermissions(QFileDevice::ReadOwner);
            return;
        case Node::Fifo:
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            return;
        case Node::Folder:
            ASSERT_TRUE(QDir().mkdir(path));
            return;
        case Node::LinkToFile:
        case Node::LinkToFifo:
            Plant(elsewhere, node == Node::LinkToFile ? Node::File : Node::Fifo, bytes, scratch);
            ASSERT_TRUE(QFile::link(elsewhere, path));
    }
}

// Each entry of a folder: what it is, where a link points, a plain file's bytes.
using Snapshot = std::map<std::string, std::string>;
void Take(const QString& folder, Snapshot& snapshot) {
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot)) {
        QFile file(entry.absoluteFilePath());
        std::string& what = snapshot[entry.absoluteFilePath().toStdString()];
        if (entry.isSymLink())
            what = "link to " + entry.symLinkTarget().toStdString();
        else if (files::KindOf(file.fileName()) == files::Kind::RegularFile)
            what = file.open(QIODevice::ReadOnly) ? "file:" + file.readAll().toStdString() : "?";
        else
            what = entry.isDir() ? "folder" : "other";
    }
}

class HostileSettingsPath : public UpdateReminder,
                            public ::testing::WithParamInterface<SettingsPathCase> {};

TEST_P(HostileSettingsPath, StartGoesOnAndNoByteIsLost) {
    const SettingsPathCase& param = GetParam();
    const QString store = settings::StoreFilePath();
    const QString folder = QFileInfo(store).absolutePath();
    QTemporaryDir scratch;
    ASSERT_TRUE(QDir().mkpath(folder));
    Plant(store, param.store, param.bytes, scratch.path());
    Plant(store + ".unreadable", param.earlierCopy ? Node::File : Node::Nothing, kShoppingList, {});
    // A killed save's file goes whatever it holds; the user's own copies
    // stay, however much they look like ours.
    const QString leftover = folder + QStringLiteral("/.app_tests.conf.save-Xq3Zt7");
    if (param.leftoverSaves) {
        Plant(leftover, Node::File, "[Settings]\nDura", {});
        for (const char* tag : {"backup", "Backup", "bak001", "OLD123", "2024v1"})
            Plant(store + u'.' + QLatin1String(tag), Node::File, kOurs, {});
    }
    Snapshot before, after;
    Take(folder, before);
    Take(scratch.path(), before);
    if (param.fullDisk) {
        // Only in a child: the limit would cut the test's own output too.
        const pid_t child = ::fork();
        if (child == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit room{8, 8};
            ::setrlimit(RLIMIT_FSIZE, &room);
            PromptForUpdate(platform);
            std::_Exit(0);
        }
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_EQ(status, 0);
    } else {
        testing::HangGuard guard;
        PromptForUpdate(platform);
    }
    Take(folder, after);
    Take(scratch.path(), after);

    EXPECT_EQ(Stored(), QLatin1String(param.storedAfter));
    Snapshot expected = before;
    if (Iso(today) == QLatin1String(param.storedAfter)) {
        const QString written = QFileInfo(store).canonicalFilePath();
        expected[written.toStdString()] = "file:[Settings]\nDuration=2026-03-10\n";
        if (param.keptCopy != nullptr)
            expected[(folder + u'/' + QLatin1String(param.keptCopy)).toStdString()] =
                before[store.toStdString()];
        expected.erase(leftover.toStdString());
    }
    EXPECT_EQ(after, expected);
    EXPECT_TRUE(platform.messages.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Plants, HostileSettingsPath, ::testing::Values(
    SettingsPathCase{"OurFile", Node::File, kOurs, false, kToday, nullptr},
    SettingsPathCase{"LinkToOurFile", Node::LinkToFile, kOurs, false, kToday, nullptr},
    SettingsPathCase{"LinkToATextFile", Node::LinkToFile, kShoppingList, false, "", nullptr},
    SettingsPathCase{"QuoteBeforeTheGroup", Node::File, "x=\"abc\n" + kOurs, false,
                     kToday, "app_tests.conf.unreadable"},
    SettingsPathCase{"DamagedBytes", Node::File, kDamaged, false, kToday,
                     "app_tests.conf.unreadable"},
    SettingsPathCase{"C1ControlInTheDate", Node::File, "[Settings]\nDuration=2026-02\xC2\x85-08\n",
                     false, kToday, "app_tests.conf.unreadable"},
    SettingsPathCase{"DamagedBytesBesideAnEarlierCopy", Node::File, kDamaged, true,
                     kToday, "app_tests.conf.unreadable.1"},
    SettingsPathCase{"Fifo", Node::Fifo, {}, false, "", nullptr},
    SettingsPathCase{"Folder", Node::Folder, {}, false, "", nullptr},
    SettingsPathCase{"LinkToAFifo", Node::LinkToFifo, {}, false, "", nullptr},
    SettingsPathCase{"ReadOnlyFile", Node::ReadOnlyFile, kOurs, false, "2026-02-08",
                     nullptr},
    SettingsPathCase{"OurFileOnAFullDisk", Node::File, kOurs, false, "2026-02-08",
                     nullptr, true},
    SettingsPathCase{"LinkToOurFileOnAFullDisk", Node::LinkToFile, kOurs, false,
                     "2026-02-08", nullptr, true},
    SettingsPathCase{"DamagedBytesOnAFullDisk", Node::File, kDamaged, false, "",
                     nullptr, true},
    SettingsPathCase{"LeftoverOfAKilledSave", Node::File, kOurs, false, kToday,
                     nullptr, false, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Once the new settings are in place, the kept copy is the only place the
// user's own bytes are left, whatever goes wrong after the rename.
struct AfterTheRenameCase {
    const char* name;
    QFileDevice::Permissions folderMode;
    std::optional<testing::FailingSyscall> failing;
};

class AfterTheRename : public UpdateReminder,
                       public ::testing::WithParamInterface<AfterTheRenameCase> {};

TEST_P(AfterTheRename, AFailedFolderSyncKeepsTheCopyOfTheUsersFile) {
    QTemporaryDir configHome;
    const QString folder = configHome.filePath(QStringLiteral("app_tests"));
    const QString store = folder + QStringLiteral("/app_tests.conf");
    ASSERT_TRUE(QDir().mkdir(folder));
    Plant(store, Node::File, kShoppingList, {});
    // Root may open any folder; the folder's owner, without read permission, may not.
    const passwd* nobody = ::getuid() == 0 ? ::getpwnam("nobody") : nullptr;
    if (nobody != nullptr) {
        for (const QString& path : {configHome.path(), folder, store}) {
            ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid),
                      0);
        }
    }
    ASSERT_TRUE(QFile::setPermissions(folder, GetParam().folderMode));

    const pid_t child = ::fork();
    if (child == 0) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
        const bool ready = (nobody == nullptr || (::setgid(nobody->pw_gid) == 0 &&
                                                  ::setuid(nobody->pw_uid) == 0)) &&
                           (!GetParam().failing || testing::MakeFail(*GetParam().failing));
        if (ready)
            Store(QString::fromLatin1(kToday));
        std::_Exit(ready ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner);
    ASSERT_EQ(status, 0) << "the fault could not be set up";

    Snapshot after;
    Take(folder, after);
    EXPECT_EQ(after, (Snapshot{{store.toStdString(), "file:[Settings]\nDuration=2026-03-10\n"},
                               {(store + QStringLiteral(".unreadable")).toStdString(),
                                "file:" + kShoppingList.toStdString()}}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faults, AfterTheRename, ::testing::Values(
    AfterTheRenameCase{"FolderTheUserMayNotRead", QFileDevice::WriteOwner | QFileDevice::ExeOwner,
                       std::nullopt},
    AfterTheRenameCase{"FolderSyncFails",
                       QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner,
                       testing::FailingSyscall{__NR_fsync, EIO}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace amorist
