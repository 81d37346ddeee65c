// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Totals.h"
#include "common/values.h"
#include "ledger/Database.h"
#include "ledger/Statement.h"

namespace kotsu {

SignTotals allTimeTotals(Database& db) {
    Recordset rs = db.openRecordset(
        QStringLiteral("Select k.収支 as 収支, sum(t.合計金額) as SumKin From 科目テーブル k "
                       "Join 科目集計テーブル t On t.科目ID = k.ID Group by k.収支"));
    SignTotals totals;
    for (; !rs.atEnd(); rs.moveNext()) {
        const QString sign = rs.text(QStringLiteral("収支"));
        if (sign == QLatin1String("+"))
            totals.income = rs.number(QStringLiteral("sumkin"));
        else if (sign == QLatin1String("-"))
            totals.expense = rs.number(QStringLiteral("sumkin"));
    }
    return totals;
}

// Both step through the period index in C++: a GROUP BY would sort what the index already
// holds, and costs about twice as much.
QHash<qint64, qint64> periodTotalsByCategory(Database& db, const QDate& from, const QDate& to) {
    Statement st(db, "SELECT 科目ID, 金額 FROM 明細テーブル WHERE 日付 BETWEEN ?1 AND ?2");
    st.bind(1, dateText(from));
    st.bind(2, dateText(to));
    QHash<qint64, qint64> totals;
    while (st.step())
        totals[st.number(0)] += st.number(1);
    return totals;
}

QHash<qint64, MonthTotals> monthTotalsByCategory(Database& db, const QDate& from, const QDate& to) {
    Statement st(db, "SELECT 科目ID, CAST(substr(日付, 6, 2) AS INTEGER), 金額 FROM 明細テーブル "
                     "WHERE 日付 BETWEEN ?1 AND ?2");
    st.bind(1, dateText(from));
    st.bind(2, dateText(to));
    QHash<qint64, MonthTotals> totals;
    while (st.step()) {
        const qint64 month = st.number(1) - 1;
        if (month < 0 || month >= 12)
            continue;
        auto at = totals.find(st.number(0));
        if (at == totals.end())
            at = totals.insert(st.number(0), MonthTotals{});
        (*at)[month] += st.number(2);
    }
    return totals;
}

} // namespace kotsu
