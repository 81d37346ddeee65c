// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ledger/Recordset.h"
#include <QString>
#include <functional>

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
    // As exec, for the ends of scopes that may not throw: whether it ran.
    bool tryExec(const QString& sqliteSql);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    bool inTransaction() const;
    // While set, every commit on this connection becomes a rollback.
    void refuseCommits(bool refuse);
    // The whole ledger written over the ledger open in dest.
    void copyInto(Database& dest);
    // The ID the last insert on this connection was given.
    qint64 lastInsertId() const;

    // While set, asked every so often during a long statement; false interrupts it.
    void setProgressCheck(std::function<bool()> keepGoing);

    [[noreturn]] void fail() const;

private:
    // SQLite's own interfaces beyond statements (sessions, changesets) stay in the layer.
    friend class Statement;
    friend class UndoHistory;
    friend class StepRecorder;
    sqlite3* handle() const { return db_; }
    static int progressHandler(void* self);

    sqlite3* db_ = nullptr;
    std::function<bool()> progressCheck_;
};

// Marks a write of this program whose transaction stays open while events are processed
// (behind a progress dialog): whatever paints meanwhile reads nothing of the ledger, or it
// would wait on that very write.
class LongWrite {
public:
    LongWrite();
    ~LongWrite();
    LongWrite(const LongWrite&) = delete;
    LongWrite& operator=(const LongWrite&) = delete;
    static bool underway();
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
