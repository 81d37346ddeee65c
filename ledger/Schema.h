// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

constexpr int LedgerVersion = 3;

// Makes sure the file at path is a ledger this program can use. A missing file is created
// complete or not at all; anything else that is wrong raises LedgerError and leaves the
// file as it was. An older ledger is upgraded in one transaction.
void ensureLedger(const QString& path);

// The checks of ensureLedger without writing anything, for a ledger that may only be read:
// LedgerError as ensureLedger raises it; true when the ledger would need an upgrade.
bool ledgerNeedsUpgrade(const QString& path);

// Creates an empty ledger at path, complete or not at all.
void createLedger(const QString& path);

} // namespace kotsu
