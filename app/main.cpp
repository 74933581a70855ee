// Amorist: a romantic compatibility reading for two people from their dates
// of birth. The program takes no arguments.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>

#include "app/file_checks.h"
#include "app/program_icon.h"
#include "app/qt_platform.h"
#include "app/session.h"
#include "app/single_instance.h"
#include "translations/program_language.h"
#include "ui/frmStartup.h"
#include "ui/windows.h"

int main(int argc, char** argv) {
    // The XDG rules ignore a relative folder, which would depend on the folder
    // the program starts in; unset, Qt ignores it as well.
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        if (!QDir::isAbsolutePath(qEnvironmentVariable(variable)))
            qunsetenv(variable);
    }
    // Looked for as the user left them: a temporary folder that does not
    // exist moves the lock to the next place, whatever Qt is given below.
    const auto lockFolders = amorist::SingleInstanceLock::UsersFolders();
    // Without a runtime folder Qt makes one in its temporary folder, and with
    // TMPDIR naming no folder that would be /runtime-<user> at the root.
    if (amorist::files::TemporaryFolder().isEmpty())
        qputenv("TMPDIR", "/tmp");
    QApplication app(argc, argv);
    // The run ends only through EndProgram; closing the update question
    // before the main window exists, or the last visible window, must not.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("amorist"));
    // Wayland docks find the launcher, its icon and name, by this app_id.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quillmoor.Amorist"));
    QApplication::setWindowIcon(amorist::ProgramIcon());
    // Before any window or message exists, so that all of them speak it.
    const amorist::ProgramLanguage language(QLocale::system().uiLanguages());

    amorist::SingleInstanceLock lock(lockFolders);
    amorist::QtPlatform platform;
    platform.SetBeforeExit([&lock] { lock.Release(); });
    amorist::Session session(platform);
    session.setLanguage(language.code());
    amorist::Windows windows(session);

    // From inside the event loop, so that ending the run during start-up
    // (a second copy) goes through the same path as every other end.
    QTimer::singleShot(0, &app, [&] {
        windows.Startup().Form_Load([&lock] {
            return lock.TryAcquire() == amorist::SingleInstanceLock::Outcome::AnotherRunning;
        });
    });
    return QApplication::exec();
}
