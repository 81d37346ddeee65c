// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

class Progress;

struct LedgerConversion {
    bool ok = false;
    bool cancelled = false;  // by the user
    bool notWritten = false; // the Jet file was read, the new ledger could not be written
    bool foreign = false;    // a Jet file without our tables: not a ledger of this program
    QString reason;          // why the Jet ledger was left as it was
    QString originalNow;     // where the Jet file is kept
};

// Turns the Windows program's own ledger into ours: same rows, same IDs. Once the new
// ledger is complete and verified, the Jet file is kept under a second name and the new
// ledger renamed over it in one step, so there is never a moment without a ledger.
LedgerConversion convertJetLedger(const QString& path, Progress* progress = nullptr);

// What a take-over cut short (a crash, a power cut) left behind is cleared away, and the
// Jet file put back if an earlier version had moved it, so that the take-over starts again.
void recoverInterruptedTakeOver(const QString& path);

enum class TakeOver { NotJet, Converted, Refused };

// At start-up: recovers an interrupted take-over, converts a Jet ledger and tells the user
// where the original is kept, or says why it cannot be used (the program then ends, the
// file untouched).
TakeOver takeOverJetLedger(const QString& path);

} // namespace kotsu
