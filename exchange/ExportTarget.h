// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace kotsu {

// The files that belong to the ledger: the ledger, its journal, lock, backups and the
// kept original of a take-over, and the temporary names they are built under.
QStringList ledgerFiles(const QString& ledgerPath);

// The ledger file an export to target would overwrite, by whatever name it is reached
// (a symbolic link, a hard link, "./"); empty when target is none of them.
QString ledgerFileAt(const QString& target, const QString& ledgerPath);

} // namespace kotsu
