// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ledger/Database.h"

namespace kotsu {

// The count query's one field: how many rows a list has.
qint64 readCount(Database& db, const QString& countSql,
                 const QString& field = QStringLiteral("reccnt"));

// Count, then walk: visits exactly as many rows of rowsSql as countSql counts, after
// telling prepare that count (a grid sizes itself there).
template <typename Visit, typename Prepare>
qint64 walkCounted(Database& db, const QString& rowsSql, const QString& countSql, Visit&& visit,
                   Prepare&& prepare) {
    Recordset rs = db.openRecordset(rowsSql);
    const qint64 count = readCount(db, countSql);
    prepare(count);
    for (qint64 i = 0; i < count; ++i) {
        visit(rs);
        rs.moveNext();
    }
    return count;
}

template <typename Visit>
qint64 walkCounted(Database& db, const QString& rowsSql, const QString& countSql, Visit&& visit) {
    return walkCounted(db, rowsSql, countSql, visit, [](qint64) {});
}

} // namespace kotsu
