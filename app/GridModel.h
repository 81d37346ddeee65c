// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/RowSource.h"
#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

namespace kotsu {

// Cell texts of a grid whose row 0 is the title row; the view shows row 0 as its header.
// The rows below hold their texts, or come from a RowSource a page at a time, so a list
// of any length costs only what is on screen. A row that cannot be read is marked for the
// eye only: what reads its cells gets an error, and the user is told once, after the paint.
// A read that failed as a whole marks its page, and nothing is read for painting again
// until the next source.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(int cols, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int rows() const;
    int cols() const { return cols_; }
    // Rows that hold their own texts (any source is dropped).
    void setRows(int rows);
    // Rows read from source as they are needed.
    void setSource(std::unique_ptr<RowSource> source);
    // Of a source's row, the text is read from the ledger if it is not at hand; a row that
    // cannot be read raises LedgerError (NoCurrentRecord).
    QString cell(int row, int col) const;
    // Setting a text drops the cell's number.
    void setCell(int row, int col, const QString& text);
    // The number an amount cell was formatted from, read as cell() reads its text; none for
    // a cell that was given a text only.
    std::optional<qint64> number(int row, int col) const;
    // The amount's text and its number together, so the two never disagree.
    void setAmount(int row, int col, qint64 value);
    void setAlignment(int col, Qt::Alignment alignment);
    // Keys a row carries but does not show (an entry's ID and its category's ID).
    qint64 key(int row, int slot) const;
    void setKey(int row, int slot, qint64 value);
    // The first row whose key in slot is value, 0 when none is.
    int rowOfKey(int slot, qint64 value) const;

    // While frozen, changes are gathered and the view is told once when it thaws.
    void freeze();
    void thaw();

signals:
    // Rows of the source could not be read: why. Once per source, posted, never from
    // inside a paint.
    void readFailed(const QString& why);

private:
    void beginChange();
    void endChange();
    void dropPages();
    // A source's row, without texts when it cannot be read; null when it is not at hand
    // and painting must not read it now.
    const GridRow* sourceRow(int row, bool painting) const;
    // A row for its cells' readers, which get an error where the eye gets a mark.
    const GridRow& readRow(int row) const;
    void readPages(int page) const;
    void keepPage(int page, QList<GridRow> rows) const;
    QVariant markedCell(int row, int col) const;

    int cols_;
    QList<GridRow> cells_;
    QList<std::array<qint64, 2>> keys_;
    QList<Qt::Alignment> alignment_;
    bool frozen_ = false;
    std::unique_ptr<RowSource> source_;
    // Pages of a source's texts, the oldest dropped first: memory stays bounded however
    // far the list is scrolled or read.
    mutable QHash<int, QList<GridRow>> pages_;
    mutable QList<int> pageOrder_;
    mutable int lastPage_ = -1;
    mutable QList<GridRow> lastRows_;
    // Why the source failed as a whole, once it has; then nothing more is read from it.
    mutable QString failure_;
    mutable bool told_ = false;
};

} // namespace kotsu
