// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form12.h"
#include "common/values.h"
#include "dialogs/Selection.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Operations.h"
#include "ledger/UndoHistory.h"
#include "ui/ErrorReport.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"
#include "ui/Style.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace kotsu {

namespace {

// The calendar's years.
constexpr int FirstYear = 1980;
constexpr int LastYear = 2099;

QSpinBox* spin(QWidget* parent, int from, int to) {
    auto* s = new QSpinBox(parent);
    s->setRange(from, to);
    s->setAlignment(Qt::AlignRight);
    return s;
}

QHBoxLayout* monthRow(QWidget* parent, QWidget* lead, QSpinBox* year, QSpinBox* month) {
    auto* row = new QHBoxLayout;
    if (lead)
        row->addWidget(lead);
    row->addWidget(year);
    row->addWidget(new QLabel(QStringLiteral("年"), parent));
    row->addWidget(month);
    row->addWidget(new QLabel(QStringLiteral("月"), parent));
    row->addStretch();
    return row;
}

QDate monthOf(const QSpinBox* year, const QSpinBox* month) {
    return QDate(year->value(), month->value(), 1);
}

} // namespace

QString dayText(int day) {
    return day == MonthEnd ? QStringLiteral("月末") : QString::number(day);
}

QString weekendText(WeekendRule rule) {
    switch (rule) {
    case WeekendRule::Before:
        return QStringLiteral("前の平日");
    case WeekendRule::After:
        return QStringLiteral("次の平日");
    case WeekendRule::Keep:
        break;
    }
    return QStringLiteral("そのまま");
}

Form12::Form12(MainPort& main, QWidget* parent) : QDialog(parent), main_(main) {
    setWindowTitle(QStringLiteral("定期明細の追加"));
    Label1 = new QLabel(QStringLiteral("追　加"), this);
    styleFormTitle(Label1);
    Cmb科目 = new QComboBox(this);
    Cmb科目->setMinimumWidth(140);
    Txt金額 = new QLineEdit(this);
    // Room for every 32-bit amount with its grouping, as in the entry editor.
    Txt金額->setMaxLength(14);
    Txt金額->setAlignment(Qt::AlignRight);
    Txt金額->setAttribute(Qt::WA_InputMethodEnabled, false);
    Txt金額->setFixedWidth(110);
    Cmbコメント = new QComboBox(this);
    Cmbコメント->setEditable(true);
    Cmbコメント->setInsertPolicy(QComboBox::NoInsert);
    // Phrases are suggestions in the list only: a completer would rewrite what was typed.
    Cmbコメント->setCompleter(nullptr);
    Cmbコメント->setMinimumWidth(200);
    Cmbコメント->addItems(main_.commentPhrases());
    Cmb日 = new QComboBox(this);
    for (int d = 1; d <= 31; ++d)
        Cmb日->addItem(dayText(d), d);
    Cmb日->addItem(dayText(MonthEnd), MonthEnd);
    Cmb土日 = new QComboBox(this);
    for (WeekendRule r : {WeekendRule::Keep, WeekendRule::Before, WeekendRule::After})
        Cmb土日->addItem(weekendText(r), int(r));
    Spn開始年 = spin(this, FirstYear, LastYear);
    Spn開始月 = spin(this, 1, 12);
    Chk終了 = new QCheckBox(QStringLiteral("指定する"), this);
    Spn終了年 = spin(this, FirstYear, LastYear);
    Spn終了月 = spin(this, 1, 12);
    Cmb登録 = new QPushButton(QStringLiteral("OK(&O)"), this);
    Command1 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"), this);
    Cmb登録->setDefault(true);

    auto* grid = new QGridLayout;
    int row = 0;
    const auto add = [&](const QString& caption, QWidget* w, QLayout* l = nullptr) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        if (w)
            grid->addWidget(w, row, 1, Qt::AlignLeft);
        else
            grid->addLayout(l, row, 1);
        ++row;
    };
    add(QStringLiteral("科目："), Cmb科目);
    add(QStringLiteral("金額："), Txt金額);
    add(QStringLiteral("コメント："), Cmbコメント);
    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(new QLabel(QStringLiteral("毎月"), this));
    dayRow->addWidget(Cmb日);
    dayRow->addWidget(new QLabel(QStringLiteral("日"), this));
    dayRow->addStretch();
    add(QStringLiteral("日："), nullptr, dayRow);
    add(QStringLiteral("土日の場合："), Cmb土日);
    add(QStringLiteral("開始："), nullptr, monthRow(this, nullptr, Spn開始年, Spn開始月));
    add(QStringLiteral("終了："), nullptr, monthRow(this, Chk終了, Spn終了年, Spn終了月));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cmb登録);
    buttons->addWidget(Command1);
    auto* top = new QVBoxLayout(this);
    top->addWidget(Label1);
    top->addLayout(grid);
    top->addLayout(buttons);

    const QList<QWidget*> order = {Cmb科目,   Txt金額, Cmbコメント, Cmb日,     Cmb土日, Spn開始年,
                                   Spn開始月, Chk終了, Spn終了年,   Spn終了月, Cmb登録, Command1};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(Chk終了, &QCheckBox::toggled, this, &Form12::Chk終了_Click);
    connect(Cmb登録, &QPushButton::clicked, this, &Form12::Cmb登録_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
    loadCategories();
}

void Form12::loadCategories() {
    try {
        Database db(main_.ledgerPath());
        for (const auto& [id, name] : categoryChoices(db))
            Cmb科目->addItem(name, id);
    } catch (const LedgerError& e) {
        reportLedgerError(main_.window(), e);
    }
}

void Form12::startNew(const QDate& today) {
    id_ = 0;
    setWindowTitle(QStringLiteral("定期明細の追加"));
    Label1->setText(QStringLiteral("追　加"));
    Cmb科目->setCurrentIndex(Cmb科目->count() > 0 ? 0 : -1);
    Txt金額->clear();
    Cmbコメント->setEditText(QString());
    Cmb日->setCurrentIndex(today.day() - 1);
    Cmb土日->setCurrentIndex(0);
    Spn開始年->setValue(today.year());
    Spn開始月->setValue(today.month());
    Spn終了年->setValue(today.year());
    Spn終了月->setValue(today.month());
    Chk終了->setChecked(false);
    Chk終了_Click();
}

void Form12::load(const FixedEntry& f) {
    id_ = f.id;
    setWindowTitle(QStringLiteral("定期明細の修正"));
    Label1->setText(QStringLiteral("修　正"));
    Cmb科目->setCurrentIndex(Cmb科目->findData(f.categoryId));
    Txt金額->setText(formatAmount(f.amount));
    Cmbコメント->setEditText(f.comment);
    Cmb日->setCurrentIndex(Cmb日->findData(f.day));
    Cmb土日->setCurrentIndex(Cmb土日->findData(int(f.weekend)));
    Spn開始年->setValue(f.start.year());
    Spn開始月->setValue(f.start.month());
    const QDate end = f.end.isValid() ? f.end : f.start;
    Spn終了年->setValue(end.year());
    Spn終了月->setValue(end.month());
    Chk終了->setChecked(f.end.isValid());
    Chk終了_Click();
}

void Form12::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Cmb科目->setFocus();
}

void Form12::Chk終了_Click() {
    Spn終了年->setEnabled(Chk終了->isChecked());
    Spn終了月->setEnabled(Chk終了->isChecked());
}

void Form12::Cmb登録_Click() {
    const auto amount = toYen(Txt金額->text());
    if (!amount) {
        MessageBox::error(this, QStringLiteral("金額が不正です！！"), QStringLiteral("金額エラー"));
        Txt金額->setFocus();
        return;
    }
    FixedEntry f;
    f.id = id_;
    f.categoryId = Cmb科目->currentData().toLongLong();
    f.amount = *amount;
    f.comment = Cmbコメント->currentText();
    f.day = Cmb日->currentData().toInt();
    f.weekend = WeekendRule(Cmb土日->currentData().toInt());
    f.start = monthOf(Spn開始年, Spn開始月);
    if (Chk終了->isChecked()) {
        f.end = monthOf(Spn終了年, Spn終了月);
        if (f.end < f.start) {
            MessageBox::error(this, QStringLiteral("終了は開始より後にしてください。"),
                              QStringLiteral("指定エラー"));
            Spn終了年->setFocus();
            return;
        }
    }
    try {
        Database db(main_.ledgerPath());
        StepRecorder step(db, main_.undoHistory(),
                          id_ == 0 ? QStringLiteral("定期明細の追加")
                                   : QStringLiteral("定期明細の修正"));
        Transaction t(db);
        if (Cmb科目->currentIndex() < 0 || !categoryExists(db, f.categoryId)) {
            categoryNotFound(this);
            Cmb科目->setFocus();
            return;
        }
        addPhraseIfNew(db, f.comment);
        if (id_ == 0)
            id_ = addFixedEntry(db, f);
        else
            updateFixedEntry(db, f);
        t.commit();
        step.finish();
    } catch (const LedgerError& e) {
        if (f.id == 0)
            id_ = 0;
        reportLedgerError(this, e);
        return;
    }
    accept();
}

} // namespace kotsu
