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
// puts the triggers back. Without finish() the transaction must not be committed; rolled
// back, all of them return with it.
class BulkWrite {
public:
    explicit BulkWrite(Database& db);
    void finish();

private:
    Database& db_;
    QStringList entryIndexes_;
};

} // namespace kotsu
