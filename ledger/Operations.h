// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes shared by registration, the entry editor and the import.
#include <QString>

namespace kotsu {

class Database;

// A comment becomes a phrase once; the empty comment never.
void addPhraseIfNew(Database& db, const QString& comment);

bool categoryExists(Database& db, qint64 id);

void appendEntry(Database& db, const QString& date, qint64 categoryId, qint32 amount,
                 const QString& comment);

// A new entry as the registration and the entry editor write it, its comment a phrase from
// then on. False, and nothing written, when the category is gone.
bool registerEntry(Database& db, const QString& date, qint64 categoryId, qint32 amount,
                   const QString& comment);

} // namespace kotsu
