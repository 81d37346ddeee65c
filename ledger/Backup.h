// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ledger/LedgerError.h"
#include <QString>

namespace kotsu {

// Backups kept beside the ledger: ".bak" the newest, then ".bak.1" to ".bak.4".
constexpr int BackupGenerations = 5;

// The backup of the given age, 0 the newest.
QString backupPath(const QString& ledgerPath, int generation = 0);

// Where a backup is written before it takes its place.
QString backupTempPath(const QString& ledgerPath);

// Where the oldest backup waits while the command that rotated it may still fail.
QString backupSetAsidePath(const QString& ledgerPath);

// The backup could not be made; nothing was written and the older backups are as they were.
class BackupFailed : public LedgerError {
public:
    using LedgerError::LedgerError;
};

// The backup of a command that rewrites the whole ledger, taken once that command holds
// its write lock, so that it holds exactly what the command replaces. The copy is made
// through SQLite's backup interface, readable by its owner only; then the older
// backups move down one place. Until keep() the oldest is only set aside: a command that
// fails, is refused or is cancelled lets the rotation undo itself, and the backups are
// byte for byte what they were. Raises BackupFailed, with nothing moved.
class BackupRotation {
public:
    explicit BackupRotation(const QString& ledgerPath);
    ~BackupRotation();
    BackupRotation(const BackupRotation&) = delete;
    BackupRotation& operator=(const BackupRotation&) = delete;

    // The command committed: the oldest backup goes for good.
    void keep();

private:
    void undo(int movedDown, bool newestPlaced);

    QString ledgerPath_;
    bool existed_[BackupGenerations] = {};
    bool done_ = false;
};

// A backup made and kept at once, outside any command.
void backupLedger(const QString& ledgerPath);

} // namespace kotsu
