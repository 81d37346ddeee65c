// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Backup.h"
#include "common/Files.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kotsu {

namespace {

// Created owner-only before SQLite opens it, whatever the umask: a backup holds the
// whole household's accounts.
bool createPrivate(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool ok = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    return ok;
}

void copyLedger(const QString& ledgerPath, const QString& temp) {
    Database source(ledgerPath);
    if (!createPrivate(temp))
        throw LedgerError(75, QStringLiteral("パス名が無効です。(%1)").arg(temp));
    sqlite3* dest = nullptr;
    int rc =
        sqlite3_open_v2(QFile::encodeName(temp).constData(), &dest, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup* b = sqlite3_backup_init(dest, "main", source.handle(), "main");
        if (b) {
            sqlite3_backup_step(b, -1);
            sqlite3_backup_finish(b);
        }
        rc = sqlite3_errcode(dest);
    }
    const QString why = QString::fromUtf8(dest ? sqlite3_errmsg(dest) : sqlite3_errstr(rc));
    sqlite3_close(dest);
    if (rc != SQLITE_OK) {
        QFile::remove(temp);
        throw LedgerError(rc, QStringLiteral("%1 (%2)").arg(why, temp));
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

void backupLedger(const QString& ledgerPath) {
    // Only files this program made are moved; anything else in their place stops us.
    for (int g = 0; g < BackupGenerations; ++g)
        if (!movable(backupPath(ledgerPath, g)))
            throw LedgerError(
                75, QStringLiteral("バックアップの場所にファイル以外のものがあります。(%1)")
                        .arg(backupPath(ledgerPath, g)));
    const QString temp = backupTempPath(ledgerPath);
    QFile::remove(temp);
    copyLedger(ledgerPath, temp);
    QList<int> moved; // generations moved down by one
    bool ok = true;
    for (int g = BackupGenerations - 1; ok && g > 0; --g) {
        if (!QFileInfo::exists(backupPath(ledgerPath, g - 1)))
            continue;
        ok = moveOver(backupPath(ledgerPath, g - 1), backupPath(ledgerPath, g));
        if (ok)
            moved << g;
    }
    if (ok && moveOver(temp, backupPath(ledgerPath)))
        return;
    // Put back what has moved, so the generations stay where they were.
    for (auto g = moved.crbegin(); g != moved.crend(); ++g)
        moveOver(backupPath(ledgerPath, *g), backupPath(ledgerPath, *g - 1));
    QFile::remove(temp);
    throw LedgerError(
        75, QStringLiteral("バックアップを保存できません。(%1)").arg(backupPath(ledgerPath)));
}

} // namespace kotsu
