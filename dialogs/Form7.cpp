// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form7.h"
#include "dialogs/Selection.h"
#include "ledger/Database.h"
#include "ledger/FixedEntries.h"
#include "ledger/LedgerError.h"
#include "ledger/Operations.h"
#include "ledger/UndoHistory.h"
#include "ui/ErrorReport.h"
#include "ui/MainPort.h"
#include "ui/Style.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace kotsu {

Form7::Form7(MainPort& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("一括修正"));
    Label1 = new QLabel(QStringLiteral("一括修正"), this);
    styleFormTitle(Label1);
    Lbl修正前 = new QLabel(this);
    Lbl修正前->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Lbl修正前->setTextFormat(Qt::PlainText);
    Lbl修正前->setMinimumWidth(140);
    Cmb修正後 = new QComboBox(this);
    Cmb修正後->setMinimumWidth(140);
    Cmb登録 = new QPushButton(QStringLiteral("OK(&O)"), this);
    Command1 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"), this);
    Cmb登録->setDefault(true);

    auto* line1 = new QHBoxLayout;
    line1->addWidget(new QLabel(QStringLiteral("科目名"), this));
    line1->addWidget(Lbl修正前);
    line1->addWidget(new QLabel(QStringLiteral("の明細を"), this));
    line1->addStretch();
    auto* line2 = new QHBoxLayout;
    line2->addWidget(Cmb修正後);
    line2->addWidget(new QLabel(QStringLiteral("へ変更しますか？"), this));
    line2->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cmb登録);
    buttons->addWidget(Command1);
    auto* top = new QVBoxLayout(this);
    top->addWidget(Label1);
    top->addLayout(line1);
    top->addLayout(line2);
    top->addLayout(buttons);

    connect(Cmb登録, &QPushButton::clicked, this, &Form7::Cmb登録_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
}

void Form7::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Cmb修正後->setFocus();
}

void Form7::Cmb登録_Click() {
    try {
        Database db(main_.ledgerPath());
        const qint64 target = Cmb修正後->currentData().toLongLong();
        if (Cmb修正後->currentIndex() < 0 || !categoryExists(db, sourceId) ||
            !categoryExists(db, target)) {
            categoryNotFound(this);
            return;
        }
        StepRecorder step(db, main_.undoHistory(), QStringLiteral("一括修正"));
        Transaction t(db);
        db.execute(QStringLiteral("Update 明細テーブル Set 科目ID=%1 Where 科目ID = %2")
                       .arg(target)
                       .arg(sourceId));
        moveFixedEntries(db, sourceId, target);
        t.commit();
        step.finish();
    } catch (const LedgerError& e) {
        reportLedgerError(this, e);
        return;
    }
    accept();
}

} // namespace kotsu
