// SPDX-License-Identifier: GPL-3.0-or-later
// The entry list band: Flx明細 and the period and balance totals.
#include "app/EntryRows.h"
#include "app/FlexGrid.h"
#include "app/Form1.h"
#include "common/values.h"
#include "ledger/Database.h"
#include "ledger/EntryList.h"
#include "ledger/Totals.h"
#include "ui/ListColumns.h"
#include <QComboBox>
#include <QLabel>
#include <optional>

namespace kotsu {

void Form1::Sub明細初期化() {
    Flx明細->clear();
    for (int c = 0; c < EntryListColumns; ++c) {
        Flx明細->setColWidth(c, entryListTwips(c));
        Flx明細->setTextMatrix(0, c, entryListTitle(c));
    }
}

void Form1::Sub明細読み込み(const QDate& StYMD, const QDate& EdYMD) {
    showEntryList(readEntryList(StYMD, EdYMD));
}

Form1::EntryListRead Form1::readEntryList(const QDate& StYMD, const QDate& EdYMD) const {
    // A chosen category filters by its own ID: its name may hold wildcard characters or be
    // shared with another category.
    const int filter = Cmb明細科目->currentIndex();
    const std::optional<qint64> category =
        filter <= 0 ? std::nullopt
                    : std::optional<qint64>(Cmb明細科目->itemData(filter).toLongLong());

    Database db(ledgerPath_);
    // Which entries and what they add up to, from the index; their texts are read as the
    // rows are shown.
    PeriodList listed(db, StYMD, EdYMD, category);
    const SignTotals all = allTimeTotals(db);
    return {std::move(listed), all.income, all.expense};
}

void Form1::showEntryList(EntryListRead read) {
    PeriodList& listed = read.listed;
    const qint64 income = listed.income();
    const qint64 expense = listed.expense();
    {
        RedrawPause pause(Flx明細);
        // Numbers are never cut short: their columns grow to the widest the period holds.
        Flx明細->fitColumnTo(0, QString::number(listed.count()));
        Flx明細->fitColumnToAmounts(3, listed.lowest(0), listed.highest(0));
        Flx明細->fitColumnToAmounts(4, listed.lowest(1), listed.highest(1));
        Flx明細->setSource(std::make_unique<EntryRows>(ledgerPath_, std::move(listed)));
    }

    Lbl集計収入->setText(formatAmount(income));
    Lbl集計支出->setText(formatAmount(expense));
    setTotalColour(Lbl集計合計, income - expense);
    Lbl集計合計->setText(formatAmount(income - expense));

    setTotalColour(Lbl集計残高, read.allIncome - read.allExpense);
    Lbl集計残高->setText(formatAmount(read.allIncome - read.allExpense));
}

} // namespace kotsu
