// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/TotalsTable.h"
#include "ledger/Database.h"

namespace kotsu {

namespace {

// An entry leaves its category's row and joins its new one; a row that counts nothing
// goes, so the table is always exactly what a grouped count of the entries gives.
const char* const triggersSql = R"SQL(
CREATE TRIGGER 科目集計_追加 AFTER INSERT ON 明細テーブル BEGIN
    INSERT INTO 科目集計テーブル(科目ID, 件数, 合計金額) VALUES (NEW.科目ID, 1, NEW.金額)
        ON CONFLICT(科目ID) DO UPDATE SET 件数 = 件数 + 1, 合計金額 = 合計金額 + NEW.金額;
END;
CREATE TRIGGER 科目集計_削除 AFTER DELETE ON 明細テーブル BEGIN
    UPDATE 科目集計テーブル SET 件数 = 件数 - 1, 合計金額 = 合計金額 - OLD.金額
        WHERE 科目ID = OLD.科目ID;
    DELETE FROM 科目集計テーブル WHERE 科目ID = OLD.科目ID AND 件数 = 0;
END;
CREATE TRIGGER 科目集計_変更 AFTER UPDATE OF 科目ID, 金額 ON 明細テーブル BEGIN
    UPDATE 科目集計テーブル SET 件数 = 件数 - 1, 合計金額 = 合計金額 - OLD.金額
        WHERE 科目ID = OLD.科目ID;
    DELETE FROM 科目集計テーブル WHERE 科目ID = OLD.科目ID AND 件数 = 0;
    INSERT INTO 科目集計テーブル(科目ID, 件数, 合計金額) VALUES (NEW.科目ID, 1, NEW.金額)
        ON CONFLICT(科目ID) DO UPDATE SET 件数 = 件数 + 1, 合計金額 = 合計金額 + NEW.金額;
END;
)SQL";

const char* const dropTriggersSql = "DROP TRIGGER IF EXISTS 科目集計_追加; "
                                    "DROP TRIGGER IF EXISTS 科目集計_削除; "
                                    "DROP TRIGGER IF EXISTS 科目集計_変更;";

const char* const recountSql =
    "DELETE FROM 科目集計テーブル; "
    "INSERT INTO 科目集計テーブル(科目ID, 件数, 合計金額) "
    "SELECT 科目ID, count(*), sum(金額) FROM 明細テーブル GROUP BY 科目ID;";

} // namespace

void createTotalsTable(Database& db) {
    db.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS 科目集計テーブル ("
                           "科目ID INTEGER PRIMARY KEY, "
                           "件数 INTEGER NOT NULL, "
                           "合計金額 INTEGER NOT NULL);"));
    db.exec(QString::fromUtf8(dropTriggersSql));
    db.exec(QString::fromUtf8(recountSql));
    db.exec(QString::fromUtf8(triggersSql));
}

bool totalsTriggersPresent(Database& db) {
    Recordset rs = db.openRecordset(
        QStringLiteral("Select count(name) as RecCnt From sqlite_master Where type = 'trigger' and "
                       "name In ('科目集計_追加', '科目集計_削除', '科目集計_変更')"));
    return rs.number(QStringLiteral("reccnt")) == 3;
}

BulkWrite::BulkWrite(Database& db) : db_(db) {
    // Set before the first drop, so not even a statement outside a transaction commits.
    db_.refuseCommits(true);
    try {
        db_.exec(QString::fromUtf8(dropTriggersSql));
        // The entry indexes go too and are built again at the end: one sorted build costs a
        // fraction of what a hundred thousand rows inserted into them one by one cost.
        Recordset rs = db_.openRecordset(
            QStringLiteral("Select name, sql From sqlite_master Where type = 'index' and "
                           "tbl_name = '明細テーブル' and sql Is Not Null"));
        for (; !rs.atEnd(); rs.moveNext()) {
            entryIndexes_ << rs.text(QStringLiteral("sql"));
            db_.exec(QStringLiteral("DROP INDEX \"%1\"").arg(rs.text(QStringLiteral("name"))));
        }
    } catch (...) {
        giveUp();
        throw;
    }
}

BulkWrite::~BulkWrite() {
    if (!finished_)
        giveUp();
}

void BulkWrite::giveUp() {
    if (!db_.isOpen())
        return;
    if (db_.inTransaction())
        db_.tryExec(QStringLiteral("ROLLBACK"));
    db_.refuseCommits(false);
}

void BulkWrite::finish() {
    for (const QString& sql : entryIndexes_)
        db_.exec(sql);
    db_.exec(QString::fromUtf8(recountSql));
    db_.exec(QString::fromUtf8(triggersSql));
    db_.refuseCommits(false);
    finished_ = true;
}

} // namespace kotsu
