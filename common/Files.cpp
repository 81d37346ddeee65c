// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Files.h"
#include <QFile>
#include <cstdio>
#include <sys/stat.h>

namespace kotsu {

bool sameFile(const QString& a, const QString& b, Links links) {
    const auto statOf = links == Links::Follow ? ::stat : ::lstat;
    struct stat sa {};
    struct stat sb {};
    return statOf(QFile::encodeName(a).constData(), &sa) == 0 &&
           statOf(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool moveOver(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace kotsu
