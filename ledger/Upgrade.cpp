// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Upgrade.h"
#include "ledger/Database.h"
#include "ledger/FixedEntries.h"
#include "ledger/Schema.h"
#include "ledger/TotalsTable.h"
#include <QFile>
#include <sys/stat.h>

namespace kotsu {

namespace {

int versionOf(Database& db) {
    return int(db.openRecordset(QStringLiteral("Select * From pragma_user_version"))
                   .number(QStringLiteral("user_version")));
}

// The indexes a ledger of this version has. A period's entries in list order with
// everything a list row shows of them are read from 明細_期間 alone: the table, in order
// of entry, would cost a page read per row.
const char* const indexNames = "'明細_期間', '明細_科目_金額', '科目_名前', 'コメント_名前'";
const char* const indexesSql =
    "CREATE INDEX IF NOT EXISTS 明細_期間 ON 明細テーブル(日付, 科目ID, ID, 金額, コメント);"
    "CREATE INDEX IF NOT EXISTS 明細_科目_金額 ON 明細テーブル(科目ID, 金額);"
    "CREATE INDEX IF NOT EXISTS 科目_名前 ON 科目テーブル(科目名前);"
    "CREATE INDEX IF NOT EXISTS コメント_名前 ON コメントテーブル(コメント名前);";

void makeOwnerOnly(const QString& path) {
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &st) == 0 && (st.st_mode & 077) != 0)
        ::chmod(name.constData(), st.st_mode & 0700);
}

bool indexesPresent(Database& db) {
    Recordset rs = db.openRecordset(
        QStringLiteral("Select count(name) as RecCnt From sqlite_master Where type = 'index' "
                       "and name In (%1)")
            .arg(QString::fromUtf8(indexNames)));
    return rs.number(QStringLiteral("reccnt")) == 4;
}

} // namespace

void upgradeSchema(Database& db, int fromVersion) {
    if (fromVersion < 2) {
        createTotalsTable(db);
        // 明細_期間 takes over from the index on (日付, 科目ID), which it contains.
        db.exec(QString::fromUtf8(indexesSql));
        db.exec(QStringLiteral("DROP INDEX IF EXISTS 明細_日付_科目;"));
    }
    if (fromVersion < 3)
        createFixedEntryTables(db);
}

bool upgradeDue(Database& db) {
    const int version = versionOf(db);
    return version < LedgerVersion ||
           (version == LedgerVersion && (!totalsTriggersPresent(db) || !indexesPresent(db)));
}

void upgradeLedger(const QString& path) {
    Database db(path);
    if (!upgradeDue(db))
        return;
    // An earlier version left its ledger as the umask made it; the ledger and the journal
    // SQLite creates beside it with the same mode become the owner's alone.
    if (versionOf(db) < LedgerVersion)
        makeOwnerOnly(path);
    Transaction t(db);
    // Read again under the write lock: another start may have done it meanwhile.
    const int version = versionOf(db);
    if (version > LedgerVersion)
        return;
    if (version < LedgerVersion) {
        upgradeSchema(db, version);
        db.exec(QStringLiteral("PRAGMA user_version=%1").arg(LedgerVersion));
    } else {
        // Put back what another tool may have taken away.
        if (!totalsTriggersPresent(db))
            createTotalsTable(db);
        db.exec(QString::fromUtf8(indexesSql));
    }
    t.commit();
}

} // namespace kotsu
