// The one seam between the windows and the desktop: message boxes, the
// browser, the clock, random numbers and ending the process. The program uses
// QtPlatform; tests use a recording fake so nothing modal, no browser and no
// exit ever reaches the test runner.
#pragma once

#include <QDate>
#include <QString>

class QWidget;

namespace amorist {

inline constexpr char kApplicationTitle[] = "Amorist";
inline constexpr char kWindowCaption[] = "Amorist v1.0";

enum class MessageIcon { Information, Critical };

class Platform {
public:
    virtual ~Platform() = default;

    // A modal box titled "Amorist" with a single OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A modal Yes/No question titled "Amorist" with the information icon.
    // True when the answer is Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
    // Hands the address to the desktop; never reports a failure.
    virtual void OpenWebPage(const QString& address) = 0;
    virtual QDate Today() = 0;
    virtual void SeedRandomFromClock() = 0;
    // A whole number from low to high inclusive, each equally likely.
    virtual int RandomBetween(int low, int high) = 0;
    // Ends the process with the given status. The real one never returns.
    virtual void EndProcess(int status) = 0;
};

}  // namespace amorist
