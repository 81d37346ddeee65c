// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form3.h"
#include "common/values.h"
#include "datepick/Form2.h"
#include "dialogs/Selection.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Operations.h"
#include "ledger/Quote.h"
#include "ledger/UndoHistory.h"
#include "ui/ErrorReport.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"
#include "ui/QuickFill.h"
#include "ui/Style.h"
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace kotsu {

Form3::Form3(MainPort& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("明細の修正"));
    Label1 = new QLabel(QStringLiteral("修　正"), this);
    styleFormTitle(Label1);
    Lbl登録日付 = new QLabel(this);
    Lbl登録日付->setObjectName(QStringLiteral("Lbl登録日付"));
    Lbl登録日付->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Lbl登録日付->setMinimumWidth(100);
    Btn日付 = new QPushButton(QStringLiteral("…"), this);
    Btn日付->setFixedWidth(28);
    Btn日付->setToolTip(QStringLiteral("登録日をカレンダーで選びます（Ctrl+D）"));
    Cmb登録科目 = new QComboBox(this);
    Cmb登録科目->setMinimumWidth(140);
    Txt登録金額 = new QLineEdit(this);
    // Room for every 32-bit amount with its grouping, so an amount shown is never cut.
    Txt登録金額->setMaxLength(14);
    Txt登録金額->setAlignment(Qt::AlignRight);
    Txt登録金額->setAttribute(Qt::WA_InputMethodEnabled, false);
    Cmb登録コメント = new QComboBox(this);
    Cmb登録コメント->setEditable(true);
    Cmb登録コメント->setInsertPolicy(QComboBox::NoInsert);
    // Phrases are suggestions in the list only: a completer would rewrite what was typed.
    Cmb登録コメント->setCompleter(nullptr);
    Cmb登録コメント->setMinimumWidth(200);
    commentFill = new QuickFill(Cmb登録コメント);
    Cmb登録 = new QPushButton(QStringLiteral("OK(&O)"), this);
    Command1 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"), this);
    // Enter in a box saves; "…" opens the calendar only when it has the focus itself.
    Cmb登録->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("年月日："), this), 0, 0);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(Lbl登録日付);
    dateRow->addWidget(Btn日付);
    dateRow->addStretch();
    grid->addLayout(dateRow, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("科目："), this), 1, 0);
    grid->addWidget(Cmb登録科目, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("金額："), this), 2, 0);
    grid->addWidget(Txt登録金額, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("コメント："), this), 3, 0);
    grid->addWidget(Cmb登録コメント, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cmb登録);
    buttons->addWidget(Command1);
    auto* top = new QVBoxLayout(this);
    top->addWidget(Label1);
    top->addLayout(grid);
    top->addLayout(buttons);

    for (auto [from, to] : {std::pair<QWidget*, QWidget*>{Cmb登録科目, Txt登録金額},
                            {Txt登録金額, Cmb登録コメント},
                            {Cmb登録コメント, Cmb登録},
                            {Cmb登録, Command1},
                            {Command1, Btn日付}})
        setTabOrder(from, to);

    connect(Btn日付, &QPushButton::clicked, this, &Form3::Btn日付_Click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this), &QShortcut::activated, this,
            &Form3::Btn日付_Click);
    connect(Cmb登録, &QPushButton::clicked, this, &Form3::Cmb登録_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
}

void Form3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Cmb登録科目->setFocus();
}

void Form3::Btn日付_Click() {
    const QString kept = main_.tag();
    main_.setTag(QStringLiteral("EDIT"));
    {
        Form2 picker(main_, this);
        picker.exec();
    }
    main_.setTag(kept);
}

void Form3::Cmb登録_Click() {
    const auto amount = toYen(Txt登録金額->text());
    if (!amount) {
        MessageBox::error(this, QStringLiteral("金額が不正です！！"), QStringLiteral("金額エラー"));
        Txt登録金額->setFocus();
        return;
    }
    try {
        Database db(main_.ledgerPath());
        StepRecorder step(db, main_.undoHistory(), QStringLiteral("明細の修正"));
        // The old entry goes only together with the new one's arrival.
        Transaction t(db);
        Recordset old = db.openRecordset(QStringLiteral("Select * From 明細テーブル Where ID = ") +
                                         sql::number(Tag.toLongLong()));
        // Gone meanwhile: writing the new one would bring a deleted entry back.
        if (old.atEnd()) {
            entryNotFound(this);
            reject();
            return;
        }
        old.deleteCurrent();
        if (Cmb登録科目->currentIndex() < 0 ||
            !registerEntry(db, Lbl登録日付->text(), Cmb登録科目->currentData().toLongLong(),
                           *amount, Cmb登録コメント->currentText())) {
            categoryNotFound(this);
            return;
        }
        t.commit();
        step.finish();
    } catch (const LedgerError& e) {
        reportLedgerError(this, e);
        return;
    }
    accept();
}

} // namespace kotsu
