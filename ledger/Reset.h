// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

class Database;

// Deletes every row of the tables, all or nothing. IDs go on growing afterwards.
void resetLedger(Database& db);
void resetLedger(const QString& path);

// The same inside the caller's BulkWrite, which counts the totals when it finishes.
void deleteAllRows(Database& db);

} // namespace kotsu
