// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Queries.h"

namespace kotsu {

qint64 readCount(Database& db, const QString& countSql, const QString& field) {
    return db.openRecordset(countSql).number(field);
}

qint64 nullSafeSum(Database& db, const QString& sumSql, const QString& countSql,
                   const QString& field) {
    Recordset sum = db.openRecordset(sumSql);
    if (readCount(db, countSql, field) > 0)
        return sum.number(field);
    return 0;
}

} // namespace kotsu
