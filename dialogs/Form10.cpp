// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form10.h"
#include "common/values.h"
#include "dialogs/Form11.h"
#include "dialogs/Form12.h"
#include "dialogs/Selection.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/UndoHistory.h"
#include "ui/Clock.h"
#include "ui/ErrorReport.h"
#include "ui/KeyHabits.h"
#include "ui/ListColumns.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kotsu {

namespace {

QString monthsText(const FixedEntry& f) {
    return monthText(f.start) + QStringLiteral("～") +
           (f.end.isValid() ? monthText(f.end) : QString());
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(align | Qt::AlignVCenter);
    return item;
}

} // namespace

Form10::Form10(MainPort& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("定期明細の設定"));
    Flx定期 = new QTableWidget(0, Columns, this);
    Flx定期->setHorizontalHeaderLabels({QStringLiteral("日"), QStringLiteral("科目"),
                                        QStringLiteral("金額"), QStringLiteral("コメント"),
                                        QStringLiteral("土日"), QStringLiteral("期間")});
    setUpRowList(Flx定期);
    Flx定期->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Flx定期->horizontalHeader()->setSectionResizeMode(Comment, QHeaderView::Stretch);
    Flx定期->installEventFilter(this);
    Command1 = new QPushButton(QStringLiteral("追加(&A)"), this);
    Command2 = new QPushButton(QStringLiteral("修正(&E)"), this);
    Command3 = new QPushButton(QStringLiteral("削除(&D)"), this);
    Command4 = new QPushButton(QStringLiteral("閉じる(&X)"), this);
    for (QPushButton* b : {Command1, Command2, Command3, Command4})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    buttons->addStretch();
    buttons->addWidget(Command4);
    auto* top = new QVBoxLayout(this);
    top->addWidget(Flx定期, 1);
    top->addLayout(buttons);
    resize(640, 340);

    QWidget::setTabOrder(Flx定期, Command1);
    QWidget::setTabOrder(Command1, Command2);
    QWidget::setTabOrder(Command2, Command3);
    QWidget::setTabOrder(Command3, Command4);
    pressFocusedButtonOnEnter(this);

    connect(Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form10::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &QDialog::reject);
    connect(Flx定期, &QTableWidget::cellDoubleClicked, this, &Form10::Command2_Click);

    reload(0);
    if (entries_.isEmpty())
        Command1->setFocus();
    else
        Flx定期->setFocus();
}

void Form10::reload(qint64 currentId) {
    const int before = Flx定期->currentRow();
    try {
        Database db(main_.ledgerPath());
        entries_ = fixedEntries(db);
    } catch (const LedgerError& e) {
        entries_.clear();
        reportLedgerError(this, e);
    }
    Flx定期->setRowCount(int(entries_.size()));
    int current = qMin(qMax(before, 0), int(entries_.size()) - 1);
    for (int r = 0; r < entries_.size(); ++r) {
        const FixedEntry& f = entries_[r];
        Flx定期->setItem(r, Day, cell(dayText(f.day), Qt::AlignRight));
        Flx定期->setItem(r, Category, cell(f.category));
        Flx定期->setItem(r, Amount, cell(formatAmount(f.amount), Qt::AlignRight));
        Flx定期->setItem(r, Comment, cell(f.comment));
        Flx定期->setItem(r, Weekend, cell(weekendText(f.weekend)));
        Flx定期->setItem(r, Months, cell(monthsText(f)));
        if (f.id == currentId)
            current = r;
    }
    if (current >= 0)
        Flx定期->setCurrentCell(current, 0);
}

const FixedEntry* Form10::currentEntry() {
    const int row = Flx定期->currentRow();
    if (row < 0 || row >= entries_.size()) {
        selectionError(this, QStringLiteral("定期明細が選択されていません！！"));
        return nullptr;
    }
    return &entries_[row];
}

void Form10::Command1_Click() {
    Form12 editor(main_, this);
    editor.startNew(Clock::today());
    if (editor.exec() == QDialog::Accepted)
        reload(editor.savedId());
    Flx定期->setFocus();
}

void Form10::Command2_Click() {
    const FixedEntry* f = currentEntry();
    if (!f)
        return;
    Form12 editor(main_, this);
    editor.load(*f);
    if (editor.exec() == QDialog::Accepted)
        reload(editor.savedId());
    Flx定期->setFocus();
}

void Form10::Command3_Click() {
    const FixedEntry* f = currentEntry();
    if (!f)
        return;
    const QChar lf = QLatin1Char('\n');
    const QString question = QStringLiteral("下記の定期明細を削除してもよろしいですか？") + lf +
                             QStringLiteral("日：") + dayText(f->day) + lf +
                             QStringLiteral("科目：") + f->category + lf +
                             QStringLiteral("金額：") + formatAmount(f->amount) + lf +
                             QStringLiteral("コメント：") + f->comment + lf;
    if (MessageBox::show(this, question, QStringLiteral("削除確認"), MessageBox::Icon::None,
                         MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes)
        return;
    try {
        Database db(main_.ledgerPath());
        StepRecorder step(db, main_.undoHistory(), QStringLiteral("定期明細の削除"));
        Transaction t(db);
        deleteFixedEntry(db, f->id);
        t.commit();
        step.finish();
    } catch (const LedgerError& e) {
        reportLedgerError(this, e);
    }
    reload(0);
    Flx定期->setFocus();
}

bool Form10::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Flx定期 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Command2_Click();
            return true;
        }
        if (key == Qt::Key_Delete) {
            Command3_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MnuTeiki_Click(MainPort& main) {
    if (!main.mayWrite())
        return;
    {
        Form10 settings(main, main.window());
        settings.exec();
    }
    // A new comment became a phrase.
    main.reloadComments();
    proposeFixedEntries(main, false);
}

} // namespace kotsu
