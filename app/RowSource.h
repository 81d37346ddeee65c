// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QStringList>
#include <optional>

namespace kotsu {

// One row of a grid: the texts it shows and, beside each amount, the number it was
// formatted from, so no figure has to be read back from its text.
struct GridRow {
    QStringList texts;
    // By column; a column beyond the list, or empty, carries no number.
    QList<std::optional<qint64>> numbers;
};

// Rows a grid lists without holding their texts: how many, the two keys of each, and the
// texts of a run of rows, read when they are first needed.
class RowSource {
public:
    virtual ~RowSource() = default;
    virtual int count() const = 0;
    // index counts listed rows from 0 (grid row index + 1).
    virtual qint64 key(int index, int slot) const = 0;
    // Every cell of rows first .. first + n - 1. A row that can no longer be read (its
    // entry gone) comes back without texts; a read that fails as a whole throws.
    virtual QList<GridRow> rows(int first, int n) const = 0;
    // False while a read would wait on this program's own long write: what is not at hand
    // then stays blank until the next reload.
    virtual bool available() const { return true; }
};

} // namespace kotsu
