// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LedgerFileLock.h"
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kotsu {

namespace {

bool sameInode(int a, int b) {
    struct stat sa {};
    struct stat sb {};
    return ::fstat(a, &sa) == 0 && ::fstat(b, &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace

LedgerFileLock::~LedgerFileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool LedgerFileLock::lock(const QString& path) {
    // Read-only suffices for flock, and never creates the file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    if (fd_ >= 0 && sameInode(fd, fd_)) {
        ::close(fd);
        return true;
    }
    // The file's own lock is independent of SQLite's byte-range locks on it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        // A file system without such locks leaves the lock file beside the ledger alone.
        return !held;
    }
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
    return true;
}

} // namespace kotsu
