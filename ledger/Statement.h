// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A prepared statement of the layer's own SQL, its values bound, never spliced into it:
// for the reads that step through many rows and keep only numbers.
#include <QString>

struct sqlite3_stmt;

namespace kotsu {

class Database;

class Statement {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, qint64 value);
    void bind(int index, const QString& value);
    // True while there is a row; a failure raises LedgerError.
    bool step();
    // Runs a statement that returns no rows, then readies it for the next values.
    void execute();
    qint64 number(int column) const;
    QString text(int column) const;

private:
    Database& db_;
    sqlite3_stmt* st_ = nullptr;
};

} // namespace kotsu
