// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ledger/EntrySearch.h"
#include <QAbstractTableModel>

namespace kotsu {

// The rows of a comment search in the entry list's columns: 日付, 科目, 収入, 支出, コメント.
// Cells are made when shown, so a long result costs only what is on screen.
class FoundEntriesModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    enum Column { Date, Category, Income, Expense, Comment, Columns };

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setResult(EntrySearchResult result);
    void clear() { setResult({}); }
    const EntrySearchResult& result() const { return result_; }
    const FoundEntry& entry(int row) const { return result_.entries[row]; }
    QString cell(int row, int column) const;

private:
    bool isIncome(const FoundEntry& e) const;

    EntrySearchResult result_;
};

} // namespace kotsu
