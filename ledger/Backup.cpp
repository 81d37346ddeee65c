#include "ledger/Backup.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include <QFile>
#include <sqlite3.h>

namespace kotsu {

QString backupPath(const QString& ledgerPath) {
    return ledgerPath + QStringLiteral(".bak");
}

void backupLedger(const QString& ledgerPath) {
    const QString target = backupPath(ledgerPath);
    const QString temp = target + QStringLiteral(".new");
    QFile::remove(temp);
    {
        Database source(ledgerPath);
        sqlite3* dest = nullptr;
        int rc = sqlite3_open_v2(temp.toUtf8().constData(), &dest,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
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
            throw LedgerError(rc, QStringLiteral("%1 (%2)").arg(why, target));
        }
    }
    QFile::remove(target);
    if (!QFile::rename(temp, target)) {
        QFile::remove(temp);
        throw LedgerError(75, QStringLiteral("バックアップを保存できません。(%1)").arg(target));
    }
}

} // namespace kotsu
