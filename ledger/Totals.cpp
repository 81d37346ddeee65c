#include "ledger/Totals.h"
#include "ledger/Database.h"
#include "ledger/Quote.h"

namespace kotsu {

SignTotals allTimeTotals(Database& db) {
    // Summed per category on the (科目ID, 金額) index, then joined with the few categories.
    Recordset rs = db.openRecordset(
        QStringLiteral("Select k.収支 as 収支, sum(t.SumKin) as SumKin From 科目テーブル k Join "
                       "(Select 科目ID, sum(金額) as SumKin From 明細テーブル Group by 科目ID) t "
                       "On t.科目ID = k.ID "
                       "Group by k.収支"));
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

QHash<qint64, qint64> periodTotalsByCategory(Database& db, const QDate& from, const QDate& to) {
    Recordset rs = db.openRecordset(
        QStringLiteral("Select 科目ID, sum(金額) as SumKin From 明細テーブル Where 日付 "
                       "Between ") +
        sql::date(from) + QStringLiteral(" and ") + sql::date(to) +
        QStringLiteral(" Group by 科目ID"));
    QHash<qint64, qint64> totals;
    for (; !rs.atEnd(); rs.moveNext())
        totals.insert(rs.number(QStringLiteral("科目id")), rs.number(QStringLiteral("sumkin")));
    return totals;
}

} // namespace kotsu
