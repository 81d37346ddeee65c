// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

// What decides where the ledger lives; main fills it from the outside world, tests by hand.
struct LedgerPlace {
    QString named;         // FILE from the command line, or empty
    QString programFolder; // the executable's folder
    QString dataFolder;    // the per-user data folder (XDG_DATA_HOME/kotsu)
};

// The ledger's absolute path, with symbolic links resolved so that every way of naming
// one ledger meets the same lock: a named file; else kotsu.mdb beside the program where
// it exists or the program is not installed; else kotsu.mdb in the data folder, which is
// created owner-only.
QString resolveLedgerPath(const LedgerPlace& place);

} // namespace kotsu
