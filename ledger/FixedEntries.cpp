// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/FixedEntries.h"
#include "common/values.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Operations.h"
#include "ledger/Statement.h"
#include <QSet>
#include <algorithm>

namespace kotsu {

namespace {

// 明細ID is the entry booked, 0 for a skipped month. It is kept for reading only: the entry
// editor replaces an entry by a new one, so it may name an entry that is gone.
const char* const tablesSql = R"SQL(
CREATE TABLE IF NOT EXISTS 定期明細テーブル (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    科目ID INTEGER NOT NULL,
    金額 INTEGER NOT NULL DEFAULT 0,
    コメント TEXT NOT NULL DEFAULT '',
    日 INTEGER NOT NULL CHECK (日 BETWEEN 1 AND 32),
    土日 INTEGER NOT NULL DEFAULT 0 CHECK (土日 IN (0, 1, 2)),
    開始 TEXT NOT NULL,
    終了 TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS 定期明細_科目 ON 定期明細テーブル(科目ID);
CREATE TABLE IF NOT EXISTS 定期明細記録テーブル (
    定期明細ID INTEGER NOT NULL,
    年月 TEXT NOT NULL,
    明細ID INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (定期明細ID, 年月));
)SQL";

int monthIndex(const QDate& d) {
    return d.year() * 12 + d.month() - 1;
}

QDate monthAt(int index) {
    return QDate(index / 12, index % 12 + 1, 1);
}

// "YYYY/MM"; read by hand, as the format parser costs more than the rest of a start-up's look.
QDate parseMonth(const QString& text) {
    if (text.size() != 7 || text[4] != QLatin1Char('/'))
        return QDate();
    bool yearOk = false, monthOk = false;
    const int year = QStringView(text).left(4).toInt(&yearOk);
    const int month = QStringView(text).mid(5).toInt(&monthOk);
    return yearOk && monthOk ? QDate(year, month, 1) : QDate();
}

QDate occurrenceIn(const FixedEntry& f, int index) {
    const QDate m = monthAt(index);
    return occurrenceDate(m.year(), m.month(), f.day, f.weekend);
}

// A query of one number, left ready for its next values.
qint64 scalar(Statement& st) {
    const qint64 value = st.step() ? st.number(0) : 0;
    st.reset();
    return value;
}

void bindFields(Statement& st, const FixedEntry& f) {
    st.bind(1, f.categoryId);
    st.bind(2, qint64(f.amount));
    st.bind(3, f.comment);
    st.bind(4, qint64(f.day));
    st.bind(5, qint64(f.weekend));
    st.bind(6, monthText(f.start));
    st.bind(7, f.end.isValid() ? monthText(f.end) : QString());
}

void record(Database& db, const DueOccurrence& o, qint64 entryId) {
    Statement st(db,
                 "INSERT INTO 定期明細記録テーブル(定期明細ID, 年月, 明細ID) VALUES (?1, ?2, ?3)");
    st.bind(1, o.fixed.id);
    st.bind(2, monthText(o.month));
    st.bind(3, entryId);
    st.execute();
}

} // namespace

QDate occurrenceDate(int year, int month, int day, WeekendRule rule) {
    const QDate first(year, month, 1);
    const QDate date(year, month, qMin(day, first.daysInMonth()));
    const int weekday = date.dayOfWeek(); // 6 Saturday, 7 Sunday
    if (weekday < 6 || rule == WeekendRule::Keep)
        return date;
    if (rule == WeekendRule::Before)
        return date.addDays(weekday == 6 ? -1 : -2);
    return date.addDays(weekday == 6 ? 2 : 1);
}

QString monthText(const QDate& month) {
    return QString::asprintf("%04d/%02d", month.year(), month.month());
}

QList<QDate> dueMonths(const FixedEntry& f, const QDate& today) {
    // A month's occurrence moves at most two days off its month, so next month's may
    // already be due (the 1st on a Sunday, moved to Friday) and dates rise with the months.
    int last = monthIndex(today) + 1;
    if (f.end.isValid())
        last = qMin(last, monthIndex(f.end));
    const int first = monthIndex(f.start);
    while (last >= first && occurrenceIn(f, last) > today)
        --last;
    QList<QDate> out;
    for (int i = first; i <= last; ++i)
        out << monthAt(i);
    return out;
}

void createFixedEntryTables(Database& db) {
    db.exec(QString::fromUtf8(tablesSql));
}

QList<std::pair<qint64, QString>> categoryChoices(Database& db) {
    Statement st(db, "SELECT ID, 科目名前 FROM 科目テーブル ORDER BY ID");
    QList<std::pair<qint64, QString>> out;
    while (st.step())
        out.append({st.number(0), st.text(1)});
    return out;
}

QList<FixedEntry> fixedEntries(Database& db) {
    Statement st(db, "SELECT f.ID, f.科目ID, f.金額, f.コメント, f.日, f.土日, f.開始, f.終了, "
                     "k.科目名前, k.収支 FROM 定期明細テーブル f "
                     "JOIN 科目テーブル k ON k.ID = f.科目ID ORDER BY f.日, f.ID");
    QList<FixedEntry> out;
    while (st.step()) {
        FixedEntry f;
        f.id = st.number(0);
        f.categoryId = st.number(1);
        f.amount = qint32(st.number(2));
        f.comment = st.text(3);
        f.day = int(st.number(4));
        f.weekend = WeekendRule(st.number(5));
        f.start = parseMonth(st.text(6));
        f.end = parseMonth(st.text(7));
        f.category = st.text(8);
        f.sign = st.text(9);
        out << f;
    }
    return out;
}

qint64 addFixedEntry(Database& db, const FixedEntry& f) {
    Statement st(db, "INSERT INTO 定期明細テーブル(科目ID, 金額, コメント, 日, 土日, 開始, 終了) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    bindFields(st, f);
    st.execute();
    return db.lastInsertId();
}

void updateFixedEntry(Database& db, const FixedEntry& f) {
    Statement st(db, "UPDATE 定期明細テーブル SET 科目ID = ?1, 金額 = ?2, コメント = ?3, 日 = ?4, "
                     "土日 = ?5, 開始 = ?6, 終了 = ?7 WHERE ID = ?8");
    bindFields(st, f);
    st.bind(8, f.id);
    st.execute();
}

void deleteFixedEntry(Database& db, qint64 id) {
    Statement months(db, "DELETE FROM 定期明細記録テーブル WHERE 定期明細ID = ?1");
    months.bind(1, id);
    months.execute();
    Statement st(db, "DELETE FROM 定期明細テーブル WHERE ID = ?1");
    st.bind(1, id);
    st.execute();
}

qint64 fixedEntryCountOf(Database& db, qint64 categoryId) {
    Statement st(db, "SELECT count(*) FROM 定期明細テーブル WHERE 科目ID = ?1");
    st.bind(1, categoryId);
    return scalar(st);
}

void deleteFixedEntriesOf(Database& db, qint64 categoryId) {
    Statement months(db, "DELETE FROM 定期明細記録テーブル WHERE 定期明細ID IN "
                         "(SELECT ID FROM 定期明細テーブル WHERE 科目ID = ?1)");
    months.bind(1, categoryId);
    months.execute();
    Statement st(db, "DELETE FROM 定期明細テーブル WHERE 科目ID = ?1");
    st.bind(1, categoryId);
    st.execute();
}

void moveFixedEntries(Database& db, qint64 fromCategory, qint64 toCategory) {
    Statement st(db, "UPDATE 定期明細テーブル SET 科目ID = ?1 WHERE 科目ID = ?2");
    st.bind(1, toCategory);
    st.bind(2, fromCategory);
    st.execute();
}

void deleteAllFixedEntries(Database& db) {
    db.exec(QStringLiteral("DELETE FROM 定期明細記録テーブル; DELETE FROM 定期明細テーブル;"));
}

QList<DueOccurrence> dueOccurrences(Database& db, const QDate& today) {
    // Most months are recorded: a count over the key settles a fixed entry at once.
    Statement count(db, "SELECT count(*) FROM 定期明細記録テーブル "
                        "WHERE 定期明細ID = ?1 AND 年月 BETWEEN ?2 AND ?3");
    Statement recorded(db, "SELECT 年月 FROM 定期明細記録テーブル "
                           "WHERE 定期明細ID = ?1 AND 年月 BETWEEN ?2 AND ?3");
    QList<DueOccurrence> out;
    for (const FixedEntry& f : fixedEntries(db)) {
        const QList<QDate> months = dueMonths(f, today);
        if (months.isEmpty())
            continue;
        const auto bindRange = [&](Statement& st) {
            st.bind(1, f.id);
            st.bind(2, monthText(months.first()));
            st.bind(3, monthText(months.last()));
        };
        bindRange(count);
        if (scalar(count) == months.size())
            continue;
        bindRange(recorded);
        QSet<QString> done;
        while (recorded.step())
            done.insert(recorded.text(0));
        recorded.reset();
        for (const QDate& m : months)
            if (!done.contains(monthText(m)))
                out << DueOccurrence{f, m, occurrenceDate(m.year(), m.month(), f.day, f.weekend)};
    }
    std::stable_sort(out.begin(), out.end(), [](const DueOccurrence& a, const DueOccurrence& b) {
        return a.date < b.date;
    });
    return out;
}

void bookOccurrence(Database& db, const DueOccurrence& o, qint32 amount) {
    if (!registerEntry(db, dateText(o.date), o.fixed.categoryId, amount, o.fixed.comment))
        throw LedgerError(LedgerError::RowGone,
                          QStringLiteral("科目「%1」が見つかりません。").arg(o.fixed.category));
    record(db, o, db.lastInsertId());
}

void skipOccurrence(Database& db, const DueOccurrence& o) {
    record(db, o, 0);
}

} // namespace kotsu
