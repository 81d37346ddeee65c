#pragma once
#include "exchange/JetReader.h"
#include <QString>
#include <optional>

namespace kotsu {

class Database;

struct ImportOutcome {
    bool ok = false;
    QString reason; // why the file was refused; the ledger is then unchanged
};

// The older version's data, read and checked whole before anything is deleted.
struct OldLedger {
    struct Category {
        QString name, sign;
    };
    struct Entry {
        QString date, category, income, expense, remark;
    };
    QList<Category> categories;
    QList<Entry> entries;
};

// Checks the tables the older version wrote; a reason when they cannot be imported.
std::optional<QString> checkOldLedger(const JetReadResult& read, OldLedger& out);

// Replaces every row of the ledger with the old data, inside the caller's transaction.
void writeImport(Database& db, const OldLedger& old);

// Reads, checks, then wipes and writes in one transaction: all or nothing.
ImportOutcome importOldLedger(const QString& oldFile, const QString& ledgerPath);

} // namespace kotsu
