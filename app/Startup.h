// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/LedgerFileLock.h"
#include "app/LedgerLocation.h"
#include <QLockFile>
#include <memory>

namespace kotsu {

class Form1;

// A started program: its main window and the locks that keep a second start off its
// ledger, by its name and by the file itself. The locks are declared first, so they are
// released only after the window is gone.
struct Started {
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<LedgerFileLock> fileLock;
    std::unique_ptr<Form1> window;
    int exitCode = 0; // why the program ends when there is no window
};

// The start-up order. Each step runs only when the one before it succeeded, and nothing
// touches the ledger's files before the lock is held:
//   1. resolve the ledger path
//   2. check its folder (there, writable) and whether the ledger may be written; one that
//      may not is opened read-only, without a lock, and skips 4 to 6
//   3. take the locks: the lock file, then the ledger file itself
//   4. recover an interrupted take-over of a Windows ledger
//   5. take over a Windows ledger
//   6. make an empty file a new ledger if the user says so, upgrade (or create) the ledger
//   7. open the main window (not yet shown)
Started startUp(const LedgerPlace& place);

} // namespace kotsu
