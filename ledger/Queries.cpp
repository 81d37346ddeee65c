// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Queries.h"

namespace kotsu {

qint64 readCount(Database& db, const QString& countSql, const QString& field) {
    return db.openRecordset(countSql).number(field);
}

} // namespace kotsu
