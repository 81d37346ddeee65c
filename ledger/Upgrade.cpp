// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Upgrade.h"
#include "ledger/Database.h"
#include "ledger/FixedEntries.h"
#include "ledger/Schema.h"
#include "ledger/TotalsTable.h"

namespace kotsu {

namespace {

int versionOf(Database& db) {
    return int(db.openRecordset(QStringLiteral("Select * From pragma_user_version"))
                   .number(QStringLiteral("user_version")));
}

} // namespace

void upgradeSchema(Database& db, int fromVersion) {
    if (fromVersion < 2) {
        createTotalsTable(db);
        // A period's entries in list order with everything a list row shows of them, read
        // from the index alone: the table, in order of entry, would cost a page read per
        // row. It takes over from the index on (日付, 科目ID), which it contains.
        db.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS 明細_期間 ON "
                               "明細テーブル(日付, 科目ID, ID, 金額, コメント);"
                               "DROP INDEX IF EXISTS 明細_日付_科目;"));
    }
    if (fromVersion < 3)
        createFixedEntryTables(db);
}

void upgradeLedger(const QString& path) {
    Database db(path);
    const int before = versionOf(db);
    if (before > LedgerVersion || (before == LedgerVersion && totalsTriggersPresent(db)))
        return;
    Transaction t(db);
    // Read again under the write lock: another start may have done it meanwhile.
    const int version = versionOf(db);
    if (version > LedgerVersion)
        return;
    if (version < LedgerVersion) {
        upgradeSchema(db, version);
        db.exec(QStringLiteral("PRAGMA user_version=%1").arg(LedgerVersion));
    } else if (!totalsTriggersPresent(db)) {
        createTotalsTable(db);
    }
    t.commit();
}

} // namespace kotsu
