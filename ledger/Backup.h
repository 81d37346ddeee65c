#pragma once
#include <QString>

namespace kotsu {

// The one backup generation kept beside the ledger.
QString backupPath(const QString& ledgerPath);

// Copies the ledger to its backup through SQLite's backup interface, so the copy is
// consistent; the previous backup is replaced only once the new one is complete.
void backupLedger(const QString& ledgerPath);

} // namespace kotsu
