// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form4.h"
#include "common/values.h"
#include "dialogs/Selection.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Queries.h"
#include "ledger/Quote.h"
#include "ledger/UndoHistory.h"
#include "ui/ErrorReport.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"
#include "ui/Style.h"
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kotsu {

namespace {
// Fields in the order the record was always written: name, budget, sign.
void writeCategory(Recordset& rs, const QString& name, bool expense, qint32 budget) {
    rs.setValue(QStringLiteral("科目名前"), name);
    rs.setValue(QStringLiteral("予算"), budget);
    rs.setValue(QStringLiteral("収支"), expense ? QStringLiteral("-") : QStringLiteral("+"));
    rs.update();
}
} // namespace

Form4::Form4(MainPort& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("科目の新規追加"));
    Lblタイトル = new QLabel(QStringLiteral("新　規"), this);
    styleFormTitle(Lblタイトル);
    Txt科目名 = new QLineEdit(this);
    Txt科目名->setMinimumWidth(160);
    Opt収支[0] = new QRadioButton(QStringLiteral("収入"), this);
    Opt収支[1] = new QRadioButton(QStringLiteral("支出"), this);
    auto* group = new QButtonGroup(this);
    group->addButton(Opt収支[0], 0);
    group->addButton(Opt収支[1], 1);
    Opt収支[0]->setChecked(true);
    for (QRadioButton* b : Opt収支)
        b->installEventFilter(this);
    Txt予算 = new QLineEdit(this);
    // Room for every 32-bit budget with its grouping, so a budget shown is never cut.
    Txt予算->setMaxLength(14);
    Txt予算->setAlignment(Qt::AlignRight);
    Txt予算->setAttribute(Qt::WA_InputMethodEnabled, false);
    Cmb登録 = new QPushButton(QStringLiteral("OK(&O)"), this);
    Command1 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"), this);
    Cmb登録->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("名前："), this), 0, 0);
    grid->addWidget(Txt科目名, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("収支："), this), 1, 0);
    auto* options = new QHBoxLayout;
    options->addWidget(Opt収支[0]);
    options->addWidget(Opt収支[1]);
    options->addStretch();
    grid->addLayout(options, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("予算："), this), 2, 0);
    grid->addWidget(Txt予算, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cmb登録);
    buttons->addWidget(Command1);
    auto* top = new QVBoxLayout(this);
    top->addWidget(Lblタイトル);
    top->addLayout(grid);
    top->addLayout(buttons);

    // Toggled covers the opener's selection as well as a click.
    connect(Opt収支[0], &QRadioButton::toggled, this, &Form4::Opt収支_Click);
    connect(Cmb登録, &QPushButton::clicked, this, &Form4::Cmb登録_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
    Opt収支_Click();
}

QString Form4::currentName(Database& db) const {
    Recordset rs = db.openRecordset(QStringLiteral("Select * From 科目テーブル Where ID = ") +
                                    sql::number(Tag.toLongLong()));
    return rs.atEnd() ? QString() : rs.text(QStringLiteral("科目名前"));
}

void Form4::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Typing replaces the proposed name.
    Txt科目名->setFocus();
    Txt科目名->selectAll();
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == Opt収支[0] || watched == Opt収支[1])) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int chosen = key == Qt::Key_Left || key == Qt::Key_Up      ? 0
                           : key == Qt::Key_Right || key == Qt::Key_Down ? 1
                                                                         : -1;
        if (chosen >= 0) {
            Opt収支[chosen]->setChecked(true);
            Opt収支[chosen]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool Form4::isNewMode() const {
    return Lblタイトル->text() == QStringLiteral("新　規");
}

void Form4::Opt収支_Click() {
    Txt予算->setEnabled(!Opt収支[0]->isChecked());
    // Tab enters the pair at the chosen option. Qt would keep it on whichever was focused
    // last, an unchosen option on a later opening, where an arrow key then changes nothing.
    for (QRadioButton* b : Opt収支)
        b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form4::Cmb登録_Click() {
    const bool expense = Opt収支[1]->isChecked();
    const auto budget = toYen(Txt予算->text());
    if (expense && !budget) {
        MessageBox::error(this, QStringLiteral("金額が不正です！！"), QStringLiteral("金額エラー"));
        Txt予算->setFocus();
        return;
    }
    const QString name = Txt科目名->text();
    if (name.isEmpty()) {
        selectionError(this, QStringLiteral("指定された科目名は無効です！！"));
        Txt科目名->setFocus();
        return;
    }
    try {
        Database db(main_.ledgerPath());
        // A name another category already has would make every lookup by name ambiguous.
        // Keeping its own name is fine, even where older data already shares it.
        if (isNewMode() || name != currentName(db)) {
            const qint64 same = readCount(
                db,
                QStringLiteral("Select count(ID) as RecCnt From 科目テーブル Where 科目名前 = ") +
                    sql::text(name));
            if (same > 0) {
                MessageBox::error(this, QStringLiteral("指定された科目名は既に存在します！！"),
                                  QStringLiteral("重複エラー"));
                Txt科目名->setFocus();
                return;
            }
        }
        StepRecorder step(db, main_.undoHistory(),
                          isNewMode() ? QStringLiteral("科目の追加")
                                      : QStringLiteral("科目の修正"));
        if (isNewMode()) {
            Recordset rs = db.openTable(QStringLiteral("科目テーブル"));
            rs.addNew();
            writeCategory(rs, name, expense, expense ? *budget : 0);
        } else {
            Recordset rs =
                db.openRecordset(QStringLiteral("Select * From 科目テーブル Where ID = ") +
                                 sql::number(Tag.toLongLong()));
            // Gone meanwhile: nothing is left to edit.
            if (rs.atEnd()) {
                categoryNotFound(this);
                reject();
                return;
            }
            rs.edit();
            writeCategory(rs, name, expense, expense ? *budget : 0);
        }
        step.finish();
    } catch (const LedgerError& e) {
        if (e.number() != LedgerError::RowGone) {
            reportLedgerError(this, e);
            return;
        }
        categoryNotFound(this);
        reject();
        return;
    }
    accept();
}

} // namespace kotsu
