#pragma once
#include <QString>

namespace kotsu {

// True when the file at path is a Jet (Access) database rather than our own ledger.
bool isJetFile(const QString& path);

struct LedgerConversion {
    bool ok = false;
    QString reason;      // why the Jet ledger was left as it was
    QString originalNow; // where the Jet file was moved
};

// Turns the Windows program's own ledger into ours: same rows, same IDs. The Jet file is
// moved aside only once the new ledger is complete and verified; nothing is deleted.
LedgerConversion convertJetLedger(const QString& path);

enum class TakeOver { NotJet, Converted, Refused };

// At start-up: converts a Jet ledger and tells the user where the original went, or
// says why it cannot be used (the program then ends, the file untouched).
TakeOver takeOverJetLedger(const QString& path);

} // namespace kotsu
