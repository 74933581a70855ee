#include "app/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace amorist::settings {

namespace {

constexpr char kGroup[] = "Settings";
constexpr char kLastUpdateReminderKey[] = "Duration";

QString ExecutableName() {
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("amorist") : name;
}

std::unique_ptr<QSettings> OpenStore() {
    const QString name = ExecutableName();
    auto store =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
    store->beginGroup(QLatin1String(kGroup));
    return store;
}

}  // namespace

QString ReadLastUpdateReminder() {
    // A damaged file still yields whatever part of it could be read.
    return OpenStore()->value(QLatin1String(kLastUpdateReminderKey)).toString();
}

void WriteLastUpdateReminder(const QString& text) {
    const auto store = OpenStore();
    store->setValue(QLatin1String(kLastUpdateReminderKey), text);
    store->sync();
}

QString StoreFilePath() {
    return OpenStore()->fileName();
}

}  // namespace amorist::settings
