// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CategoryCommands.h"
#include "dialogs/Form4.h"
#include "dialogs/Selection.h"
#include "ledger/Database.h"
#include "ledger/FixedEntries.h"
#include "ledger/LedgerError.h"
#include "ledger/Operations.h"
#include "ledger/Queries.h"
#include "ledger/Quote.h"
#include "ledger/UndoHistory.h"
#include "ui/ErrorReport.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kotsu {

CategoryCommands::CategoryCommands(MainPort& main) : main_(main) {}
CategoryCommands::~CategoryCommands() = default;

Form4& CategoryCommands::loadForm4() {
    if (!form4_)
        form4_ = std::make_unique<Form4>(main_, main_.window());
    return *form4_;
}

void CategoryCommands::showForm4() {
    const int result = form4_->exec();
    // Cancel unloads the editor; OK only hides it.
    if (result != QDialog::Accepted)
        form4_.reset();
    main_.reloadCategories();
    main_.reloadEntries();
}

void CategoryCommands::MnuKamAdd_Click() {
    if (!main_.mayWrite())
        return;
    Form4& f = loadForm4();
    f.Lblタイトル->setText(QStringLiteral("新　規"));
    f.setWindowTitle(QStringLiteral("科目の新規追加"));
    f.Txt科目名->setText(QStringLiteral("新しい科目"));
    f.Txt予算->setText(QStringLiteral("0"));
    f.Opt収支[0]->setChecked(true);
    f.Opt収支_Click();
    showForm4();
}

std::optional<int> CategoryCommands::selectedRow() {
    const int row = main_.summaryRow();
    if (main_.summaryRows() <= 1 || row < 1) {
        selectionError(main_.window(), QStringLiteral("科目が選択されていません！！"));
        return std::nullopt;
    }
    return row;
}

void CategoryCommands::MnuKamEdit_Click() {
    if (!main_.mayWrite())
        return;
    const auto selected = selectedRow();
    if (!selected)
        return;
    const int row = *selected;
    // The row's own category, whatever other category shares its name; its stored monthly
    // budget, whatever period the summary shows.
    const qint64 id = main_.summaryCategoryId(row);
    QString name, sign;
    qint64 budget = 0;
    try {
        Database db(main_.ledgerPath());
        Recordset rs = db.openRecordset(QStringLiteral("Select * From 科目テーブル Where ID = ") +
                                        sql::number(id));
        if (rs.atEnd()) {
            categoryNotFound(main_.window());
            return;
        }
        name = rs.text(QStringLiteral("科目名前"));
        sign = rs.text(QStringLiteral("収支"));
        budget = rs.number(QStringLiteral("予算"));
    } catch (const LedgerError& e) {
        reportLedgerError(main_.window(), e);
        return;
    }
    Form4& f = loadForm4();
    f.Lblタイトル->setText(QStringLiteral("修　正"));
    f.setWindowTitle(QStringLiteral("科目の修正"));
    f.Txt科目名->setText(name);
    f.Tag = QString::number(id);
    f.Opt収支[sign == QLatin1String("+") ? 0 : 1]->setChecked(true);
    f.Opt収支_Click();
    // An income category has no budget to show.
    f.Txt予算->setText(sign == QLatin1String("-") ? QString::number(budget) : QString());
    showForm4();
}

void CategoryCommands::MnuKamDel_Click() {
    if (!main_.mayWrite())
        return;
    const auto row = selectedRow();
    if (!row)
        return;
    const QString name = main_.summaryCell(*row, 1);
    const qint64 categoryId = main_.summaryCategoryId(*row);
    const QString byId = QStringLiteral(" 科目ID = ") + sql::number(categoryId);
    try {
        Database db(main_.ledgerPath());
        Recordset category =
            db.openRecordset(QStringLiteral("Select * from 科目テーブル Where ID = ") +
                             sql::number(main_.summaryCategoryId(*row)));
        if (category.atEnd()) {
            categoryNotFound(main_.window());
            return;
        }
        // Only this category's entries: another of the same name keeps its own.
        const QString entriesSql = QStringLiteral("Select * From 明細クエリ Where") + byId;
        const QString countSql =
            QStringLiteral("Select count(ID) as RecCnt From 明細クエリ Where") + byId;
        const qint64 count = readCount(db, countSql);
        QString question =
            count > 0
                ? QString::number(count) + QStringLiteral("件のデータが科目名「") + name +
                      QStringLiteral("」で明細に登録されています。") + QLatin1Char('\n') +
                      QStringLiteral(
                          "科目を削除するとこれらのデータも削除されますがよろしいですか？")
                : QStringLiteral("下記の科目を削除してもよろしいですか？") + QLatin1Char('\n') +
                      QStringLiteral("科目名前：") + name + QLatin1Char('\n');
        const qint64 fixed = fixedEntryCountOf(db, categoryId);
        if (fixed > 0) {
            if (!question.endsWith(QLatin1Char('\n')))
                question += QLatin1Char('\n');
            question += QStringLiteral("この科目の定期明細（%1件）も削除されます。").arg(fixed);
        }
        const auto answer = MessageBox::show(main_.window(), question, QStringLiteral("削除確認"),
                                             MessageBox::Icon::None, MessageBox::Buttons::OkCancel);
        if (answer == MessageBox::Answer::Ok) {
            // Entries first, then the category: no entry is ever left pointing nowhere.
            StepRecorder step(db, main_.undoHistory(), QStringLiteral("科目の削除"));
            Transaction t(db);
            walkCounted(db, entriesSql, countSql, [](Recordset& rs) { rs.deleteCurrent(); });
            deleteFixedEntriesOf(db, categoryId);
            category.deleteCurrent();
            t.commit();
            step.finish();
        }
    } catch (const LedgerError& e) {
        if (e.number() == LedgerError::RowGone)
            categoryNotFound(main_.window());
        else
            reportLedgerError(main_.window(), e);
    }
    main_.reloadAll();
}

} // namespace kotsu
