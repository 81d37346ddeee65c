// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ledger/Recordset.h"
#include <QString>

struct sqlite3;

namespace kotsu {

// One open ledger file, closed when it goes out of scope: each action opens its own.
class Database {
public:
    explicit Database(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // A dynaset over the rows of a statement of the old dialect.
    Recordset openRecordset(const QString& jetSql);
    // A table opened by name, for appending rows.
    Recordset openTable(const QString& table);
    // A statement that is not a query (the bulk update).
    void execute(const QString& jetSql);
    // Plain SQLite statements of the layer itself (schema, pragmas, wipes).
    void exec(const QString& sqliteSql);
    void close();
    // The ID the last insert on this connection was given.
    qint64 lastInsertId() const;

    sqlite3* handle() const { return db_; }
    [[noreturn]] void fail() const;

private:
    friend class Statement;
    sqlite3* db_ = nullptr;
};

// All or nothing: rolled back unless committed before it goes out of scope.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool open_ = true;
};

} // namespace kotsu
