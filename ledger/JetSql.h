// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

// A statement of the old engine's dialect made ready for SQLite.
struct TranslatedSql {
    QString sql;
    QString source; // the table or view after the first From (or the Update target)
};

// Accepts the forms the program composes: text in ' with doubled inner quotes, numbers,
// aggregates with aliases, Order by, one Update, any letter case. Anything else
// (statement separators, comments, brackets, other quotes) is refused.
TranslatedSql translateJetSql(const QString& jet);

} // namespace kotsu
