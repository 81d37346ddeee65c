// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Recordset.h"
#include "common/values.h"
#include "ledger/LedgerError.h"
#include <sqlite3.h>

namespace kotsu {

namespace {

enum class Kind { Text, Integer, Date };

// The store converts what it is given to the column's type, as the old engine did.
Kind kindOf(const QString& column) {
    const QString c = column.toLower();
    if (c == QStringLiteral("日付"))
        return Kind::Date;
    if (c == QStringLiteral("id") || c == QStringLiteral("科目id") || c == QStringLiteral("金額") ||
        c == QStringLiteral("予算"))
        return Kind::Integer;
    return Kind::Text;
}

[[noreturn]] void engineError(sqlite3* db) {
    throw LedgerError(sqlite3_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)));
}

void check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK)
        engineError(db);
}

[[noreturn]] void conversionError(const QString& column, const QVariant& v) {
    throw LedgerError(LedgerError::TypeConversion,
                      QStringLiteral("データ型変換エラー: %1 = '%2'").arg(column, v.toString()));
}

void bind(sqlite3_stmt* st, int index, const QString& column, const QVariant& v) {
    switch (kindOf(column)) {
    case Kind::Integer: {
        qint64 n = 0;
        if (v.typeId() == QMetaType::QString) {
            const auto yen = toYen(v.toString());
            if (!yen)
                conversionError(column, v);
            n = *yen;
        } else {
            bool ok = false;
            n = v.toLongLong(&ok);
            if (!ok)
                conversionError(column, v);
        }
        check(sqlite3_db_handle(st), sqlite3_bind_int64(st, index, n));
        return;
    }
    case Kind::Date: {
        const QDate d = v.typeId() == QMetaType::QDate ? v.toDate() : parseDate(v.toString());
        if (!d.isValid())
            conversionError(column, v);
        const QByteArray b = dateText(d).toUtf8();
        check(sqlite3_db_handle(st),
              sqlite3_bind_text(st, index, b.constData(), int(b.size()), SQLITE_TRANSIENT));
        return;
    }
    case Kind::Text: {
        const QByteArray b = v.toString().toUtf8();
        check(sqlite3_db_handle(st),
              sqlite3_bind_text(st, index, b.constData(), int(b.size()), SQLITE_TRANSIENT));
        return;
    }
    }
}

QString quoteIdent(const QString& name) {
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

struct Statement {
    sqlite3* db;
    sqlite3_stmt* st = nullptr;
    Statement(sqlite3* d, const QString& sql) : db(d) {
        const QByteArray b = sql.toUtf8();
        check(db, sqlite3_prepare_v2(db, b.constData(), int(b.size()), &st, nullptr));
    }
    ~Statement() { sqlite3_finalize(st); }
    void runToEnd() {
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            engineError(db);
    }
    // A row written through a view counts only in the changes its trigger makes.
    void writeOneRow() {
        const qint64 before = sqlite3_total_changes64(db);
        runToEnd();
        if (sqlite3_total_changes64(db) == before)
            throw LedgerError(LedgerError::RowGone, QStringLiteral("レコードは削除されています。"));
    }
};

} // namespace

Recordset::Recordset(sqlite3* db, const QString& translatedSql, const QString& source)
    : db_(db), source_(source) {
    if (translatedSql.isEmpty())
        return;
    Statement s(db_, translatedSql);
    const int cols = sqlite3_column_count(s.st);
    for (int c = 0; c < cols; ++c)
        columns_ << QString::fromUtf8(sqlite3_column_name(s.st, c));
    int rc;
    while ((rc = sqlite3_step(s.st)) == SQLITE_ROW) {
        QList<QVariant> row;
        row.reserve(cols);
        for (int c = 0; c < cols; ++c) {
            switch (sqlite3_column_type(s.st, c)) {
            case SQLITE_INTEGER:
                row << QVariant(qint64(sqlite3_column_int64(s.st, c)));
                break;
            case SQLITE_FLOAT:
                row << QVariant(sqlite3_column_double(s.st, c));
                break;
            case SQLITE_NULL:
                row << QVariant();
                break;
            default:
                row << QVariant(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.st, c)),
                                      sqlite3_column_bytes(s.st, c)));
            }
        }
        rows_ << row;
    }
    if (rc != SQLITE_DONE)
        engineError(db_);
}

int Recordset::column(const QString& field) const {
    int c = -1;
    for (int i = 0; i < columns_.size() && c < 0; ++i)
        if (columns_[i].compare(field, Qt::CaseInsensitive) == 0)
            c = i;
    if (c < 0)
        throw LedgerError(3265,
                          QStringLiteral("コレクションに項目 '%1' が見つかりません。").arg(field));
    return c;
}

const QList<QVariant>& Recordset::current() const {
    if (pos_ < 0 || pos_ >= rows_.size())
        throw LedgerError(LedgerError::NoCurrentRecord,
                          QStringLiteral("カレント レコードがありません。"));
    return rows_[pos_];
}

QVariant Recordset::value(const QString& field) const {
    return current()[column(field)];
}
QString Recordset::text(const QString& field) const {
    return value(field).toString();
}
qint64 Recordset::number(const QString& field) const {
    return value(field).toLongLong();
}
bool Recordset::isNull(const QString& field) const {
    return value(field).isNull();
}

void Recordset::addNew() {
    mode_ = Mode::Adding;
    pending_.clear();
}

void Recordset::edit() {
    current();
    mode_ = Mode::Editing;
    pending_.clear();
}

void Recordset::setValue(const QString& field, const QVariant& value) {
    for (auto& p : pending_) {
        if (p.first.compare(field, Qt::CaseInsensitive) == 0) {
            p.second = value;
            return;
        }
    }
    pending_.append({field, value});
}

void Recordset::update() {
    if (mode_ == Mode::Browse)
        throw LedgerError(3020,
                          QStringLiteral("Update は AddNew または Edit の後でのみ使えます。"));
    QStringList names;
    for (const auto& p : pending_)
        names << quoteIdent(p.first);
    QString sql;
    if (mode_ == Mode::Adding) {
        QStringList marks;
        for (int i = 0; i < pending_.size(); ++i)
            marks << QStringLiteral("?");
        sql = pending_.isEmpty()
                  ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdent(source_))
                  : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(quoteIdent(source_), names.join(QLatin1Char(',')),
                             marks.join(QLatin1Char(',')));
    } else {
        QStringList sets;
        for (const QString& n : names)
            sets << n + QStringLiteral("=?");
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE ID=?")
                  .arg(quoteIdent(source_), sets.join(QLatin1Char(',')));
    }
    if (mode_ == Mode::Adding) {
        if (sql != insertSql_) {
            sqlite3_stmt* st = nullptr;
            const QByteArray b = sql.toUtf8();
            check(db_, sqlite3_prepare_v2(db_, b.constData(), int(b.size()), &st, nullptr));
            insert_.reset(st, sqlite3_finalize);
            insertSql_ = sql;
        }
        sqlite3_stmt* st = insert_.get();
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        int index = 1;
        for (const auto& p : pending_)
            bind(st, index++, p.first, p.second);
        if (sqlite3_step(st) != SQLITE_DONE)
            engineError(db_);
        sqlite3_reset(st);
    } else {
        Statement s(db_, sql);
        int index = 1;
        for (const auto& p : pending_)
            bind(s.st, index++, p.first, p.second);
        check(db_, sqlite3_bind_int64(s.st, index, value(QStringLiteral("id")).toLongLong()));
        s.writeOneRow();
    }
    mode_ = Mode::Browse;
    pending_.clear();
}

void Recordset::deleteCurrent() {
    const qint64 id = value(QStringLiteral("id")).toLongLong();
    Statement s(db_, QStringLiteral("DELETE FROM %1 WHERE ID=?").arg(quoteIdent(source_)));
    check(db_, sqlite3_bind_int64(s.st, 1, id));
    s.writeOneRow();
}

void Recordset::close() {
    rows_.clear();
    columns_.clear();
    pos_ = 0;
    mode_ = Mode::Browse;
}

} // namespace kotsu
