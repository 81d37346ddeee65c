// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Files.h"
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kotsu {

bool sameFile(const QString& a, const QString& b, Links links) {
    const auto statOf = links == Links::Follow ? ::stat : ::lstat;
    struct stat sa {};
    struct stat sb {};
    return statOf(QFile::encodeName(a).constData(), &sa) == 0 &&
           statOf(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

namespace {

bool systemRename(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

RenameFunction& renameFunction() {
    static RenameFunction f = systemRename;
    return f;
}

} // namespace

void setRenameFunction(RenameFunction rename) {
    renameFunction() = rename ? rename : systemRename;
}

bool syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool moveOver(const QString& from, const QString& to) {
    if (!renameFunction()(from, to))
        return false;
    // Done either way; a folder that cannot be synced (some file systems refuse) leaves the
    // rename as durable as the system makes it.
    syncFolderOf(to);
    return true;
}

} // namespace kotsu
