// The start-up reminder to look for an update, against a fake clock and a
// settings folder of the test's own.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <ostream>

#include "app/modHelp.h"
#include "app/settings.h"
#include "tests/support/fake_platform.h"

namespace amorist {
namespace {

using testing::FakePlatform;

const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\nDo you want to check for an update?");
const QString kDownloadPage = QStringLiteral("https://amorist.quillmoor.com/download-amorist.html");

class UpdateReminder : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(settings::StoreFilePath());
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

}  // namespace
}  // namespace amorist
