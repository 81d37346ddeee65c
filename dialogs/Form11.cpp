// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form11.h"
#include "common/values.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/UndoHistory.h"
#include "ui/Clock.h"
#include "ui/ErrorReport.h"
#include "ui/ListColumns.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kotsu {

namespace {

QTableWidgetItem* cell(const QString& text, Qt::ItemFlags extra = {},
                       Qt::Alignment align = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | extra);
    item->setTextAlignment(align | Qt::AlignVCenter);
    return item;
}

} // namespace

Form11::Form11(MainPort& main, QList<DueOccurrence> due, QWidget* parent)
    : QDialog(parent), main_(main), due_(std::move(due)) {
    setWindowTitle(QStringLiteral("定期明細の登録"));
    Lbl件数 = new QLabel(this);
    Lbl件数->setTextFormat(Qt::PlainText);
    Flx定期 = new QTableWidget(0, Columns, this);
    Flx定期->setHorizontalHeaderLabels({QStringLiteral("日付"), QStringLiteral("科目"),
                                        QStringLiteral("金額"), QStringLiteral("コメント")});
    setUpRowList(Flx定期);
    // Typing a digit or F2 edits the amount; nothing else is editable.
    Flx定期->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    Flx定期->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Flx定期->horizontalHeader()->setSectionResizeMode(Comment, QHeaderView::Stretch);
    Flx定期->installEventFilter(this);
    Cmb登録 = new QPushButton(QStringLiteral("登録(&S)"), this);
    Command1 = new QPushButton(QStringLiteral("後で(&L)"), this);
    Cmb登録->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cmb登録);
    buttons->addWidget(Command1);
    auto* top = new QVBoxLayout(this);
    top->addWidget(Lbl件数);
    top->addWidget(Flx定期, 1);
    top->addLayout(buttons);
    resize(600, 360);

    QWidget::setTabOrder(Flx定期, Cmb登録);
    QWidget::setTabOrder(Cmb登録, Command1);

    connect(Cmb登録, &QPushButton::clicked, this, &Form11::Cmb登録_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);

    fill();
    connect(Flx定期, &QTableWidget::currentCellChanged, this, &Form11::keepAmountCurrent);
    connect(Flx定期, &QTableWidget::itemChanged, this, &Form11::showAmount);
    Flx定期->setFocus();
}

void Form11::fill() {
    Lbl件数->setText(QStringLiteral("%1件の定期明細が未登録です。"
                                    "チェックを外したものは、今後は提案されません。")
                         .arg(due_.size()));
    Flx定期->setRowCount(int(due_.size()));
    for (int r = 0; r < due_.size(); ++r) {
        const DueOccurrence& o = due_[r];
        QTableWidgetItem* date = cell(dateText(o.date), Qt::ItemIsUserCheckable);
        date->setCheckState(Qt::Checked);
        Flx定期->setItem(r, Date, date);
        Flx定期->setItem(r, Category, cell(o.fixed.category));
        Flx定期->setItem(r, Amount,
                         cell(formatAmount(o.fixed.amount), Qt::ItemIsEditable, Qt::AlignRight));
        Flx定期->setItem(r, Comment, cell(o.fixed.comment));
    }
    if (!due_.isEmpty())
        Flx定期->setCurrentCell(0, Amount);
}

bool Form11::checked(int row) const {
    return Flx定期->item(row, Date)->checkState() == Qt::Checked;
}

void Form11::commitEditor() {
    // An amount still being typed counts, also when 登録 is reached by its access key.
    const QModelIndex index = Flx定期->currentIndex();
    if (QWidget* editor = Flx定期->indexWidget(index))
        Flx定期->itemDelegate()->setModelData(editor, Flx定期->model(), index);
}

void Form11::Cmb登録_Click() {
    commitEditor();
    QList<qint32> amounts;
    for (int r = 0; r < due_.size(); ++r) {
        const auto amount = checked(r) ? toYen(Flx定期->item(r, Amount)->text()) : qint32(0);
        if (!amount) {
            MessageBox::error(this, QStringLiteral("金額が不正です！！"),
                              QStringLiteral("金額エラー"));
            Flx定期->setCurrentCell(r, Amount);
            Flx定期->setFocus();
            Flx定期->editItem(Flx定期->item(r, Amount));
            return;
        }
        amounts << *amount;
    }
    try {
        Database db(main_.ledgerPath());
        StepRecorder step(db, main_.undoHistory(), QStringLiteral("定期明細の登録"));
        Transaction t(db);
        for (int r = 0; r < due_.size(); ++r) {
            if (checked(r))
                bookOccurrence(db, due_[r], amounts[r]);
            else
                skipOccurrence(db, due_[r]);
        }
        t.commit();
        step.finish();
    } catch (const LedgerError& e) {
        reportLedgerError(this, e);
        return;
    }
    accept();
}

void Form11::keepAmountCurrent(int row, int column) {
    // Rows are highlighted whole, so the user cannot see another cell become current; keep it
    // on the amount so that a digit or F2 always edits what the row offers to edit.
    if (row >= 0 && column != Amount)
        Flx定期->setCurrentCell(row, Amount);
}

void Form11::showAmount(QTableWidgetItem* item) {
    if (item->column() != Amount)
        return;
    if (const auto amount = toYen(item->text()); amount && formatAmount(*amount) != item->text())
        item->setText(formatAmount(*amount));
}

bool Form11::eventFilter(QObject* watched, QEvent* event) {
    // Space checks and unchecks the row, whichever of its cells is current.
    if (watched == Flx定期 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        if (QTableWidgetItem* item = Flx定期->item(Flx定期->currentRow(), Date))
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void proposeFixedEntries(MainPort& main, bool sayWhenNone) {
    if (!main.mayWrite())
        return;
    QList<DueOccurrence> due;
    try {
        Database db(main.ledgerPath());
        due = dueOccurrences(db, Clock::today());
    } catch (const LedgerError& e) {
        reportLedgerError(main.window(), e);
        return;
    }
    if (due.isEmpty()) {
        if (sayWhenNone)
            MessageBox::show(main.window(), QStringLiteral("登録する定期明細はありません。"),
                             QStringLiteral("定期明細"));
        return;
    }
    Form11 proposal(main, std::move(due), main.window());
    if (proposal.exec() == QDialog::Accepted)
        main.reloadAll();
}

} // namespace kotsu
