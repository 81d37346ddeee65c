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

} // namespace

PeriodEntries listPeriod(Database& db, const QDate& from, const QDate& to,
                         std::optional<qint64> categoryId) {
    const QHash<qint64, Sign> signs = categorySigns(db);
    // The unary plus keeps SQLite on the period index (covering and in list order) rather
    // than the category index, which would need the table and a sort.
    Statement st(db, categoryId ? "SELECT ID, 科目ID, 金額 FROM 明細テーブル "
                                  "WHERE 日付 BETWEEN ?1 AND ?2 AND +科目ID = ?3 "
                                  "ORDER BY 日付, 科目ID, ID"
                                : "SELECT ID, 科目ID, 金額 FROM 明細テーブル "
                                  "WHERE 日付 BETWEEN ?1 AND ?2 ORDER BY 日付, 科目ID, ID");
    st.bind(1, dateText(from));
    st.bind(2, dateText(to));
    if (categoryId)
        st.bind(3, *categoryId);
    PeriodEntries out;
    while (st.step()) {
        const qint64 category = st.number(1);
        const auto sign = signs.constFind(category);
        // Listed only with its category, as the joined view lists it.
        if (sign == signs.constEnd())
            continue;
        const qint64 amount = st.number(2);
        out.ids << st.number(0);
        out.categoryIds << category;
        if (*sign == Sign::Income)
            out.income += amount;
        else if (*sign == Sign::Expense)
            out.expense += amount;
        const int column = *sign == Sign::Income ? 0 : 1;
        out.lowest[column] = qMin(out.lowest[column], amount);
        out.highest[column] = qMax(out.highest[column], amount);
    }
    return out;
}

QList<EntryTexts> readEntries(Database& db, const QList<qint64>& ids) {
    if (ids.isEmpty())
        return {};
    QString list;
    for (qint64 id : ids)
        list += (list.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(id);
    // Numbers only: the IDs are integers, never text from outside.
    const QByteArray sql =
        QStringLiteral("SELECT m.ID, m.日付, k.科目名前, k.収支, m.金額, m.コメント "
                       "FROM 明細テーブル m JOIN 科目テーブル k ON k.ID = m.科目ID "
                       "WHERE m.ID IN (%1)")
            .arg(list)
            .toUtf8();
    QHash<qint64, EntryTexts> found;
    Statement st(db, sql.constData());
    while (st.step()) {
        EntryTexts e;
        e.id = st.number(0);
        e.date = st.text(1);
        e.category = st.text(2);
        e.sign = st.text(3);
        e.amount = st.number(4);
        e.comment = st.text(5);
        found.insert(e.id, e);
    }
    QList<EntryTexts> out;
    out.reserve(ids.size());
    for (qint64 id : ids) {
        const auto e = found.constFind(id);
        if (e == found.constEnd())
            throw LedgerError(LedgerError::NoCurrentRecord,
                              QStringLiteral("明細 (ID %1) が見つかりません。").arg(id));
        out << *e;
    }
    return out;
}

} // namespace kotsu
