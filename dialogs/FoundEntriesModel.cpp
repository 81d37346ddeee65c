// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/FoundEntriesModel.h"
#include "common/values.h"
#include "ui/ListColumns.h"

namespace kotsu {

int FoundEntriesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(result_.entries.size());
}

int FoundEntriesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

bool FoundEntriesModel::isIncome(const FoundEntry& e) const {
    return result_.categories.value(e.categoryId).sign == QLatin1String("+");
}

QString FoundEntriesModel::cell(int row, int column) const {
    const FoundEntry& e = result_.entries[row];
    // As in the entry list: the amount in its direction's column, "0" in the other.
    switch (column) {
    case Date:
        return result_.dates[e.date];
    case Category:
        return result_.categories.value(e.categoryId).name;
    case Income:
        return isIncome(e) ? formatAmount(e.amount) : QStringLiteral("0");
    case Expense:
        return isIncome(e) ? QStringLiteral("0") : formatAmount(e.amount);
    case Comment:
        return result_.comments[e.comment];
    default:
        return {};
    }
}

QVariant FoundEntriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(index.column() == Income || index.column() == Expense
                       ? Qt::AlignRight | Qt::AlignVCenter
                       : Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant FoundEntriesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    // The entry list's titles, without its row number.
    return section >= 0 && section < Columns ? entryListTitle(section + 1) : QString();
}

void FoundEntriesModel::setResult(EntrySearchResult result) {
    beginResetModel();
    result_ = std::move(result);
    endResetModel();
}

} // namespace kotsu
