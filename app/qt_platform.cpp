#include "app/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace amorist {

void QtPlatform::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPlatform::AskYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::OpenWebPage(const QString& address) {
    // The address is already in its final form; TolerantMode would rewrite it.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

QDate QtPlatform::Today() {
    return QDate::currentDate();
}

void QtPlatform::SeedRandomFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(ticks));
}

int QtPlatform::RandomBetween(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(generator_);
}

void QtPlatform::EndProcess(int status) {
    if (beforeExit_)
        beforeExit_();
    std::fflush(nullptr);
    // Windows are already closed; nothing left to unwind is worth the risk of
    // running global destructors while the application object still lives.
    std::_Exit(status);
}

}  // namespace amorist
