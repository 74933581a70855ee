// The platform seam as the running program uses it.
#pragma once

#include <functional>
#include <random>

#include "app/platform.h"

namespace amorist {

class QtPlatform final : public Platform {
public:
    // Runs just before the process ends, e.g. to release the instance lock.
    void SetBeforeExit(std::function<void()> beforeExit) { beforeExit_ = std::move(beforeExit); }

    void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
    void OpenWebPage(const QString& address) override;
    QDate Today() override;
    void SeedRandomFromClock() override;
    int RandomBetween(int low, int high) override;
    [[noreturn]] void EndProcess(int status) override;

private:
    std::function<void()> beforeExit_;
    std::mt19937 generator_;
};

}  // namespace amorist
