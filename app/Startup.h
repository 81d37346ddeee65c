// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/LedgerLocation.h"
#include <QLockFile>
#include <memory>

namespace kotsu {

class Form1;

// A started program: its main window and the lock that keeps a second start off its
// ledger. The lock is declared first, so it is released only after the window is gone.
struct Started {
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<Form1> window;
    int exitCode = 0; // why the program ends when there is no window
};

// The start-up order. Each step runs only when the one before it succeeded, and nothing
// touches the ledger's files before the lock is held:
//   1. resolve the ledger path
//   2. take the lock
//   3. recover an interrupted take-over of a Windows ledger
//   4. take over a Windows ledger
//   5. upgrade (or create) the ledger
//   6. open the main window (not yet shown)
Started startUp(const LedgerPlace& place);

} // namespace kotsu
