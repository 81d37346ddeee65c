#pragma once
// The entry list of a period, read as the grid needs it: first which entries and what
// they add up to, from the index alone; then the texts of the few rows on screen.
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace kotsu {

class Database;

// The entries of a period whose category exists (optionally of one category only), in
// list order: date, category ID, entry ID.
struct PeriodEntries {
    QList<qint64> ids;
    QList<qint64> categoryIds;
    qint64 income = 0;
    qint64 expense = 0;
    // Extremes of the income column [0] and the expense column [1]; a row's other amount
    // cell reads "0", so both start there.
    qint64 lowest[2] = {0, 0};
    qint64 highest[2] = {0, 0};
};

PeriodEntries listPeriod(Database& db, const QDate& from, const QDate& to,
                         std::optional<qint64> categoryId = std::nullopt);

// What a list row shows of one entry.
struct EntryTexts {
    qint64 id = 0;
    QString date;
    QString category;
    QString sign;
    qint64 amount = 0;
    QString comment;
};

// The entries with these IDs with their categories, in the order given. An entry or
// category that is gone raises LedgerError: a list row is never silently empty.
QList<EntryTexts> readEntries(Database& db, const QList<qint64>& ids);

} // namespace kotsu
