#include "app/settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <optional>

#include "app/checked_save.h"
#include "app/file_checks.h"
#include "core/control_characters.h"

// The file is read and written here rather than through QSettings: QSettings
// opens the file and its helper lock without looking at what they are (a pipe
// blocks the open for good) and waits on that lock without end, and it merges
// whatever it can parse of a foreign file into what it writes back.
namespace amorist::settings {

namespace {

constexpr char kGroupLine[] = "[Settings]";
constexpr char kKey[] = "Duration";
constexpr char kKeptCopySuffix[] = ".unreadable";
// Our file is a few dozen bytes; anything much longer holds something else.
constexpr qsizetype kMostBytesOfOurs = 4096;
constexpr int kMostKeptCopies = 1000;

QString ExecutableName() {
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("amorist") : name;
}

bool HasControlCharacter(QStringView text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return IsControlCharacter(c.unicode()); });
}

// The stored value when the bytes hold nothing but our one key in our one
// group (blank lines aside); empty text for a file with no key at all.
std::optional<QString> ParseOurs(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    bool inGroup = false;
    QString value;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (line == QLatin1String(kGroupLine)) {
            inGroup = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inGroup || equals < 0 || line.first(equals).trimmed() != QLatin1String(kKey))
            return std::nullopt;
        QStringView stored = line.sliced(equals + 1).trimmed();
        if (stored.size() >= 2 && stored.front() == u'"' && stored.back() == u'"')
            stored = stored.sliced(1, stored.size() - 2);
        // Escapes, quotes running over lines and lists are nothing we write.
        if (stored.contains(u'"') || stored.contains(u'\\') || HasControlCharacter(stored))
            return std::nullopt;
        value = stored.toString();
    }
    return value;
}

enum class Reading { Ours, NotOurs, Unreadable };

// Reads a file already seen to be a plain one; the open cannot block even if
// a pipe took its place meanwhile.
Reading ReadFile(const QString& path, QString& value) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Reading::Unreadable;
    QFile file;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Reading::Unreadable;
    }
    const QByteArray bytes = file.read(kMostBytesOfOurs + 1);
    if (file.error() != QFileDevice::NoError)
        return Reading::Unreadable;
    std::optional<QString> ours;
    if (bytes.size() <= kMostBytesOfOurs)
        ours = ParseOurs(bytes);
    if (!ours)
        return Reading::NotOurs;
    value = *ours;
    return Reading::Ours;
}

// What the store's path holds, and where a fresh date may be written.
struct Store {
    enum class State {
        Absent,    // nothing yet: a first start
        Ours,      // our settings, directly or as a link's target
        Foreign,   // a plain file of the user's that holds something else
        ReadOnly,  // anything else: never written, read only when it is our settings
    };
    State state = State::ReadOnly;
    QString value;      // the stored text when it reads as our settings
    QString writePath;  // the file itself, or the target of a link to it
};

// Written only when the user owns the file and may read and write it,
// whoever runs the program (root included): a read-only file or another
// user's is left alone.
bool IsUsersOwnFile(const struct stat& info) {
    return info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IRUSR | S_IWUSR)) == (S_IRUSR | S_IWUSR);
}

Store Examine(const QString& path) {
    struct stat info {};
    switch (files::KindOf(path, info)) {
        case files::Kind::Absent:
            return {Store::State::Absent, {}, path};
        case files::Kind::RegularFile:
        case files::Kind::SymLink:
            break;
        case files::Kind::Other:
        case files::Kind::Unknown:
            return {};
    }
    const bool link = S_ISLNK(info.st_mode);
    const QString target = link ? QFileInfo(path).canonicalFilePath() : path;
    if (target.isEmpty() || (link && files::KindOf(target, info) != files::Kind::RegularFile))
        return {};
    QString value;
    switch (ReadFile(target, value)) {
        case Reading::Ours:
            return {IsUsersOwnFile(info) ? Store::State::Ours : Store::State::ReadOnly, value,
                    target};
        case Reading::NotOurs:
            // A link to something else is the user's business, not ours to replace.
            if (!link && IsUsersOwnFile(info))
                return {Store::State::Foreign, {}, target};
            break;
        case Reading::Unreadable:
            break;
    }
    return {};
}

// A second name for the file's bytes, never one already in use; the fresh
// file then replaces only the original name.
bool KeepCopy(const QString& path, QString& copy) {
    const QByteArray original = QFile::encodeName(path);
    for (int n = 0; n < kMostKeptCopies; ++n) {
        copy = path + QLatin1String(kKeptCopySuffix);
        if (n > 0)
            copy += QLatin1Char('.') + QString::number(n);
        if (::link(original.constData(), QFile::encodeName(copy).constData()) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// The settings folder and the XDG folder it lives in, never anything above:
// a missing home folder is not ours to create.
bool MakeFolder(const QString& folder) {
    ::mkdir(QFile::encodeName(QFileInfo(folder).absolutePath()).constData(), 0700);
    return QDir().mkdir(folder) || QFileInfo(folder).isDir();
}

bool CanBeStored(const QString& text) {
    return !text.contains(u'"') && !text.contains(u'\\') && !HasControlCharacter(text);
}

QByteArray Contents(const QString& text) {
    // Quotes keep leading and trailing spaces, which reading trims otherwise.
    const QString value = text == text.trimmed() ? text : u'"' + text + u'"';
    return QByteArray(kGroupLine) + '\n' + kKey + '=' + value.toUtf8() + '\n';
}

}  // namespace

QString ReadLastUpdateReminder() {
    const QString path = StoreFilePath();
    return path.isEmpty() ? QString() : Examine(path).value;
}

void WriteLastUpdateReminder(const QString& text) {
    if (!CanBeStored(text))
        return;
    const QString path = StoreFilePath();
    if (path.isEmpty())
        return;  // no home and no settings folder: nothing is kept this run
    const Store store = Examine(path);
    if (store.state == Store::State::ReadOnly)
        return;
    if (store.state == Store::State::Absent && !MakeFolder(QFileInfo(path).absolutePath()))
        return;
    // A file that holds something else keeps its bytes under a second name
    // first; that name goes again only if the file was not replaced, since
    // once it was, the copy is the only place those bytes are left.
    QString keptCopy;
    if (store.state == Store::State::Foreign && !KeepCopy(store.writePath, keptCopy))
        return;
    if (saveFileChecked(store.writePath, Contents(text)) == SaveOutcome::Unchanged &&
        !keptCopy.isEmpty())
        QFile::remove(keptCopy);
}

QString StoreFilePath() {
    const QString folder = files::XdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
    if (folder.isEmpty())
        return {};
    const QString name = ExecutableName();
    return folder + u'/' + name + u'/' + name + QStringLiteral(".conf");
}

}  // namespace amorist::settings
