// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

class Database;

// Deletes every row of the tables, all or nothing. IDs go on growing afterwards.
void resetLedger(Database& db);
// The same in a transaction of its own, the ledger backed up under its write lock first: a
// reset refused or failed leaves the ledger and every backup as they were (BackupFailed
// when the backup could not be made).
void resetLedger(const QString& path);

// The same inside the caller's BulkWrite, which counts the totals when it finishes.
void deleteAllRows(Database& db);

} // namespace kotsu
