// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Statement.h"
#include "ledger/Database.h"
#include <sqlite3.h>

namespace kotsu {

Statement::Statement(Database& db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db_.handle(), sql, -1, &st_, nullptr) != SQLITE_OK)
        db_.fail();
}

Statement::~Statement() {
    sqlite3_finalize(st_);
}

void Statement::bind(int index, qint64 value) {
    if (sqlite3_bind_int64(st_, index, value) != SQLITE_OK)
        db_.fail();
}

void Statement::bind(int index, const QString& value) {
    const QByteArray b = value.toUtf8();
    if (sqlite3_bind_text(st_, index, b.constData(), int(b.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        db_.fail();
}

bool Statement::step() {
    const int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        db_.fail();
    return false;
}

void Statement::execute() {
    while (step()) {
    }
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

qint64 Statement::number(int column) const {
    return sqlite3_column_int64(st_, column);
}

QString Statement::text(int column) const {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st_, column)),
                             sqlite3_column_bytes(st_, column));
}

} // namespace kotsu
