// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/EntryList.h"
#include "common/values.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Statement.h"
#include <QHash>

namespace kotsu {

namespace {

enum class Sign { Income, Expense, Other };

QHash<qint64, Sign> categorySigns(Database& db) {
    QHash<qint64, Sign> signs;
    Statement st(db, "SELECT ID, 収支 FROM 科目テーブル");
    while (st.step()) {
        const QString s = st.text(1);
        signs.insert(st.number(0), s == QLatin1String("+")   ? Sign::Income
                                   : s == QLatin1String("-") ? Sign::Expense
                                                             : Sign::Other);
    }
    return signs;
}

// "YYYY/MM/DD" as yyyymmdd; 0 for any other form.
qint32 dayOf(const QString& date) {
    if (date.size() != 10 || date[4] != QLatin1Char('/') || date[7] != QLatin1Char('/'))
        return 0;
    qint32 day = 0;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!date[i].isDigit() || date[i].unicode() > 127)
            return 0;
        day = day * 10 + date[i].digitValue();
    }
    return day;
}

QString dayText(qint32 day) {
    return QString::asprintf("%04d/%02d/%02d", day / 10000, day / 100 % 100, day % 100);
}

const char* const columns = "SELECT m.ID, m.日付, m.科目ID, m.金額, m.コメント "
                            "FROM 明細テーブル m JOIN 科目テーブル k ON k.ID = m.科目ID ";

struct CategoryTexts {
    QString name;
    QString sign;
};

// A few hundred categories against thousands of rows: each name is read once.
QHash<qint64, CategoryTexts> categoryTexts(Database& db) {
    QHash<qint64, CategoryTexts> out;
    Statement st(db, "SELECT ID, 科目名前, 収支 FROM 科目テーブル");
    while (st.step())
        out.insert(st.number(0), {st.text(1), st.text(2)});
    return out;
}

EntryTexts entryAt(const Statement& st, const QHash<qint64, CategoryTexts>& categories) {
    EntryTexts e;
    e.id = st.number(0);
    e.date = st.text(1);
    const CategoryTexts& c = categories[st.number(2)];
    e.category = c.name;
    e.sign = c.sign;
    e.amount = st.number(3);
    e.comment = st.text(4);
    return e;
}

// The category names and the rows read in one snapshot of the ledger.
class ReadSnapshot {
public:
    explicit ReadSnapshot(Database& db) : db_(db) { db_.exec(QStringLiteral("BEGIN")); }
    ~ReadSnapshot() { db_.tryExec(QStringLiteral("COMMIT")); }
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

private:
    Database& db_;
};

// Rows in list order from a row's place in the index on.
struct RunStart {
    qint32 day;
    qint64 categoryId;
    qint64 id;
};

QList<EntryTexts> readOnward(Database& db, const QHash<qint64, CategoryTexts>& categories,
                             const RunStart& start, int n, const QDate& to,
                             std::optional<qint64> categoryId) {
    const QByteArray sql =
        QByteArray(columns) + "WHERE (m.日付, m.科目ID, m.ID) >= (?1, ?2, ?3) AND m.日付 <= ?4 " +
        (categoryId ? "AND +m.科目ID = ?6 " : "") + "ORDER BY m.日付, m.科目ID, m.ID LIMIT ?5";
    Statement st(db, sql.constData());
    st.bind(1, dayText(start.day));
    st.bind(2, start.categoryId);
    st.bind(3, start.id);
    st.bind(4, dateText(to));
    st.bind(5, qint64(n));
    if (categoryId)
        st.bind(6, *categoryId);
    QList<EntryTexts> out;
    out.reserve(n);
    while (st.step())
        out << entryAt(st, categories);
    return out;
}

QList<std::optional<EntryTexts>> readEntries(Database& db,
                                             const QHash<qint64, CategoryTexts>& categories,
                                             const QList<qint64>& ids) {
    if (ids.isEmpty())
        return {};
    QString list;
    for (qint64 id : ids)
        list += (list.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(id);
    // Numbers only: the IDs are integers, never text from outside.
    const QByteArray sql = QByteArray(columns) + "WHERE m.ID IN (" + list.toLatin1() + ")";
    QHash<qint64, EntryTexts> found;
    Statement st(db, sql.constData());
    while (st.step()) {
        EntryTexts e = entryAt(st, categories);
        found.insert(e.id, e);
    }
    QList<std::optional<EntryTexts>> out;
    out.reserve(ids.size());
    for (qint64 id : ids) {
        const auto e = found.constFind(id);
        out << (e == found.constEnd() ? std::nullopt : std::optional<EntryTexts>(*e));
    }
    return out;
}

} // namespace

PeriodList::PeriodList(Database& db, const QDate& from, const QDate& to,
                       std::optional<qint64> categoryId)
    : to_(to), categoryId_(categoryId) {
    const QHash<qint64, Sign> signs = categorySigns(db);
    // The unary plus keeps SQLite on the period index (covering and in list order) rather
    // than the category index, which would need the table and a sort.
    Statement st(db, categoryId ? "SELECT ID, 科目ID, 金額, 日付 FROM 明細テーブル "
                                  "WHERE 日付 BETWEEN ?1 AND ?2 AND +科目ID = ?3 "
                                  "ORDER BY 日付, 科目ID, ID"
                                : "SELECT ID, 科目ID, 金額, 日付 FROM 明細テーブル "
                                  "WHERE 日付 BETWEEN ?1 AND ?2 ORDER BY 日付, 科目ID, ID");
    st.bind(1, dateText(from));
    st.bind(2, dateText(to));
    if (categoryId)
        st.bind(3, *categoryId);
    while (st.step()) {
        const qint64 category = st.number(1);
        const auto sign = signs.constFind(category);
        // Listed only with its category, as the joined view lists it.
        if (sign == signs.constEnd())
            continue;
        const qint64 amount = st.number(2);
        ids_ << st.number(0);
        categoryIds_ << category;
        days_ << dayOf(st.text(3));
        if (*sign == Sign::Income)
            income_ += amount;
        else if (*sign == Sign::Expense)
            expense_ += amount;
        const int column = *sign == Sign::Income ? 0 : 1;
        lowest_[column] = qMin(lowest_[column], amount);
        highest_[column] = qMax(highest_[column], amount);
    }
}

QList<std::optional<EntryTexts>> PeriodList::texts(Database& db, int first, int n) const {
    ReadSnapshot snapshot(db);
    const QHash<qint64, CategoryTexts> categories = categoryTexts(db);
    // Onward from the first row's place in the period index, which holds all a row shows.
    // Should the ledger have changed meanwhile, the rows are looked up by their IDs, so what
    // is shown is always exactly the listed entries.
    if (n > 1 && days_[first] != 0) {
        QList<EntryTexts> run = readOnward(
            db, categories, {days_[first], categoryIds_[first], ids_[first]}, n, to_, categoryId_);
        bool same = run.size() == n;
        for (int i = 0; same && i < n; ++i)
            same = run[i].id == ids_[first + i];
        if (same)
            return QList<std::optional<EntryTexts>>(run.begin(), run.end());
    }
    return readEntries(db, categories, ids_.mid(first, n));
}

} // namespace kotsu
