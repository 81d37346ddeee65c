// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Statement.h"
#include "ledger/Database.h"
#include <sqlite3.h>

namespace kotsu {

Statement::Statement(Database& db, const char* sql, int bytes, const char** tail) : db_(&db) {
    if (sqlite3_prepare_v2(db.db_, sql, bytes, &st_, tail) != SQLITE_OK)
        db.fail();
}

Statement::Statement(Database& db, const char* sql) : Statement(db, sql, -1, nullptr) {}

Statement::Statement(Database& db, const QString& sql)
    : Statement(db, sql.toUtf8().constData(), -1, nullptr) {}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), st_(other.st_) {
    other.st_ = nullptr;
}

Statement::~Statement() {
    sqlite3_finalize(st_);
}

void Statement::runScript(Database& db, const QString& script) {
    const QByteArray utf8 = script.toUtf8();
    const char* rest = utf8.constData();
    const char* const end = rest + utf8.size();
    while (rest < end) {
        const char* tail = nullptr;
        Statement st(db, rest, int(end - rest), &tail);
        rest = tail;
        // Only blanks or comments were left.
        if (!st.st_)
            break;
        st.execute();
    }
}

void Statement::bind(int index, qint64 value) {
    if (sqlite3_bind_int64(st_, index, value) != SQLITE_OK)
        db_->fail();
}

void Statement::bind(int index, const QString& value) {
    const QByteArray b = value.toUtf8();
    if (sqlite3_bind_text(st_, index, b.constData(), int(b.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        db_->fail();
}

bool Statement::step() {
    const int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        db_->fail();
    return false;
}

qint64 Statement::execute() {
    // Rows changed through a view count only in what its triggers change.
    const qint64 before = sqlite3_total_changes64(db_->db_);
    try {
        while (step()) {
        }
    } catch (...) {
        reset();
        throw;
    }
    reset();
    return sqlite3_total_changes64(db_->db_) - before;
}

void Statement::reset() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

int Statement::columnCount() const {
    return sqlite3_column_count(st_);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(st_, column));
}

qint64 Statement::number(int column) const {
    return sqlite3_column_int64(st_, column);
}

std::string_view Statement::bytes(int column) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, column));
    return p ? std::string_view(p, size_t(sqlite3_column_bytes(st_, column))) : std::string_view();
}

QString Statement::text(int column) const {
    const std::string_view b = bytes(column);
    return QString::fromUtf8(b.data(), qsizetype(b.size()));
}

QVariant Statement::value(int column) const {
    switch (sqlite3_column_type(st_, column)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(st_, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(st_, column);
    case SQLITE_NULL:
        return {};
    default:
        return text(column);
    }
}

} // namespace kotsu
