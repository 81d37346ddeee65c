// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The comment phrases in the order a quick fill offers them, with what their latest entry
// booked.
#include <QList>
#include <QString>

namespace kotsu {

class Database;

struct PhraseUse {
    QString phrase;
    bool used = false; // an entry holds exactly this comment
    qint64 categoryId = 0;
    qint64 amount = 0;
};

// The entries' comment index: made at start-up, outside the ledger's version, so a ledger
// without it (an older build's, a read-only one) stays valid.
void addCommentIndex(Database& db);

// Latest used first (that entry's date, then its ID), then the unused, newest phrase first.
// Without the comment index nothing is read from the entries: every phrase counts as unused.
QList<PhraseUse> phrasesByLatestUse(Database& db);

} // namespace kotsu
