// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Reset.h"
#include "ledger/Backup.h"
#include "ledger/Database.h"
#include "ledger/FixedEntries.h"
#include "ledger/TotalsTable.h"

namespace kotsu {

void deleteAllRows(Database& db) {
    deleteAllFixedEntries(db);
    // Entries go before categories, so no entry ever points at a deleted category.
    db.exec(QStringLiteral("DELETE FROM コメントテーブル; DELETE FROM 明細テーブル; "
                           "DELETE FROM 科目テーブル;"));
}

void resetLedger(Database& db) {
    BulkWrite bulk(db);
    deleteAllRows(db);
    bulk.finish();
}

void resetLedger(const QString& path) {
    Database db(path);
    // The write lock first: a ledger busy elsewhere is refused before a backup moves.
    Transaction t(db);
    BackupRotation backup(path);
    resetLedger(db);
    t.commit();
    backup.keep();
}

} // namespace kotsu
