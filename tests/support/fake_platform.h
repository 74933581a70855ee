// A platform that records what the program asked of the desktop.
#pragma once

#include <QDate>
#include <QString>
#include <deque>
#include <vector>

#include "app/platform.h"

namespace amorist::testing {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    bool operator==(const ShownMessage&) const = default;
};

class FakePlatform final : public Platform {
public:
    void ShowMessage(QWidget*, const QString& text, MessageIcon icon) override {
        messages.push_back({text, icon});
    }
    bool AskYesNo(QWidget*, const QString& text) override {
        questions.push_back(text);
        return answerYes;
    }
    void OpenWebPage(const QString& address) override { opened.push_back(address); }
    QDate Today() override { return today; }
    void SeedRandomFromClock() override { ++seeds; }
    int RandomBetween(int low, int high) override {
        int value = low;
        if (!randomValues.empty()) {
            value = randomValues.front();
            randomValues.pop_front();
        }
        return value < low ? low : (value > high ? high : value);
    }
    void EndProcess(int status) override { endStatuses.push_back(status); }

    // Answers and values the test chooses.
    bool answerYes = false;
    QDate today = QDate(2026, 12, 7);
    std::deque<int> randomValues;

    // What the program did.
    std::vector<ShownMessage> messages;
    std::vector<QString> questions;
    std::vector<QString> opened;
    std::vector<int> endStatuses;
    int seeds = 0;
};

}  // namespace amorist::testing
