// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixed monthly entries: set once, proposed every month they fall due, booked as ordinary
// entries. Each month of a fixed entry is booked or skipped at most once: the record of it
// is keyed by the fixed entry and the month alone.
#include <QDate>
#include <QList>
#include <QString>
#include <utility>

namespace kotsu {

class Database;

// Where a date on a Saturday or Sunday goes; holidays stay where they fall.
enum class WeekendRule { Keep = 0, Before = 1, After = 2 };

// The day of a fixed entry that stands for each month's last day.
constexpr int MonthEnd = 32;

// The date of that month's occurrence: a day past the month's end is its last day, then a
// weekend moves to the Friday before or the Monday after, across the month end if need be.
QDate occurrenceDate(int year, int month, int day, WeekendRule rule);

struct FixedEntry {
    qint64 id = 0;
    qint64 categoryId = 0;
    qint32 amount = 0;
    QString comment;
    int day = 1; // 1–31 or MonthEnd
    WeekendRule weekend = WeekendRule::Keep;
    QDate start; // first day of the first month
    QDate end;   // first day of the last month; invalid when there is none
    // Shown only: the category's name and sign as they are now.
    QString category;
    QString sign;
};

// The months of a fixed entry due by today, oldest first, whether recorded or not: from its
// start to its end or to the month whose occurrence is the last one on or before today.
QList<QDate> dueMonths(const FixedEntry& f, const QDate& today);

// One month of a fixed entry, due and neither booked nor skipped.
struct DueOccurrence {
    FixedEntry fixed;
    QDate month; // its first day
    QDate date;  // the entry's date
};

// "YYYY/MM", as months are stored.
QString monthText(const QDate& month);

// Every category by ID, as the editor offers them: its ID and name.
QList<std::pair<qint64, QString>> categoryChoices(Database& db);

// The tables, inside the caller's transaction.
void createFixedEntryTables(Database& db);

// Every fixed entry whose category exists, by day of month.
QList<FixedEntry> fixedEntries(Database& db);
qint64 addFixedEntry(Database& db, const FixedEntry& f);
void updateFixedEntry(Database& db, const FixedEntry& f);
// The fixed entry with the record of its months.
void deleteFixedEntry(Database& db, qint64 id);

qint64 fixedEntryCountOf(Database& db, qint64 categoryId);
void deleteFixedEntriesOf(Database& db, qint64 categoryId);
void moveFixedEntries(Database& db, qint64 fromCategory, qint64 toCategory);
void deleteAllFixedEntries(Database& db);

// What is due by today and not yet booked or skipped, by date.
QList<DueOccurrence> dueOccurrences(Database& db, const QDate& today);

// Books the occurrence as a registration would, with this amount, or records it as skipped.
// Either raises LedgerError when that month was booked or skipped already; inside the
// caller's transaction.
void bookOccurrence(Database& db, const DueOccurrence& o, qint32 amount);
void skipOccurrence(Database& db, const DueOccurrence& o);

} // namespace kotsu
