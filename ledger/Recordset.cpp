// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Recordset.h"
#include "common/values.h"
#include "ledger/LedgerError.h"
#include "ledger/Statement.h"

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

[[noreturn]] void conversionError(const QString& column, const QVariant& v) {
    throw LedgerError(LedgerError::TypeConversion,
                      QStringLiteral("データ型変換エラー: %1 = '%2'").arg(column, v.toString()));
}

void bind(Statement& st, int index, const QString& column, const QVariant& v) {
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
        st.bind(index, n);
        return;
    }
    case Kind::Date: {
        const QDate d = v.typeId() == QMetaType::QDate ? v.toDate() : parseDate(v.toString());
        if (!d.isValid())
            conversionError(column, v);
        st.bind(index, dateText(d));
        return;
    }
    case Kind::Text:
        st.bind(index, v.toString());
        return;
    }
}

QString quoteIdent(const QString& name) {
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

// An edit or a delete whose row is gone says so instead of doing nothing.
void writeOneRow(Statement& st) {
    if (st.execute() == 0)
        throw LedgerError(LedgerError::RowGone, QStringLiteral("レコードは削除されています。"));
}

} // namespace

Recordset::Recordset(Database& db, const QString& translatedSql, const QString& source)
    : db_(&db), source_(source) {
    if (translatedSql.isEmpty())
        return;
    Statement st(db, translatedSql);
    const int cols = st.columnCount();
    for (int c = 0; c < cols; ++c)
        columns_ << st.columnName(c);
    while (st.step()) {
        QList<QVariant> row;
        row.reserve(cols);
        for (int c = 0; c < cols; ++c)
            row << st.value(c);
        rows_ << row;
    }
}

Recordset::Recordset(Recordset&&) noexcept = default;
Recordset::~Recordset() = default;

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
        if (!insert_ || sql != insertSql_) {
            insert_ = std::make_unique<Statement>(*db_, sql);
            insertSql_ = sql;
        }
        int index = 1;
        for (const auto& p : pending_)
            bind(*insert_, index++, p.first, p.second);
        insert_->execute();
    } else {
        Statement st(*db_, sql);
        int index = 1;
        for (const auto& p : pending_)
            bind(st, index++, p.first, p.second);
        st.bind(index, value(QStringLiteral("id")).toLongLong());
        writeOneRow(st);
    }
    mode_ = Mode::Browse;
    pending_.clear();
}

void Recordset::deleteCurrent() {
    const qint64 id = value(QStringLiteral("id")).toLongLong();
    Statement st(*db_, QStringLiteral("DELETE FROM %1 WHERE ID=?").arg(quoteIdent(source_)));
    st.bind(1, id);
    writeOneRow(st);
}

void Recordset::close() {
    rows_.clear();
    columns_.clear();
    pos_ = 0;
    mode_ = Mode::Browse;
}

} // namespace kotsu
