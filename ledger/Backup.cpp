// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Backup.h"
#include "common/Files.h"
#include "ledger/Database.h"
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kotsu {

namespace {

// Created owner-only before SQLite opens it, whatever the umask: a backup holds the
// whole household's accounts.
void createPrivate(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    const bool ok = fd >= 0 && ::fchmod(fd, 0600) == 0;
    const int why = errno;
    if (fd >= 0)
        ::close(fd);
    if (ok)
        return;
    if (fd >= 0)
        QFile::remove(path);
    if (why == EACCES || why == EPERM || why == EROFS)
        throw BackupFailed(LedgerError::FilePlace,
                           QStringLiteral("バックアップを作るフォルダに書き込む許可がありま"
                                          "せん。(%1)")
                               .arg(QFileInfo(path).absolutePath()));
    throw BackupFailed(LedgerError::FilePlace, QStringLiteral("パス名が無効です。(%1)").arg(path));
}

// Read on a connection of its own: the command's connection, once it writes, cannot be
// the source of a backup.
void copyLedger(const QString& ledgerPath, const QString& temp) {
    Database source(ledgerPath);
    createPrivate(temp);
    try {
        Database dest(temp);
        source.copyInto(dest);
    } catch (const LedgerError& e) {
        QFile::remove(temp);
        throw BackupFailed(e.number(), QStringLiteral("%1 (%2)").arg(e.description(), temp));
    }
}

bool movable(const QString& path) {
    const QFileInfo f(path);
    return !f.exists() || (f.isFile() && !f.isSymLink());
}

} // namespace

QString backupPath(const QString& ledgerPath, int generation) {
    const QString newest = ledgerPath + QStringLiteral(".bak");
    return generation == 0 ? newest : newest + QLatin1Char('.') + QString::number(generation);
}

QString backupTempPath(const QString& ledgerPath) {
    return backupPath(ledgerPath) + QStringLiteral(".new");
}

QString backupSetAsidePath(const QString& ledgerPath) {
    return backupPath(ledgerPath) + QStringLiteral(".old");
}

BackupRotation::BackupRotation(const QString& ledgerPath) : ledgerPath_(ledgerPath) {
    // Only files this program made are moved; anything else in their place stops us.
    for (const QString& path : {backupSetAsidePath(ledgerPath), backupTempPath(ledgerPath)})
        if (!movable(path))
            throw BackupFailed(
                LedgerError::FilePlace,
                QStringLiteral("バックアップの場所にファイル以外のものがあります。(%1)").arg(path));
    for (int g = 0; g < BackupGenerations; ++g) {
        const QString path = backupPath(ledgerPath, g);
        if (!movable(path))
            throw BackupFailed(
                LedgerError::FilePlace,
                QStringLiteral("バックアップの場所にファイル以外のものがあります。(%1)").arg(path));
        existed_[g] = QFileInfo::exists(path);
    }
    const QString temp = backupTempPath(ledgerPath);
    QFile::remove(temp);
    copyLedger(ledgerPath, temp);
    // Oldest first: each generation moves into a place already free.
    int movedDown = 0;
    bool ok = true;
    for (int g = BackupGenerations - 1; ok && g >= 0; --g) {
        if (!existed_[g])
            continue;
        const QString to = g == BackupGenerations - 1 ? backupSetAsidePath(ledgerPath)
                                                      : backupPath(ledgerPath, g + 1);
        ok = moveOver(backupPath(ledgerPath, g), to);
        if (ok)
            movedDown = BackupGenerations - g;
    }
    if (ok && moveOver(temp, backupPath(ledgerPath)))
        return;
    undo(movedDown, false);
    QFile::remove(temp);
    throw BackupFailed(
        LedgerError::FilePlace,
        QStringLiteral("バックアップを保存できません。(%1)").arg(backupPath(ledgerPath)));
}

BackupRotation::~BackupRotation() {
    if (!done_)
        undo(BackupGenerations, true);
}

void BackupRotation::keep() {
    done_ = true;
    if (QFile::remove(backupSetAsidePath(ledgerPath_)))
        syncFolderOf(ledgerPath_);
}

// Puts back the generations from the oldest down to the movedDown-th, youngest last, and
// drops the new copy once it holds the newest place.
void BackupRotation::undo(int movedDown, bool newestPlaced) {
    done_ = true;
    if (newestPlaced && QFile::remove(backupPath(ledgerPath_)))
        syncFolderOf(ledgerPath_);
    for (int g = BackupGenerations - movedDown; g < BackupGenerations; ++g) {
        if (!existed_[g])
            continue;
        const QString at = g == BackupGenerations - 1 ? backupSetAsidePath(ledgerPath_)
                                                      : backupPath(ledgerPath_, g + 1);
        moveOver(at, backupPath(ledgerPath_, g));
    }
}

void backupLedger(const QString& ledgerPath) {
    BackupRotation rotation(ledgerPath);
    rotation.keep();
}

} // namespace kotsu
