// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GridModel.h"
#include "common/values.h"
#include "ledger/ErrorText.h"
#include "ledger/LedgerError.h"

namespace kotsu {

namespace {

// A screen holds a few dozen rows; the pages kept cover several screens either way.
constexpr int PageRows = 128;
constexpr int RunPages = 8;
constexpr int KeptPages = 32;

} // namespace

GridModel::GridModel(int cols, QObject* parent) : QAbstractTableModel(parent), cols_(cols) {
    cells_.append(GridRow{QStringList(QList<QString>(cols)), {}});
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
    const int row = index.row() + 1;
    if (!source_)
        return cells_[row].texts[index.column()];
    const GridRow* read = sourceRow(row, true);
    if (!read)
        return {};
    if (read->texts.isEmpty())
        return markedCell(row, index.column());
    return read->texts.value(index.column());
}

QVariant GridModel::markedCell(int row, int col) const {
    if (!told_) {
        told_ = true;
        const QString why = failure_.isEmpty()
                                ? QStringLiteral("表示している間に、ほかのプログラムが明細を"
                                                 "変更しました。")
                                : failure_;
        auto* self = const_cast<GridModel*>(this);
        QMetaObject::invokeMethod(
            self, [self, why] { emit self->readFailed(why); }, Qt::QueuedConnection);
    }
    if (col == 0)
        return QString::number(row);
    if (col == cols_ - 1)
        return QStringLiteral("（読み込めません）");
    return QString();
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < cols_)
        return cells_[0].texts[section];
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

void GridModel::dropPages() {
    pages_.clear();
    pageOrder_.clear();
    lastPage_ = -1;
    lastRows_.clear();
    failure_.clear();
    told_ = false;
}

void GridModel::setRows(int rows) {
    rows = qMax(1, rows);
    if (!source_ && rows == this->rows())
        return;
    beginChange();
    source_.reset();
    dropPages();
    cells_.resize(rows, GridRow{QStringList(QList<QString>(cols_)), {}});
    keys_.resize(rows, {0, 0});
    endChange();
}

void GridModel::setSource(std::unique_ptr<RowSource> source) {
    beginChange();
    source_ = std::move(source);
    dropPages();
    cells_.resize(1);
    keys_.resize(1);
    endChange();
}

const GridRow* GridModel::sourceRow(int row, bool painting) const {
    const int page = (row - 1) / PageRows;
    // A row is read cell by cell: its page is usually the one just asked for.
    if (page != lastPage_) {
        auto at = pages_.constFind(page);
        if (at == pages_.constEnd()) {
            if (painting && !source_->available())
                return nullptr;
            readPages(page);
            at = pages_.constFind(page);
        }
        lastPage_ = page;
        lastRows_ = *at;
    }
    return &lastRows_[(row - 1) % PageRows];
}

void GridModel::readPages(int page) const {
    const int first = page * PageRows;
    // After a failure nothing is read again: each page not at hand is marked at once.
    if (!failure_.isEmpty()) {
        keepPage(page, QList<GridRow>(qMin(PageRows, source_->count() - first)));
        return;
    }
    // Reading straight on (an export, a long scroll) takes several pages in one read.
    const bool onward = pages_.contains(page - 1) && !pages_.contains(page + 1);
    const int n = qMin(PageRows * (onward ? RunPages : 1), source_->count() - first);
    QList<GridRow> read;
    try {
        read = source_->rows(first, n);
        if (read.size() != n)
            throw LedgerError(LedgerError::NoCurrentRecord,
                              QStringLiteral("明細の一部が読み込めませんでした。"));
    } catch (const LedgerError& e) {
        failure_ = japaneseDescription(e);
        keepPage(page, QList<GridRow>(qMin(PageRows, n)));
        return;
    }
    for (int p = 0; p * PageRows < n; ++p)
        keepPage(page + p, read.mid(p * PageRows, PageRows));
}

void GridModel::keepPage(int page, QList<GridRow> rows) const {
    if (pageOrder_.size() >= KeptPages)
        pages_.remove(pageOrder_.takeFirst());
    pageOrder_.removeOne(page);
    pageOrder_.append(page);
    pages_.insert(page, std::move(rows));
    if (page == lastPage_)
        lastPage_ = -1;
}

const GridRow& GridModel::readRow(int row) const {
    if (row == 0 || !source_)
        return cells_[row];
    const GridRow& read = *sourceRow(row, false);
    if (read.texts.isEmpty())
        throw LedgerError(LedgerError::NoCurrentRecord,
                          failure_.isEmpty()
                              ? QStringLiteral("明細 (ID %1) が見つかりません。").arg(key(row, 0))
                              : failure_);
    return read;
}

QString GridModel::cell(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_)
        return {};
    return readRow(row).texts.value(col);
}

std::optional<qint64> GridModel::number(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols_)
        return std::nullopt;
    return readRow(row).numbers.value(col);
}

void GridModel::setAmount(int row, int col, qint64 value) {
    if (row < 0 || row >= int(cells_.size()) || col < 0 || col >= cols_)
        return;
    setCell(row, col, formatAmount(value));
    QList<std::optional<qint64>>& numbers = cells_[row].numbers;
    if (numbers.size() <= col)
        numbers.resize(cols_);
    numbers[col] = value;
}

void GridModel::setCell(int row, int col, const QString& text) {
    if (row < 0 || row >= int(cells_.size()) || col < 0 || col >= cols_)
        return;
    cells_[row].texts[col] = text;
    if (col < cells_[row].numbers.size())
        cells_[row].numbers[col].reset();
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
