// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Database.h"
#include "ledger/JetLike.h"
#include "ledger/JetSql.h"
#include "ledger/LedgerError.h"
#include <cstring>
#include <sqlite3.h>

namespace kotsu {

namespace {

// SQLite calls like(pattern, text) for "text LIKE pattern".
void likeFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const char* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int patternBytes = sqlite3_value_bytes(argv[0]);
    // The list's everyday patterns: "*" for all categories, a plain name for one.
    if (patternBytes == 1 && pattern[0] == '*') {
        sqlite3_result_int(ctx, 1);
        return;
    }
    if (!std::strpbrk(pattern, "*?#[")) {
        const char* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
        const int textBytes = sqlite3_value_bytes(argv[1]);
        sqlite3_result_int(ctx, textBytes == patternBytes &&
                                    std::memcmp(text, pattern, size_t(textBytes)) == 0);
        return;
    }
    auto str = [](sqlite3_value* v) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                 sqlite3_value_bytes(v));
    };
    sqlite3_result_int(ctx, jetLike(str(argv[1]), str(argv[0])) ? 1 : 0);
}

} // namespace

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
    sqlite3_create_function(db_, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            likeFunction, nullptr, nullptr);
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

void Database::fail() const {
    throw LedgerError(sqlite3_errcode(db_), QString::fromUtf8(sqlite3_errmsg(db_)));
}

void Database::exec(const QString& sqliteSql) {
    if (sqlite3_exec(db_, sqliteSql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail();
}

Recordset Database::openRecordset(const QString& jetSql) {
    const TranslatedSql t = translateJetSql(jetSql);
    return Recordset(db_, t.sql, t.source);
}

Recordset Database::openTable(const QString& table) {
    return Recordset(db_, QString(), table);
}

void Database::execute(const QString& jetSql) {
    exec(translateJetSql(jetSql).sql);
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction() {
    if (open_ && db_.handle())
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    db_.exec(QStringLiteral("COMMIT"));
    open_ = false;
}

} // namespace kotsu
