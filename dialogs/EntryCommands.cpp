// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/EntryCommands.h"
#include "common/values.h"
#include "dialogs/Form3.h"
#include "dialogs/Form7.h"
#include "dialogs/Selection.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Quote.h"
#include "ledger/UndoHistory.h"
#include "ui/ErrorReport.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace kotsu {

QString EntryRow::recordSql() const {
    return QStringLiteral("Select * From 明細クエリ Where ID = ") + sql::number(entryId);
}

EntryCommands::EntryCommands(MainPort& main, Form3& form3, Form7& form7)
    : main_(main), form3_(form3), form7_(form7) {}

std::optional<EntryRow> EntryCommands::currentRow() {
    const int row = main_.entryRow();
    if (main_.entryRows() <= 1 || row < 1) {
        selectionError(main_.window(), QStringLiteral("明細が選択されていません！！"));
        return std::nullopt;
    }
    EntryRow r;
    r.entryId = main_.entryId(row);
    r.categoryId = main_.entryCategoryId(row);
    try {
        r.date = main_.entryCell(row, 1);
        r.category = main_.entryCell(row, 2);
        const qint64 income = main_.entryNumber(row, 3);
        r.amount = income != 0 ? income : main_.entryNumber(row, 4);
        r.comment = main_.entryCell(row, 5);
    } catch (const LedgerError& e) {
        // The row's texts are read from the ledger; an entry gone from it is not found.
        failed(e);
        return std::nullopt;
    }
    return r;
}

void EntryCommands::failed(const LedgerError& e) {
    if (e.number() == LedgerError::NoCurrentRecord || e.number() == LedgerError::RowGone)
        entryNotFound(main_.window());
    else
        reportLedgerError(main_.window(), e);
}

void EntryCommands::MnuMeiEdit_Click() {
    if (!main_.mayWrite())
        return;
    const auto row = currentRow();
    if (!row)
        return;
    const int categoryIndex = form3_.Cmb登録科目->findData(row->categoryId);
    if (categoryIndex < 0) {
        categoryNotFound(main_.window());
        return;
    }
    try {
        Database db(main_.ledgerPath());
        Recordset rs = db.openRecordset(row->recordSql());
        if (rs.atEnd()) {
            entryNotFound(main_.window());
            return;
        }
        form3_.Tag = QString::number(rs.number(QStringLiteral("id")));
    } catch (const LedgerError& e) {
        reportLedgerError(main_.window(), e);
        return;
    }
    form3_.Lbl登録日付->setText(row->date);
    form3_.Cmb登録科目->setCurrentIndex(categoryIndex);
    form3_.Txt登録金額->setText(formatAmount(row->amount));
    form3_.Cmb登録コメント->setEditText(row->comment);
    form3_.exec();
    main_.reloadAll();
}

void EntryCommands::MnuMeiDel_Click() {
    if (!main_.mayWrite())
        return;
    const auto row = currentRow();
    if (!row)
        return;
    try {
        Database db(main_.ledgerPath());
        Recordset rs = db.openRecordset(row->recordSql());
        if (rs.atEnd()) {
            entryNotFound(main_.window());
            return;
        }
        const QChar lf = QLatin1Char('\n');
        const QString question = QStringLiteral("下記の明細を削除してもよろしいですか？") + lf +
                                 QStringLiteral("日付：") + row->date + lf +
                                 QStringLiteral("科目名：") + row->category + lf +
                                 QStringLiteral("金額：") + formatAmount(row->amount) + lf +
                                 QStringLiteral("コメント：") + row->comment + lf;
        const auto answer = MessageBox::show(main_.window(), question, QStringLiteral("明細の削除"),
                                             MessageBox::Icon::None, MessageBox::Buttons::OkCancel);
        if (answer == MessageBox::Answer::Ok) {
            StepRecorder step(db, main_.undoHistory(), QStringLiteral("明細の削除"));
            rs.deleteCurrent();
            step.finish();
        }
    } catch (const LedgerError& e) {
        failed(e);
    }
    main_.reloadAll();
}

void EntryCommands::MnuIkkatu_Click() {
    if (!main_.mayWrite())
        return;
    const auto row = currentRow();
    if (!row)
        return;
    const int index = form7_.Cmb修正後->findData(row->categoryId);
    if (index < 0) {
        categoryNotFound(main_.window());
        return;
    }
    form7_.Lbl修正前->setText(row->category);
    form7_.sourceId = row->categoryId;
    form7_.Cmb修正後->setCurrentIndex(index);
    form7_.exec();
    main_.reloadAll();
}

} // namespace kotsu
