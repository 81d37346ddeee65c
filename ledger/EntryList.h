// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry list of a period, read as the grid needs it: first which entries and what
// they add up to, from the index alone; then the texts of the rows on screen.
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace kotsu {

class Database;

// What a list row shows of one entry.
struct EntryTexts {
    qint64 id = 0;
    QString date;
    QString category;
    QString sign;
    qint64 amount = 0;
    QString comment;
};

// The entries of a period whose category exists (optionally of one category only), in
// list order: date, category ID, entry ID.
class PeriodList {
public:
    PeriodList() = default;
    PeriodList(Database& db, const QDate& from, const QDate& to,
               std::optional<qint64> categoryId = std::nullopt);

    int count() const { return int(ids_.size()); }
    qint64 id(int index) const { return ids_[index]; }
    qint64 categoryId(int index) const { return categoryIds_[index]; }

    qint64 income() const { return income_; }
    qint64 expense() const { return expense_; }
    // Extremes of the income column (0) and the expense column (1); a row's other amount
    // cell reads "0", so both start there.
    qint64 lowest(int column) const { return lowest_[column]; }
    qint64 highest(int column) const { return highest_[column]; }

    // The texts of entries first .. first + n - 1, exactly these entries: one that is gone
    // comes back as nothing, never as another entry.
    QList<std::optional<EntryTexts>> texts(Database& db, int first, int n) const;

private:
    QDate to_;
    std::optional<qint64> categoryId_;
    QList<qint64> ids_;
    QList<qint64> categoryIds_;
    // Each entry's date as yyyymmdd, where a run of rows starts reading; 0 when its date
    // is not in the usual form.
    QList<qint32> days_;
    qint64 income_ = 0;
    qint64 expense_ = 0;
    qint64 lowest_[2] = {0, 0};
    qint64 highest_[2] = {0, 0};
};

} // namespace kotsu
