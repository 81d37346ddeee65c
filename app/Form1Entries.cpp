// The entry list band: Flx明細 and the period and balance totals.
#include "app/FlexGrid.h"
#include "app/Form1.h"
#include "common/values.h"
#include "ledger/Database.h"
#include "ledger/Queries.h"
#include "ledger/Quote.h"
#include "ledger/Totals.h"
#include <QComboBox>
#include <QLabel>
#include <optional>

namespace kotsu {

void Form1::Sub明細初期化() {
    Flx明細->clear();
    const int widths[] = {300, 1200, 1530, 1100, 1100, 2130};
    const QString titles[] = {QStringLiteral("No"),         QStringLiteral("　　日付"),
                              QStringLiteral("　　　科目"), QStringLiteral("　　収入"),
                              QStringLiteral("　　支出"),   QStringLiteral("　　　 コメント")};
    for (int c = 0; c < 6; ++c) {
        Flx明細->setColWidth(c, widths[c]);
        Flx明細->setTextMatrix(0, c, titles[c]);
    }
}

void Form1::Sub明細読み込み(const QDate& StYMD, const QDate& EdYMD) {
    // A chosen category filters by its own ID: its name may hold wildcard characters or be
    // shared with another category.
    const int filter = Cmb明細科目->currentIndex();
    const QString byCategory =
        filter <= 0 ? QStringLiteral(" 科目名前 Like ") + sql::likePattern(QStringLiteral("*"))
                    : QStringLiteral(" 科目ID = ") +
                          sql::number(Cmb明細科目->itemData(filter).toLongLong());
    const QString where = byCategory + QStringLiteral(" and 日付 Between ") + sql::date(StYMD) +
                          QStringLiteral(" and ") + sql::date(EdYMD);

    Database db(ledgerPath_);
    std::optional<RedrawPause> pause(Flx明細);
    const QString rowsSql = QStringLiteral("Select * From 明細クエリ Where") + where +
                            QStringLiteral(" Order by 日付,科目ID Asc");
    const QString countSql =
        QStringLiteral("Select count(ID) as RecCnt From 明細クエリ Where") + where;
    int r = 1;
    // The period totals are the sums of the very rows listed, taken while walking them.
    qint64 income = 0;
    qint64 expense = 0;
    // Extremes of the income and expense columns, whose other cells read "0".
    qint64 lo[2] = {0, 0};
    qint64 hi[2] = {0, 0};
    const auto sizeGrid = [this](qint64 count) { Flx明細->setRows(int(count) + 1); };
    walkCounted(
        db, rowsSql, countSql,
        [&](Recordset& rs) {
            const qint64 amount = rs.number(QStringLiteral("金額"));
            const QString text = formatAmount(amount);
            const QString sign = rs.text(QStringLiteral("収支"));
            const bool isIncome = sign == QLatin1String("+");
            if (isIncome)
                income += amount;
            else if (sign == QLatin1String("-"))
                expense += amount;
            const int column = isIncome ? 0 : 1;
            lo[column] = qMin(lo[column], amount);
            hi[column] = qMax(hi[column], amount);
            Flx明細->setTextMatrix(r, 0, QString::number(r));
            Flx明細->setTextMatrix(r, 1, rs.text(QStringLiteral("日付")));
            Flx明細->setTextMatrix(r, 2, rs.text(QStringLiteral("科目名前")));
            Flx明細->setTextMatrix(r, 3, isIncome ? text : QStringLiteral("0"));
            Flx明細->setTextMatrix(r, 4, isIncome ? QStringLiteral("0") : text);
            Flx明細->setTextMatrix(r, 5, rs.text(QStringLiteral("コメント")));
            Flx明細->setRowKey(r, 0, rs.number(QStringLiteral("id")));
            Flx明細->setRowKey(r, 1, rs.number(QStringLiteral("科目id")));
            ++r;
        },
        sizeGrid);
    // Numbers are never cut short: their columns grow to the widest the period holds.
    Flx明細->fitColumnTo(0, QString::number(r - 1));
    Flx明細->fitColumnToAmounts(3, lo[0], hi[0]);
    Flx明細->fitColumnToAmounts(4, lo[1], hi[1]);
    pause.reset();

    Lbl集計収入->setText(formatAmount(income));
    Lbl集計支出->setText(formatAmount(expense));
    setTotalColour(Lbl集計合計, income - expense);
    Lbl集計合計->setText(formatAmount(income - expense));

    const SignTotals all = allTimeTotals(db);
    setTotalColour(Lbl集計残高, all.income - all.expense);
    Lbl集計残高->setText(formatAmount(all.income - all.expense));
}

} // namespace kotsu
