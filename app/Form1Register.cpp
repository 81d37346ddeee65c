// SPDX-License-Identifier: GPL-3.0-or-later
// The registration band: a new entry, and its date through the calendar.
#include "app/Form1.h"
#include "common/values.h"
#include "datepick/Form2.h"
#include "dialogs/Selection.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Operations.h"
#include "ui/ErrorReport.h"
#include "ui/MessageBox.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace kotsu {

void Form1::Btn日付_Click() {
    const QString kept = Tag;
    Tag = QStringLiteral("TOUROKU");
    {
        Form2 picker(*this, this);
        picker.exec();
    }
    Tag = kept;
}

void Form1::Cmb登録_Click() {
    if (!mayWrite())
        return;
    const auto amount = toYen(Txt登録金額->text());
    if (!amount) {
        MessageBox::error(this, QStringLiteral("金額が不正です！！"), QStringLiteral("金額エラー"));
        Txt登録金額->setFocus();
        return;
    }
    const QString comment = Cmb登録コメント->currentText();
    try {
        Database db(ledgerPath_);
        StepRecorder step(db, history_, QStringLiteral("登録"));
        Transaction t(db);
        if (Cmb登録科目->currentIndex() < 0 ||
            !registerEntry(db, Lbl登録日付->text(), Cmb登録科目->currentData().toLongLong(),
                           *amount, comment)) {
            selectionError(this, QStringLiteral("科目が登録されていません！！"));
            Cmb登録科目->setFocus();
            return;
        }
        t.commit();
        step.finish();
    } catch (const LedgerError& e) {
        reportLedgerError(this, e);
        return;
    }
    // Set, not cleared: clearing is typing the box could undo, and Ctrl+Z belongs to the step.
    Txt登録金額->setText(QString());
    reloadAll();
    // The next entry starts where the first one did.
    Cmb登録科目->setFocus();
}

void Form1::Cmb登録コメント_Picked(const QString& phrase) {
    const auto use = std::find_if(phraseUses_.cbegin(), phraseUses_.cend(),
                                  [&](const PhraseUse& u) { return u.phrase == phrase; });
    if (use == phraseUses_.cend() || !use->used)
        return;
    if (!categoryChosen_) {
        const int row = Cmb登録科目->findData(use->categoryId);
        if (row >= 0)
            Cmb登録科目->setCurrentIndex(row);
    }
    if (Txt登録金額->text().isEmpty()) {
        Txt登録金額->setText(QString::number(use->amount));
        // Typing over it replaces it.
        Txt登録金額->selectAll();
    }
}

} // namespace kotsu
