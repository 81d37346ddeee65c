// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

class Database;

// What the later versions add to a ledger of fromVersion, inside the caller's transaction.
void upgradeSchema(Database& db, int fromVersion);

// True when upgradeLedger would write: an older ledger, or one without the totals' triggers.
bool upgradeDue(Database& db);

// An older ledger is brought up to LedgerVersion in one transaction, all or nothing; the
// totals' triggers and the indexes are put back if something took them away. A newer
// ledger is left alone.
void upgradeLedger(const QString& path);

} // namespace kotsu
