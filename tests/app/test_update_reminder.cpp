// The start-up reminder to look for an update, against a fake clock and a
// settings folder of the test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>
#include <ostream>

#include "app/file_checks.h"
#include "app/modHelp.h"
#include "app/settings.h"
#include "tests/support/fake_platform.h"
#include "tests/support/hang_guard.h"

namespace amorist {
namespace {

using testing::FakePlatform;

const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\nDo you want to check for an update?");
const QString kDownloadPage = QStringLiteral("http://amorist.quillmoor.com/download-amorist.html");

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

// What sits at the settings paths before a start, and what the start may do
// to it. Every case: the start goes on, and every byte that was there before
// is still there afterwards, in place or in the kept copy.
struct SettingsPathCase {
    const char* name;
    // Plants things at the store's path (and its neighbours) and in a scratch folder.
    void (*plant)(const QString& store, const QString& scratch);
    const char* storedAfter;  // today's date when it is stored; otherwise nothing changes
    const char* keptCopy;     // the name the original bytes move to, if any
};

const QByteArray kOurs = "[Settings]\nDuration=2026-02-08\n";  // 30 days before today
constexpr char kToday[] = "2026-03-10";
const QByteArray kShoppingList = "My shopping list\nmilk=2\neggs\n\"quoted\n";
const QByteArray kDamaged = QByteArrayLiteral("\xFF\xFE\x00\x01[Settings]\x00=\x7F\\");

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}
void Link(const QString& target, const QString& path) {
    ASSERT_TRUE(QFile::link(target, path));
}
void Fifo(const QString& path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}
void Folder(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(path));
}

// Each entry of a folder: what it is, where a link points, a plain file's bytes.
using Snapshot = std::map<std::string, std::string>;
void Take(const QString& folder, Snapshot& snapshot) {
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = entry.absoluteFilePath();
        std::string& what = snapshot[path.toStdString()];
        switch (files::KindOf(path)) {
            case files::Kind::RegularFile: {
                QFile file(path);
                what =
                    file.open(QIODevice::ReadOnly) ? "file:" + file.readAll().toStdString() : "?";
                break;
            }
            case files::Kind::SymLink:
                what = "link to " + entry.symLinkTarget().toStdString();
                break;
            default:
                what = entry.isDir() ? "folder" : "other";
        }
    }
}

class HostileSettingsPath : public UpdateReminder,
                            public ::testing::WithParamInterface<SettingsPathCase> {};

TEST_P(HostileSettingsPath, StartGoesOnAndNoByteIsLost) {
    const SettingsPathCase& param = GetParam();
    const QString store = settings::StoreFilePath();
    const QString folder = QFileInfo(store).absolutePath();
    QTemporaryDir scratch;
    Folder(folder);
    param.plant(store, scratch.path());
    Snapshot before, after;
    Take(folder, before);
    Take(scratch.path(), before);

    {
        testing::HangGuard guard;
        PromptForUpdate(platform);
    }
    Take(folder, after);
    Take(scratch.path(), after);

    Snapshot expected = before;
    EXPECT_EQ(Stored(), QLatin1String(param.storedAfter));
    if (Iso(today) == QLatin1String(param.storedAfter)) {
        const QString written = QFileInfo(store).canonicalFilePath();
        expected[written.toStdString()] = "file:[Settings]\nDuration=2026-03-10\n";
        if (param.keptCopy != nullptr)
            expected[(folder + u'/' + QLatin1String(param.keptCopy)).toStdString()] =
                before[store.toStdString()];
    }
    EXPECT_EQ(after, expected);
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Plants, HostileSettingsPath,
    ::testing::Values(
        SettingsPathCase{"OurFile",
                         [](const QString& store, const QString&) { Write(store, kOurs); }, kToday,
                         nullptr},
        SettingsPathCase{"LinkToOurFile",
                         [](const QString& store, const QString& scratch) {
                             Write(scratch + "/dotfiles.conf", kOurs);
                             Link(scratch + "/dotfiles.conf", store);
                         },
                         kToday, nullptr},
        SettingsPathCase{"LinkToATextFile",
                         [](const QString& store, const QString& scratch) {
                             Write(scratch + "/list.txt", kShoppingList);
                             Link(scratch + "/list.txt", store);
                         },
                         "", nullptr},
        SettingsPathCase{
            "QuoteBeforeTheGroup",
            [](const QString& store, const QString&) { Write(store, "x=\"abc\n" + kOurs); }, kToday,
            "app_tests.conf.unreadable"},
        SettingsPathCase{"DamagedBytes",
                         [](const QString& store, const QString&) { Write(store, kDamaged); },
                         kToday, "app_tests.conf.unreadable"},
        SettingsPathCase{"DamagedBytesBesideAnEarlierCopy",
                         [](const QString& store, const QString&) {
                             Write(store, kDamaged);
                             Write(store + ".unreadable", kShoppingList);
                         },
                         kToday, "app_tests.conf.unreadable.1"},
        SettingsPathCase{"Fifo", [](const QString& store, const QString&) { Fifo(store); }, "",
                         nullptr},
        SettingsPathCase{"Folder", [](const QString& store, const QString&) { Folder(store); }, "",
                         nullptr},
        SettingsPathCase{"LinkToAFifo",
                         [](const QString& store, const QString& scratch) {
                             Fifo(scratch + "/node");
                             Link(scratch + "/node", store);
                         },
                         "", nullptr},
        SettingsPathCase{"ReadOnlyFile",
                         [](const QString& store, const QString&) {
                             Write(store, kOurs);
                             QFile::setPermissions(store, QFileDevice::ReadOwner);
                         },
                         "2026-02-08", nullptr},
        // Qt's helper lock beside the file is no longer used: nothing there matters.
        SettingsPathCase{"FifoAtTheHelperLock",
                         [](const QString& store, const QString&) {
                             Write(store, kOurs);
                             Fifo(store + ".lock");
                         },
                         kToday, nullptr},
        SettingsPathCase{"FolderAtTheHelperLock",
                         [](const QString& store, const QString&) {
                             Write(store, kOurs);
                             Folder(store + ".lock");
                         },
                         kToday, nullptr},
        SettingsPathCase{"LinkToAFifoAtTheHelperLock",
                         [](const QString& store, const QString& scratch) {
                             Write(store, kOurs);
                             Fifo(scratch + "/node");
                             Link(scratch + "/node", store + ".lock");
                         },
                         kToday, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace amorist
