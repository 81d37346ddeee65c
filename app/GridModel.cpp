#include "app/GridModel.h"

namespace kotsu {

GridModel::GridModel(int cols, QObject* parent) : QAbstractTableModel(parent), cols_(cols) {
    cells_.append(QStringList(QList<QString>(cols)));
    keys_.append({0, 0});
    alignment_ = QList<Qt::Alignment>(cols, Qt::AlignLeft | Qt::AlignVCenter);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : qMax(0, rows() - 1);
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() + 1 >= rows() || index.column() >= cols_)
        return {};
    if (role == Qt::DisplayRole)
        return cells_[index.row() + 1][index.column()];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment_[index.column()]);
    // Names and comments may be cut short in their column; the whole text is a hover away.
    if (role == Qt::ToolTipRole && (alignment_[index.column()] & Qt::AlignLeft))
        return cells_[index.row() + 1][index.column()];
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < cols_)
        return cells_[0][section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

void GridModel::setRows(int rows) {
    rows = qMax(1, rows);
    if (rows == this->rows())
        return;
    if (!frozen_)
        beginResetModel();
    cells_.resize(rows, QStringList(QList<QString>(cols_)));
    keys_.resize(rows, {0, 0});
    if (!frozen_)
        endResetModel();
}

QString GridModel::cell(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_)
        return {};
    return cells_[row][col];
}

void GridModel::setCell(int row, int col, const QString& text) {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_)
        return;
    cells_[row][col] = text;
    if (frozen_)
        return;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col), {Qt::DisplayRole});
}

qint64 GridModel::key(int row, int slot) const {
    if (row < 0 || row >= rows() || slot < 0 || slot > 1)
        return 0;
    return keys_[row][slot];
}

void GridModel::setKey(int row, int slot, qint64 value) {
    if (row >= 0 && row < rows() && slot >= 0 && slot <= 1)
        keys_[row][slot] = value;
}

void GridModel::setAlignment(int col, Qt::Alignment alignment) {
    alignment_[col] = alignment;
}

void GridModel::freeze() {
    if (frozen_)
        return;
    frozen_ = true;
    beginResetModel();
}

void GridModel::thaw() {
    if (!frozen_)
        return;
    frozen_ = false;
    endResetModel();
}

} // namespace kotsu
