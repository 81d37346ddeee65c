// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QStringList>

namespace kotsu {

// Rows a grid lists without holding their texts: how many, the two keys of each, and the
// texts of a run of rows, read when they are first needed.
class RowSource {
public:
    virtual ~RowSource() = default;
    virtual int count() const = 0;
    // index counts listed rows from 0 (grid row index + 1).
    virtual qint64 key(int index, int slot) const = 0;
    // Every cell of rows first .. first + n - 1; may throw when they cannot be read.
    virtual QList<QStringList> texts(int first, int n) const = 0;
};

} // namespace kotsu
