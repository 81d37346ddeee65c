// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExportTarget.h"
#include "ledger/Backup.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace kotsu {

namespace {

bool sameFile(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// Where a write to path lands: the end of its chain of links, as the saving follows it.
QString landing(const QString& path) {
    QFileInfo f(path);
    for (int depth = 0; depth < 128 && f.isSymLink(); ++depth)
        f.setFile(f.symLinkTarget());
    return f.filePath();
}

// The file's folder resolved to its real place, and its name.
QString canonicalName(const QString& path) {
    const QFileInfo f(path);
    const QString folder = QDir(f.absolutePath()).canonicalPath();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(f.fileName());
}

} // namespace

QStringList ledgerFiles(const QString& ledgerPath) {
    QStringList files{ledgerPath};
    for (const char* suffix :
         {"-journal", "-wal", "-shm", ".lock", ".new", ".converting", ".converting.new", ".jet"})
        files << ledgerPath + QLatin1String(suffix);
    for (int g = 0; g < BackupGenerations; ++g)
        files << backupPath(ledgerPath, g);
    files << backupTempPath(ledgerPath);
    return files;
}

QString ledgerFileAt(const QString& target, const QString& ledgerPath) {
    const QString lands = canonicalName(landing(target));
    for (const QString& file : ledgerFiles(ledgerPath)) {
        if (sameFile(target, file))
            return file;
        if (!lands.isEmpty() && lands == canonicalName(file))
            return file;
    }
    return QString();
}

} // namespace kotsu
