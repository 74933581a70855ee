// The one language the whole program speaks, chosen at start-up from the
// languages the user's environment lists.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace amorist {

// Installs the program's translation for the first of languages that has one
// (QLocale::uiLanguages() order, "de-AT" finding "de"; English, which needs
// none, counts as having one; C and POSIX are skipped), Qt's own translation of
// its dialog buttons in that same language where it is installed, and that
// language as the default locale. When none has one, everything stays English,
// Qt's buttons included. Removes what it installed when it goes.
class ProgramLanguage {
public:
    explicit ProgramLanguage(const QStringList& languages);
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage&) = delete;
    ProgramLanguage& operator=(const ProgramLanguage&) = delete;

    // "de", "fr" or "es"; empty for English.
    const QString& code() const { return code_; }

private:
    QTranslator program_;
    QTranslator qt_;
    QString code_;
    QLocale previousDefault_;
};

// Whether the program is showing a translation rather than its English.
bool ShowsTranslation();

}  // namespace amorist
