#include "app/file_checks.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace amorist::files {

Kind KindOf(const QString& path, struct stat& info) {
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? Kind::Absent : Kind::Unknown;
    if (S_ISREG(info.st_mode))
        return Kind::RegularFile;
    return S_ISLNK(info.st_mode) ? Kind::SymLink : Kind::Other;
}

Kind KindOf(const QString& path) {
    struct stat info {};
    return KindOf(path, info);
}

bool IsPrivateFolder(const QString& path) {
    struct stat info {};
    return KindOf(path, info) == Kind::Other && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool EnsurePrivateFolder(const QString& path) {
    ::mkdir(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), 0700);
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return IsPrivateFolder(path);
}

QString TemporaryFolder() {
    const QString temp = QDir::tempPath();
    return QDir::isAbsolutePath(temp) && QFileInfo(temp).isDir() ? temp : QString();
}

QString HomeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home);
    const passwd* user = ::getpwuid(::geteuid());
    const QString listed = user != nullptr ? QFile::decodeName(user->pw_dir) : QString();
    return QDir::isAbsolutePath(listed) ? QDir::cleanPath(listed) : QString();
}

QString XdgFolder(const char* variable, const QString& fallbackInHome) {
    const QString folder = qEnvironmentVariable(variable);
    if (QDir::isAbsolutePath(folder))
        return QDir::cleanPath(folder);
    const QString home = HomeFolder();
    return home.isEmpty() ? QString() : home + u'/' + fallbackInHome;
}

}  // namespace amorist::files
