#pragma once
#include <QString>

namespace kotsu {

struct ImportOutcome {
    bool ok = false;
    QString reason; // why the file was refused; the ledger is then unchanged
};

// Replaces the ledger's data with an older version's file, all or nothing.
ImportOutcome importOldLedger(const QString& oldFile, const QString& ledgerPath);

} // namespace kotsu
