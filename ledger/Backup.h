// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

// Backups kept beside the ledger: ".bak" the newest, then ".bak.1" to ".bak.4".
constexpr int BackupGenerations = 5;

// The backup of the given age, 0 the newest.
QString backupPath(const QString& ledgerPath, int generation = 0);

// Where a backup is written before it takes its place.
QString backupTempPath(const QString& ledgerPath);

// Where the oldest backup waits while the command that rotated it may still fail.
QString backupSetAsidePath(const QString& ledgerPath);

// Copies the ledger through SQLite's backup interface, so the copy is consistent, and
// readable by its owner only. The older backups move down one place, the oldest dropped,
// only once the new copy is complete, and move back if the new one cannot take its place.
void backupLedger(const QString& ledgerPath);

} // namespace kotsu
