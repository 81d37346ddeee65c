// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entries found by their comment over all dates. Only reads; what was typed never reaches
// SQL: the comments are read and matched here.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kotsu {

class Database;

struct FoundEntry {
    qint64 id = 0;
    qint64 categoryId = 0;
    qint64 amount = 0;
    int date = 0;    // index into EntrySearchResult::dates
    int comment = 0; // index into EntrySearchResult::comments
    int dateKey = 0; // YYYYMMDD, for ordering
};

struct FoundCategory {
    QString name;
    QString sign;
};

struct EntrySearchResult {
    // Newest first (date, then ID, descending), at most the limit asked for.
    QList<FoundEntry> entries;
    // Every match, listed or not, and its sums.
    qint64 matched = 0;
    qint64 income = 0;
    qint64 expense = 0;
    QStringList dates;
    QStringList comments;
    QHash<qint64, FoundCategory> categories;
};

// Entries whose comment, folded, holds every one of the folded words, of one category or
// (nullopt) of all; entries without an existing category are not entries of the ledger's view.
EntrySearchResult searchEntries(Database& db, const QStringList& words,
                                std::optional<qint64> categoryId, int limit);

} // namespace kotsu
