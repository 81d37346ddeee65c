// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FlexGrid.h"
#include "app/GridModel.h"
#include "ui/ListColumns.h"
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kotsu {

FlexGrid::FlexGrid(int cols, QWidget* parent)
    : QTableView(parent), model_(new GridModel(cols, this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control; the arrows move the current row.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Spare width goes to the last column; wider columns scroll sideways.
    horizontalHeader()->setStretchLastSection(true);
    // The title row never becomes current, but its menu acts on the current row.
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this,
            &FlexGrid::titleRowMenu);
    minWidths_ = QList<int>(cols, 0);
    connect(model_, &QAbstractItemModel::modelReset, this, &FlexGrid::restoreCurrent);
}

int FlexGrid::rows() const {
    return model_->rows();
}
void FlexGrid::setRows(int rows) {
    model_->setRows(rows);
}
void FlexGrid::setSource(std::unique_ptr<RowSource> source) {
    model_->setSource(std::move(source));
}
int FlexGrid::cols() const {
    return model_->cols();
}
void FlexGrid::setColWidth(int col, int twips) {
    minWidths_[col] = twips / 15;
    setColumnWidth(col, twips / 15);
}

void FlexGrid::fitColumnToAmounts(int col, qint64 lo, qint64 hi) {
    fitColumnTo(col, widestAmount(lo, hi));
}

void FlexGrid::fitColumnTo(int col, const QString& widestText) {
    setColumnWidth(col, qMax(minWidths_[col], cellWidth(this, widestText)));
}
void FlexGrid::setColAlignment(int col, Qt::Alignment alignment) {
    model_->setAlignment(col, alignment);
}

void FlexGrid::setRow(int row) {
    row_ = qBound(0, row, rows() - 1);
    if (row_ >= 1)
        setCurrentIndex(model_->index(row_ - 1, col_));
}

void FlexGrid::setCol(int col) {
    col_ = qBound(0, col, cols() - 1);
    if (row_ >= 1)
        setCurrentIndex(model_->index(row_ - 1, col_));
}

QString FlexGrid::textMatrix(int row, int col) const {
    return model_->cell(row, col);
}
void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    model_->setCell(row, col, text);
}
std::optional<qint64> FlexGrid::number(int row, int col) const {
    return model_->number(row, col);
}
void FlexGrid::setAmount(int row, int col, qint64 value) {
    model_->setAmount(row, col, value);
}

qint64 FlexGrid::rowKey(int row, int slot) const {
    return model_->key(row, slot);
}
void FlexGrid::setRowKey(int row, int slot, qint64 value) {
    model_->setKey(row, slot, value);
}
int FlexGrid::rowOfKey(int slot, qint64 value) const {
    return model_->rowOfKey(slot, value);
}

void FlexGrid::clear() {
    for (int r = 0; r < rows(); ++r)
        for (int c = 0; c < cols(); ++c)
            model_->setCell(r, c, QString());
}

void FlexGrid::setRedraw(bool on) {
    if (on)
        model_->thaw();
    else
        model_->freeze();
}

QRect FlexGrid::currentRowRect() const {
    if (row_ < 1)
        return QRect(viewport()->rect().topLeft(), QSize(1, 1));
    return visualRect(model_->index(row_ - 1, 0));
}

void FlexGrid::restoreCurrent() {
    // Like the old grid, the current row survives a refill while it still exists.
    if (rows() <= 1) {
        row_ = 0;
        return;
    }
    row_ = qBound(1, row_ == 0 ? 1 : row_, rows() - 1);
    setCurrentIndex(model_->index(row_ - 1, col_));
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid()) {
        row_ = current.row() + 1;
        col_ = current.column();
    }
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    // The Menu key arrives as a context-menu event; Shift+F10 does not on every platform.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        emit keyboardMenu();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void FlexGrid::titleRowMenu() {
    emit mouseDown(2);
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // The row pointed at becomes current first, so the menu acts on it.
        const QModelIndex at = indexAt(event->position().toPoint());
        if (at.isValid())
            setRow(at.row() + 1);
    } else if (event->button() == Qt::LeftButton) {
        QTableView::mousePressEvent(event);
    }
    const int button = event->button() == Qt::LeftButton     ? 1
                       : event->button() == Qt::RightButton  ? 2
                       : event->button() == Qt::MiddleButton ? 4
                                                             : 0;
    emit mouseDown(button);
}

void FlexGrid::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard)
        emit keyboardMenu();
    event->accept();
}

} // namespace kotsu
