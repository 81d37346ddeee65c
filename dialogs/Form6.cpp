// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form6.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Queries.h"
#include "ledger/Quote.h"
#include "ledger/UndoHistory.h"
#include "ui/ErrorReport.h"
#include "ui/KeyHabits.h"
#include "ui/MainPort.h"
#include "ui/Style.h"
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace kotsu {

Form6::Form6(MainPort& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("コメントの編集"));
    // Even margins all round the list and the button column.
    setFixedSize(6345 / 15, (5910 + 345 + 210) / 15);
    Lblタイトル = new QLabel(QStringLiteral("編　集"), this);
    Lblタイトル->setGeometry(twips(210, 240, 1500, 255));
    styleFormTitle(Lblタイトル);
    orangeRule(this, twips(120, 480, 6105, 45));
    LstKom = new QListWidget(this);
    LstKom->setObjectName(QStringLiteral("LstKom"));
    LstKom->setGeometry(twips(210, 720, 4305, 5520));
    LstKom->setSelectionMode(QAbstractItemView::MultiSelection);
    Command2 = new QPushButton(QStringLiteral("全て選択(&A)"), this);
    Command2->setGeometry(twips(4740, 720, 1395, 345));
    Command3 = new QPushButton(QStringLiteral("選択を解除(&C)"), this);
    Command3->setGeometry(twips(4740, 1230, 1395, 345));
    Command1 = new QPushButton(QStringLiteral("削除(&D)"), this);
    Command1->setGeometry(twips(4740, 1740, 1395, 345));
    Cmb登録 = new QPushButton(QStringLiteral("閉じる(&X)"), this);
    Cmb登録->setGeometry(twips(4890, 5910, 1245, 345));

    LstKom->addItems(main_.commentPhrases());
    const std::pair<QPushButton*, QStyle::StandardPixmap> pictures[] = {
        {Command2, QStyle::SP_DialogApplyButton},
        {Command3, QStyle::SP_DialogResetButton},
        {Command1, QStyle::SP_TrashIcon},
        {Cmb登録, QStyle::SP_DialogCloseButton}};
    for (const auto& [button, picture] : pictures) {
        button->setIcon(style()->standardIcon(picture));
        // No button is the default: Enter presses the focused one only.
        button->setAutoDefault(false);
    }
    pressFocusedButtonOnEnter(this);
    LstKom->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(Cmb登録, &QPushButton::clicked, this, &QDialog::accept);
}

void Form6::Command1_Click() {
    try {
        Database db(main_.ledgerPath());
        {
            StepRecorder step(db, main_.undoHistory(), QStringLiteral("コメントの削除"));
            Transaction t(db);
            const int n = LstKom->count();
            for (int i = 0; i < n; ++i) {
                if (!LstKom->item(i)->isSelected())
                    continue;
                Recordset rs = db.openRecordset(
                    QStringLiteral("select * from コメントテーブル where コメント名前 = ") +
                    sql::text(LstKom->item(i)->text()));
                // A phrase removed meanwhile is simply skipped.
                if (!rs.atEnd())
                    rs.deleteCurrent();
            }
            t.commit();
            step.finish();
        }
        LstKom->clear();
        walkCounted(
            db, QStringLiteral("select * from コメントテーブル"),
            QStringLiteral("select count(ID) as RecCnt from コメントテーブル"),
            [this](Recordset& rs) { LstKom->addItem(rs.text(QStringLiteral("コメント名前"))); });
    } catch (const LedgerError& e) {
        reportLedgerError(this, e);
    }
}

void Form6::Command2_Click() {
    LstKom->selectAll();
}
void Form6::Command3_Click() {
    LstKom->clearSelection();
}

void MnuKom_Click(MainPort& main) {
    if (!main.mayWrite())
        return;
    {
        Form6 editor(main, main.window());
        editor.exec();
    }
    main.reloadComments();
}

} // namespace kotsu
