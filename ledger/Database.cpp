// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Database.h"
#include "ledger/JetSql.h"
#include "ledger/LedgerError.h"
#include "ledger/Statement.h"
#include <sqlite3.h>

namespace kotsu {

Database::Database(const QString& path) {
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString why =
            db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db_);
        db_ = nullptr;
        throw LedgerError(rc, why, path);
    }
    sqlite3_busy_timeout(db_, 2000);
    // A power cut mid-action must leave the last committed state.
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

Database::~Database() {
    close();
}

void Database::close() {
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

qint64 Database::lastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

void Database::fail() const {
    throw LedgerError(sqlite3_errcode(db_), QString::fromUtf8(sqlite3_errmsg(db_)));
}

void Database::exec(const QString& sqliteSql) {
    Statement::runScript(*this, sqliteSql);
}

bool Database::tryExec(const QString& sqliteSql) {
    try {
        exec(sqliteSql);
        return true;
    } catch (...) {
        return false;
    }
}

bool Database::inTransaction() const {
    return db_ && !sqlite3_get_autocommit(db_);
}

namespace {

int refuseCommit(void*) {
    return 1; // SQLite turns the commit into a rollback
}

} // namespace

void Database::refuseCommits(bool refuse) {
    sqlite3_commit_hook(db_, refuse ? refuseCommit : nullptr, nullptr);
}

void Database::copyInto(Database& dest) {
    if (sqlite3_backup* b = sqlite3_backup_init(dest.db_, "main", db_, "main")) {
        sqlite3_backup_step(b, -1);
        sqlite3_backup_finish(b);
    }
    if (sqlite3_errcode(dest.db_) != SQLITE_OK)
        dest.fail();
}

Recordset Database::openRecordset(const QString& jetSql) {
    const TranslatedSql t = translateJetSql(jetSql);
    return Recordset(*this, t.sql, t.source);
}

Recordset Database::openTable(const QString& table) {
    return Recordset(*this, QString(), table);
}

void Database::execute(const QString& jetSql) {
    exec(translateJetSql(jetSql).sql);
}

void Database::setProgressCheck(std::function<bool()> keepGoing) {
    progressCheck_ = std::move(keepGoing);
    // A few milliseconds of work between checks.
    sqlite3_progress_handler(db_, progressCheck_ ? 20000 : 0,
                             progressCheck_ ? progressHandler : nullptr, this);
}

int Database::progressHandler(void* self) {
    return static_cast<Database*>(self)->progressCheck_() ? 0 : 1;
}

namespace {
int longWrites = 0;
}

LongWrite::LongWrite() {
    ++longWrites;
}
LongWrite::~LongWrite() {
    --longWrites;
}
bool LongWrite::underway() {
    return longWrites > 0;
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction() {
    if (open_ && db_.isOpen())
        db_.tryExec(QStringLiteral("ROLLBACK"));
}

void Transaction::commit() {
    db_.exec(QStringLiteral("COMMIT"));
    open_ = false;
}

} // namespace kotsu
