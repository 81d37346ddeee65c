// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTableView>
#include <memory>
#include <optional>

namespace kotsu {

class GridModel;
class RowSource;

// The grid contract the windows rely on: a title row 0, a settable row count, column
// widths in twips, a current row and column, cell texts, a redraw switch and the mouse
// button pressed. Filled through its own model, so large lists fill quickly.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(int cols, QWidget* parent = nullptr);

    int rows() const;
    void setRows(int rows);
    // Rows read from source a page at a time as they are shown or asked for.
    void setSource(std::unique_ptr<RowSource> source);
    int cols() const;
    // The width a column never goes below, in twips.
    void setColWidth(int col, int twips);
    // Widens a column, never below its set width, so that text of this width shows whole.
    void fitColumnTo(int col, const QString& widestText);
    // Widens an amount column for every amount between lo and hi.
    void fitColumnToAmounts(int col, qint64 lo, qint64 hi);
    void setColAlignment(int col, Qt::Alignment alignment);

    int row() const { return row_; }
    void setRow(int row);
    int col() const { return col_; }
    void setCol(int col);
    QString text() const { return textMatrix(row_, col_); }
    // A row of a source not yet at hand is read from it; that may throw.
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Figures are taken from the numbers beside amount cells, never from their texts.
    std::optional<qint64> number(int row, int col) const;
    void setAmount(int row, int col, qint64 value);
    void clear();
    // Keys a row carries without showing them: commands act on these, never on the texts.
    qint64 rowKey(int row, int slot) const;
    void setRowKey(int row, int slot, qint64 value);
    // The first row carrying value in slot, 0 when none does.
    int rowOfKey(int slot, qint64 value) const;
    void setRedraw(bool on);
    // The rectangle of the current row, for a menu opened from the keyboard.
    QRect currentRowRect() const;

    GridModel* gridModel() const { return model_; }

signals:
    // 1 left, 2 right, 4 middle: the values the popup handlers test.
    void mouseDown(int button);
    // The Menu key or Shift+F10.
    void keyboardMenu();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void restoreCurrent();
    void titleRowMenu();

    GridModel* model_;
    QList<int> minWidths_;
    int row_ = 0;
    int col_ = 0;
};

// Redraw off for a scope: the grid repaints once when it ends, even on an error.
class RedrawPause {
public:
    explicit RedrawPause(FlexGrid* grid) : grid_(grid) { grid_->setRedraw(false); }
    ~RedrawPause() { grid_->setRedraw(true); }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    FlexGrid* grid_;
};

} // namespace kotsu
