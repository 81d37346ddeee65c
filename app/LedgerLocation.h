// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <functional>

namespace kotsu {

// A ledger that may not be written is opened for reading only.
enum class LedgerAccess { ReadWrite, ReadOnly };

// Whether this process may write the file or folder at path.
bool mayWritePath(const QString& path);

// What decides where the ledger lives; main fills it from the outside world, tests by hand.
struct LedgerPlace {
    QString named;         // FILE from the command line, or empty
    QString programFolder; // the executable's folder
    QString dataFolder;    // the per-user data folder (XDG_DATA_HOME/kotsu)
    // Tests replace it: root may write where the file's mode says no.
    std::function<bool(const QString&)> writable = mayWritePath;
};

// The ledger's absolute path, with symbolic links resolved so that every way of naming
// one ledger meets the same lock: a named file; else kotsu.mdb beside the program where
// it exists or the program is not installed; else kotsu.mdb in the data folder, which is
// created owner-only.
QString resolveLedgerPath(const LedgerPlace& place);

} // namespace kotsu
