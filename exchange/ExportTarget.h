// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace kotsu {

// The files that belong to the ledger: the ledger, its journal, lock, backups and the
// kept originals of take-overs, and the temporary names they are built under with their
// journals.
QStringList ledgerFiles(const QString& ledgerPath);

// The ledger file an export to target would overwrite, by whatever name it is reached
// (a symbolic link, a hard link, "./"); empty when target is none of them.
QString ledgerFileAt(const QString& target, const QString& ledgerPath);

// Why an export must not write to target: one of the ledger's files, or something that
// is not a plain file (a pipe, a device, a folder). Nothing when it may.
std::optional<QString> exportRefusal(const QString& target, const QString& ledgerPath);

} // namespace kotsu
