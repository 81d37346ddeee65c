// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

// An exclusive lock on the ledger file itself, held while the program lives: a second
// program that reaches the same file by another name, a hard link too, meets it.
class LedgerFileLock {
public:
    LedgerFileLock() = default;
    ~LedgerFileLock();
    LedgerFileLock(const LedgerFileLock&) = delete;
    LedgerFileLock& operator=(const LedgerFileLock&) = delete;

    // Locks the file now at path; a missing file is nothing to lock yet. Once a new file
    // took the name (a take-over, a new ledger), the lock moves to it. False only when
    // another program holds the file.
    bool lock(const QString& path);

private:
    int fd_ = -1;
};

} // namespace kotsu
