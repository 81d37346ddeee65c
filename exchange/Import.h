// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exchange/JetReader.h"
#include <QString>
#include <optional>

namespace kotsu {

class Database;
class Progress;

struct ImportOutcome {
    enum class Refusal { None, File, Backup, Ledger, Cancelled };
    bool ok = false;
    // File: the chosen file; Backup: no backup, nothing written; Ledger: the ledger not
    // written. Whatever the refusal, the ledger and its backups are as they were.
    Refusal refusal = Refusal::None;
    QString reason;     // why
    int categories = 0; // taken in, once done
    int entries = 0;
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
void writeImport(Database& db, const OldLedger& old, Progress* progress = nullptr);

// Reads and checks the whole old file; the ledger is not touched.
ImportOutcome readOldLedger(const QString& oldFile, OldLedger& out, Progress* progress = nullptr);

// Wipes the ledger and writes the old data in one transaction, all or nothing, after a
// backup taken under its write lock. The user may cancel until the commit begins.
ImportOutcome writeOldLedger(const QString& ledgerPath, const OldLedger& old,
                             Progress* progress = nullptr);

// Both in turn.
ImportOutcome importOldLedger(const QString& oldFile, const QString& ledgerPath,
                              Progress* progress = nullptr);

} // namespace kotsu
