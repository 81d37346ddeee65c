// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Schema.h"
#include "common/Files.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/PhraseUse.h"
#include "ledger/Upgrade.h"
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sqlite3.h>

namespace kotsu {

namespace {

const char* const schemaSql = R"SQL(
CREATE TABLE 科目テーブル (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    科目名前 TEXT NOT NULL DEFAULT '',
    収支 TEXT NOT NULL DEFAULT '+',
    予算 INTEGER NOT NULL DEFAULT 0);
CREATE TABLE 明細テーブル (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    日付 TEXT NOT NULL,
    科目ID INTEGER NOT NULL,
    金額 INTEGER NOT NULL DEFAULT 0,
    コメント TEXT NOT NULL DEFAULT '');
CREATE TABLE コメントテーブル (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    コメント名前 TEXT NOT NULL DEFAULT '');
CREATE VIEW 明細クエリ AS
    SELECT m.ID AS ID, m.日付 AS 日付, m.科目ID AS 科目ID, m.金額 AS 金額,
           m.コメント AS コメント, k.科目名前 AS 科目名前, k.収支 AS 収支
    FROM 明細テーブル m JOIN 科目テーブル k ON m.科目ID = k.ID;
CREATE TRIGGER 明細クエリ_削除 INSTEAD OF DELETE ON 明細クエリ
    BEGIN DELETE FROM 明細テーブル WHERE ID = OLD.ID; END;
CREATE INDEX 明細_日付_科目 ON 明細テーブル(日付, 科目ID);
CREATE INDEX 明細_科目_金額 ON 明細テーブル(科目ID, 金額);
CREATE INDEX 科目_名前 ON 科目テーブル(科目名前);
CREATE INDEX コメント_名前 ON コメントテーブル(コメント名前);
)SQL";

} // namespace

void createLedger(const QString& path) {
    // Built under another name and renamed, so no half-made ledger is ever left behind.
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    {
        // A household's money is private: the file exists owner-only before SQLite writes
        // anything, and SQLite gives its journals the same mode.
        QFile blank(temp);
        if (!blank.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
            !blank.setPermissions(QFile::ReadOwner | QFile::WriteOwner)) {
            blank.remove();
            throw LedgerError(75, QStringLiteral("パス名が無効です。(%1)").arg(path));
        }
        blank.close();
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(temp.toUtf8().constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        sqlite3_close(raw);
        if (rc != SQLITE_OK)
            throw LedgerError(
                rc, QStringLiteral("%1 (%2)").arg(QString::fromUtf8(sqlite3_errstr(rc)), path));
        Database db(temp);
        Transaction t(db);
        db.exec(QString::fromUtf8(schemaSql));
        upgradeSchema(db, 1);
        db.exec(QStringLiteral("PRAGMA user_version=%1").arg(LedgerVersion));
        t.commit();
    }
    // Over an empty file the user agreed to make a ledger of; else nothing is there.
    if (!moveOver(temp, path)) {
        QFile::remove(temp);
        throw LedgerError(75, QStringLiteral("パス名が無効です。(%1)").arg(path));
    }
}

namespace {

void checkLedger(const QString& path) {
    Database db(path);
    Recordset v = db.openRecordset(QStringLiteral("Select * From pragma_user_version"));
    const qint64 version = v.number(QStringLiteral("user_version"));
    if (version > LedgerVersion)
        throw LedgerError(
            LedgerError::NewerVersion,
            QStringLiteral("このファイルは新しいバージョンで作成されています。(%1)").arg(path));
    for (const char* name : {"科目テーブル", "明細テーブル", "コメントテーブル", "明細クエリ"}) {
        Recordset rs = db.openRecordset(
            QStringLiteral("Select count(name) as RecCnt From sqlite_master Where name = '%1'")
                .arg(QString::fromUtf8(name)));
        if (rs.number(QStringLiteral("reccnt")) == 0)
            throw LedgerError(
                LedgerError::TableMissing,
                QStringLiteral("テーブル '%1' が見つかりません。").arg(QString::fromUtf8(name)));
    }
}

} // namespace

bool ledgerNeedsUpgrade(const QString& path) {
    checkLedger(path);
    Database db(path);
    return upgradeDue(db);
}

void ensureLedger(const QString& path) {
    if (!QFileInfo::exists(path))
        createLedger(path);
    checkLedger(path);
    upgradeLedger(path);
    Database db(path);
    addCommentIndex(db);
}

} // namespace kotsu
