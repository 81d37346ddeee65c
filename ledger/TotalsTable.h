// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running totals per category (count and sum of 金額) over every entry, kept exact by
// triggers inside the same transactions as the writes, so all-time figures cost
// O(categories) instead of a pass over the ledger.
#include <QStringList>

namespace kotsu {

class Database;

// The table and its triggers, counted from the entries there are. Inside the caller's
// transaction.
void createTotalsTable(Database& db);

// True when all three triggers are in place.
bool totalsTriggersPresent(Database& db);

// For a wipe or a bulk load inside one transaction: the triggers and the entry indexes
// are dropped (with triggers SQLite empties a table row by row, with a million rows some
// forty times slower), and finish() builds the indexes again, counts the totals once and
// puts the triggers back. Until finish() no commit goes through: the connection refuses
// it, and a bulk write given up rolls the transaction back, so the triggers and indexes
// always return.
class BulkWrite {
public:
    explicit BulkWrite(Database& db);
    ~BulkWrite();
    BulkWrite(const BulkWrite&) = delete;
    BulkWrite& operator=(const BulkWrite&) = delete;
    void finish();

private:
    void giveUp();

    Database& db_;
    QStringList entryIndexes_;
    bool finished_ = false;
};

} // namespace kotsu
