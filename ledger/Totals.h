// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Grouped totals: one query each where the windows need a figure per category or sign.
// They give exactly what a null-safe sum per category or per sign over the entry view
// gives, without a query per category.
#include <QDate>
#include <QHash>
#include <array>

namespace kotsu {

class Database;

struct SignTotals {
    qint64 income = 0;
    qint64 expense = 0;
};

// Income and expense of all dates, over entries whose category exists: from the running
// totals, whatever the size of the ledger.
SignTotals allTimeTotals(Database& db);

// Sum of each category's entries in the period; categories without entries are absent.
QHash<qint64, qint64> periodTotalsByCategory(Database& db, const QDate& from, const QDate& to);

// Sum of each category's entries per month (index 0 January) of the period, which lies
// within one year; categories without entries are absent.
using MonthTotals = std::array<qint64, 12>;
QHash<qint64, MonthTotals> monthTotalsByCategory(Database& db, const QDate& from, const QDate& to);

} // namespace kotsu
