// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way SQL reaches the ledger file: a prepared statement whose binds and steps are
// checked, every failure a LedgerError. Values are bound, never spliced into its text.
#include <QString>
#include <QVariant>
#include <string_view>

struct sqlite3_stmt;

namespace kotsu {

class Database;

class Statement {
public:
    Statement(Database& db, const char* sql); // UTF-8
    Statement(Database& db, const QString& sql);
    Statement(Statement&& other) noexcept;
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;

    void bind(int index, qint64 value);
    void bind(int index, const QString& value);
    // True while there is a row.
    bool step();
    // Runs it to its end and readies it for the next values: how many rows it and the
    // triggers it set off changed.
    qint64 execute();
    // Readies it for the next values when not every row was read.
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    qint64 number(int column) const;
    QString text(int column) const;
    // The stored text without a copy, valid until the next step.
    std::string_view bytes(int column) const;
    // A number, a real, a text or null, as stored.
    QVariant value(int column) const;

    // Each statement of a script in turn (the schema, its triggers).
    static void runScript(Database& db, const QString& script);

private:
    Statement(Database& db, const char* sql, int bytes, const char** tail);

    Database* db_;
    sqlite3_stmt* st_ = nullptr;
};

} // namespace kotsu
