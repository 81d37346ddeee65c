// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GridModel.h"
#include <stdexcept>

namespace kotsu {

namespace {

// A screen holds a few dozen rows; the pages kept cover several screens either way.
constexpr int PageRows = 128;
constexpr int RunPages = 8;
constexpr int KeptPages = 32;

} // namespace

GridModel::GridModel(int cols, QObject* parent) : QAbstractTableModel(parent), cols_(cols) {
    cells_.append(QStringList(QList<QString>(cols)));
    keys_.append({0, 0});
    alignment_ = QList<Qt::Alignment>(cols, Qt::AlignLeft | Qt::AlignVCenter);
}

int GridModel::rows() const {
    return source_ ? source_->count() + 1 : int(cells_.size());
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
    const bool tip = role == Qt::ToolTipRole && (alignment_[index.column()] & Qt::AlignLeft);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignment_[index.column()]);
    // Names and comments may be cut short in their column; the whole text is a hover away.
    if (role != Qt::DisplayRole && !tip)
        return {};
    try {
        return cell(index.row() + 1, index.column());
    } catch (const std::exception&) {
        // Painting never fails: the row stays blank and is read again at the next paint.
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < cols_)
        return cells_[0][section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

void GridModel::beginChange() {
    if (!frozen_)
        beginResetModel();
}

void GridModel::endChange() {
    if (!frozen_)
        endResetModel();
}

void GridModel::setRows(int rows) {
    rows = qMax(1, rows);
    if (!source_ && rows == this->rows())
        return;
    beginChange();
    source_.reset();
    pages_.clear();
    pageOrder_.clear();
    lastPage_ = -1;
    lastRows_.clear();
    cells_.resize(rows, QStringList(QList<QString>(cols_)));
    keys_.resize(rows, {0, 0});
    endChange();
}

void GridModel::setSource(std::unique_ptr<RowSource> source) {
    beginChange();
    source_ = std::move(source);
    pages_.clear();
    pageOrder_.clear();
    lastPage_ = -1;
    lastRows_.clear();
    cells_.resize(1);
    keys_.resize(1);
    endChange();
}

const QStringList& GridModel::sourceRow(int row) const {
    const int page = (row - 1) / PageRows;
    // A row is read cell by cell: its page is usually the one just asked for.
    if (page == lastPage_)
        return lastRows_[(row - 1) % PageRows];
    auto at = pages_.constFind(page);
    if (at != pages_.constEnd()) {
        lastPage_ = page;
        lastRows_ = *at;
        return lastRows_[(row - 1) % PageRows];
    }
    // Reading straight on (an export, a long scroll) takes several pages in one read.
    const bool onward = pages_.contains(page - 1) && !pages_.contains(page + 1);
    const int first = page * PageRows;
    const int n = qMin(PageRows * (onward ? RunPages : 1), source_->count() - first);
    QList<QStringList> texts = source_->texts(first, n);
    if (texts.size() != n)
        throw std::runtime_error("a run of rows came back short");
    for (int p = 0; p * PageRows < n; ++p) {
        if (pageOrder_.size() >= KeptPages)
            pages_.remove(pageOrder_.takeFirst());
        pageOrder_.removeOne(page + p);
        pageOrder_.append(page + p);
        pages_.insert(page + p, texts.mid(p * PageRows, PageRows));
    }
    lastPage_ = page;
    lastRows_ = pages_[page];
    return lastRows_[(row - 1) % PageRows];
}

QString GridModel::cell(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_)
        return {};
    if (row == 0 || !source_)
        return cells_[row][col];
    return sourceRow(row).value(col);
}

void GridModel::setCell(int row, int col, const QString& text) {
    if (row < 0 || row >= int(cells_.size()) || col < 0 || col >= cols_)
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
    if (source_ && row > 0)
        return source_->key(row - 1, slot);
    return keys_[row][slot];
}

void GridModel::setKey(int row, int slot, qint64 value) {
    if (row >= 0 && row < int(keys_.size()) && slot >= 0 && slot <= 1)
        keys_[row][slot] = value;
}

int GridModel::rowOfKey(int slot, qint64 value) const {
    const int n = rows();
    for (int r = 1; r < n; ++r)
        if (key(r, slot) == value)
            return r;
    return 0;
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
