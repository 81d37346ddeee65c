// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes shared by registration, the entry editor and the import.
#include <QString>
#include <optional>

namespace kotsu {

class Database;

// A comment becomes a phrase once; the empty comment never.
void addPhraseIfNew(Database& db, const QString& comment);

bool categoryExists(Database& db, qint64 id);

// The ID of the first category of that name.
std::optional<qint64> categoryIdByName(Database& db, const QString& name);

void appendEntry(Database& db, const QString& date, qint64 categoryId, qint32 amount,
                 const QString& comment);

} // namespace kotsu
