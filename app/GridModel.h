#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <array>

namespace kotsu {

// Cell texts of a grid whose row 0 is the title row; the view shows row 0 as its header.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(int cols, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int rows() const { return int(cells_.size()); }
    int cols() const { return cols_; }
    void setRows(int rows);
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    void setAlignment(int col, Qt::Alignment alignment);
    // Keys a row carries but does not show (an entry's ID and its category's ID).
    qint64 key(int row, int slot) const;
    void setKey(int row, int slot, qint64 value);

    // While frozen, changes are gathered and the view is told once when it thaws.
    void freeze();
    void thaw();

private:
    int cols_;
    QList<QStringList> cells_;
    QList<std::array<qint64, 2>> keys_;
    QList<Qt::Alignment> alignment_;
    bool frozen_ = false;
};

} // namespace kotsu
