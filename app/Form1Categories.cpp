// SPDX-License-Identifier: GPL-3.0-or-later
// The category summary band: FLx科目, the category lists, the budget comparison.
#include "app/FlexGrid.h"
#include "app/Form1.h"
#include "common/values.h"
#include "dialogs/Form3.h"
#include "dialogs/Form7.h"
#include "ledger/Database.h"
#include "ledger/Queries.h"
#include "ledger/Totals.h"
#include <QComboBox>
#include <QLabel>
#include <optional>

namespace kotsu {

void Form1::Sub科目初期化() {
    FLx科目->clear();
    const int widths[] = {300, 1530, 300, 1100, 1100, 1100};
    const QString titles[] = {QStringLiteral("No"),       QStringLiteral("　　　科目"),
                              QStringLiteral("±"),        QStringLiteral("　　予算"),
                              QStringLiteral("　　合計"), QStringLiteral("　　差額")};
    for (int c = 0; c < 6; ++c) {
        FLx科目->setColWidth(c, widths[c]);
        FLx科目->setTextMatrix(0, c, titles[c]);
    }
}

void Form1::Sub科目読み込み(const QDate& StYMD, const QDate& EdYMD) {
    showCategories(readCategories(StYMD, EdYMD));
}

Form1::CategoriesRead Form1::readCategories(const QDate& StYMD, const QDate& EdYMD) const {
    CategoriesRead read;
    Database db(ledgerPath_);
    walkCounted(db, QStringLiteral("Select * From 科目テーブル Order by ID Asc"),
                QStringLiteral("Select count(ID) as RecCnt From 科目テーブル"), [&](Recordset& rs) {
                    read.rows.append(
                        {rs.number(QStringLiteral("id")), rs.text(QStringLiteral("科目名前")),
                         rs.text(QStringLiteral("収支")), rs.number(QStringLiteral("予算"))});
                });
    read.totals = periodTotalsByCategory(db, StYMD, EdYMD);
    // Budgets are monthly: a whole year is held against twelve of them.
    const bool wholeYear =
        StYMD == QDate(StYMD.year(), 1, 1) && EdYMD == QDate(StYMD.year(), 12, 31);
    read.budgetMonths = wholeYear ? 12 : 1;
    return read;
}

void Form1::showCategories(const CategoriesRead& read) {
    // The filter stays on its category, wherever that now stands in the list.
    const QVariant filtered =
        Cmb明細科目->currentIndex() > 0 ? Cmb明細科目->currentData() : QVariant();
    QComboBox* const registration[] = {Cmb登録科目, form3_->Cmb登録科目, form7_->Cmb修正後};
    Cmb明細科目->clear();
    Cmb明細科目->addItem(QStringLiteral("すべての科目"));
    for (QComboBox* c : registration)
        c->clear();

    std::optional<RedrawPause> pause(FLx科目);
    科目IDs.clear();
    科目IDs.reserve(int(read.rows.size()));
    FLx科目->setRows(int(read.rows.size()) + 1);
    qint64 budgetTotal = 0;
    qint64 expense = 0;
    // Extremes of the budget, total and difference columns, for their widths.
    qint64 lo[3] = {0, 0, 0};
    qint64 hi[3] = {0, 0, 0};
    auto put = [&](int row, int column, qint64 v) {
        FLx科目->setAmount(row, column, v);
        lo[column - 3] = qMin(lo[column - 3], v);
        hi[column - 3] = qMax(hi[column - 3], v);
    };
    int r = 1;
    for (const CategoriesRead::Row& c : read.rows) {
        科目IDs << QString::number(c.id);
        const qint64 total = read.totals.value(c.id, 0);
        FLx科目->setTextMatrix(r, 0, QString::number(r));
        FLx科目->setTextMatrix(r, 1, c.name);
        FLx科目->setTextMatrix(r, 2, c.sign);
        put(r, 4, total);
        if (c.sign == QLatin1String("-")) {
            const qint64 budget = c.budget * read.budgetMonths;
            put(r, 3, budget);
            put(r, 5, budget - total);
            budgetTotal += budget;
            expense += total;
        } else {
            FLx科目->setTextMatrix(r, 3, QString());
            FLx科目->setTextMatrix(r, 5, QString());
        }
        // Every list carries each category's ID, so a position never goes back through its
        // name.
        Cmb明細科目->addItem(c.name, c.id);
        for (QComboBox* list : registration)
            list->addItem(c.name, c.id);
        ++r;
    }
    FLx科目->fitColumnTo(0, QString::number(FLx科目->rows() - 1));
    for (int column = 3; column <= 5; ++column)
        FLx科目->fitColumnToAmounts(column, lo[column - 3], hi[column - 3]);
    pause.reset();

    Lbl集計予算->setText(formatAmount(budgetTotal));
    Lbl集計支出2->setText(formatAmount(expense));
    setTotalColour(Lbl集計差額, budgetTotal - expense);
    Lbl集計差額->setText(formatAmount(budgetTotal - expense));

    // A category gone leaves all categories chosen.
    Cmb明細科目->setCurrentIndex(filtered.isValid() ? qMax(0, Cmb明細科目->findData(filtered)) : 0);
    if (Cmb登録科目->count() > 0)
        Cmb登録科目->setCurrentIndex(0);
    categoryChosen_ = false;
}

} // namespace kotsu
