// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form9.h"
#include "common/SearchFold.h"
#include "common/values.h"
#include "dialogs/FoundEntriesModel.h"
#include "ledger/Database.h"
#include "ledger/EntrySearch.h"
#include "ledger/LedgerError.h"
#include "ui/ErrorReport.h"
#include "ui/KeyHabits.h"
#include "ui/ListColumns.h"
#include "ui/MainPort.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kotsu {

Form9::Form9(MainPort& main, QWidget* parent)
    : QDialog(parent), main_(main), model_(new FoundEntriesModel(this)) {
    setWindowTitle(QStringLiteral("明細の検索"));
    Txtコメント = new QLineEdit(this);
    Txtコメント->setObjectName(QStringLiteral("Txtコメント"));
    Cmb科目 = new QComboBox(this);
    Cmb科目->setObjectName(QStringLiteral("Cmb科目"));
    Cmb科目->setMinimumWidth(1530 / 15);
    Command1 = new QPushButton(QStringLiteral("検索(&F)"), this);
    Command2 = new QPushButton(QStringLiteral("表示(&D)"), this);
    Command3 = new QPushButton(QStringLiteral("閉じる(&X)"), this);
    for (QPushButton* b : {Command1, Command2, Command3})
        b->setAutoDefault(false);
    // Enter in the words or the category list searches; on the list it shows the entry.
    Command1->setDefault(true);
    Lbl件数 = new QLabel(this);
    Lbl件数->setObjectName(QStringLiteral("Lbl件数"));
    Lbl件数->setTextFormat(Qt::PlainText);
    buildGrid();

    auto* query = new QHBoxLayout;
    query->addWidget(new QLabel(QStringLiteral("コメント："), this));
    query->addWidget(Txtコメント, 1);
    query->addSpacing(8);
    query->addWidget(new QLabel(QStringLiteral("科目："), this));
    query->addWidget(Cmb科目);
    query->addSpacing(8);
    query->addWidget(Command1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Lbl件数, 1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    auto* top = new QVBoxLayout(this);
    top->addLayout(query);
    top->addWidget(Flx明細, 1);
    top->addLayout(buttons);
    resize(8400 / 15, 6300 / 15);

    QWidget::setTabOrder(Txtコメント, Cmb科目);
    QWidget::setTabOrder(Cmb科目, Command1);
    QWidget::setTabOrder(Command1, Flx明細);
    QWidget::setTabOrder(Flx明細, Command2);
    QWidget::setTabOrder(Command2, Command3);
    pressFocusedButtonOnEnter(this);
    Txtコメント->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &QDialog::reject);
    connect(Flx明細, &QAbstractItemView::doubleClicked, this, &Form9::Command2_Click);

    loadCategories();
}

void Form9::buildGrid() {
    Flx明細 = new QTableView(this);
    Flx明細->setObjectName(QStringLiteral("Flx明細"));
    Flx明細->setModel(model_);
    setUpRowList(Flx明細);
    Flx明細->verticalHeader()->setDefaultSectionSize(Flx明細->fontMetrics().height() + 4);
    Flx明細->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Flx明細->horizontalHeader()->setStretchLastSection(true);
    // The entry list's widths, without its row number.
    for (int c = 0; c < FoundEntriesModel::Columns; ++c)
        Flx明細->setColumnWidth(c, entryListTwips(c + 1) / 15);
    Flx明細->installEventFilter(this);
}

void Form9::loadCategories() {
    // The main window's filter list: all categories first, then each by ID.
    Cmb科目->addItem(QStringLiteral("すべての科目"));
    try {
        Database db(main_.ledgerPath());
        Recordset rs =
            db.openRecordset(QStringLiteral("Select * From 科目テーブル Order by ID Asc"));
        for (; !rs.atEnd(); rs.moveNext())
            Cmb科目->addItem(rs.text(QStringLiteral("科目名前")), rs.number(QStringLiteral("id")));
    } catch (const LedgerError& e) {
        reportLedgerError(main_.window(), e);
    }
    Cmb科目->setCurrentIndex(0);
}

void Form9::Command1_Click() {
    const QStringList words = searchWords(Txtコメント->text());
    if (words.isEmpty()) {
        model_->clear();
        Lbl件数->setText(QStringLiteral("検索する文字を入力してください。"));
        return;
    }
    const int filter = Cmb科目->currentIndex();
    std::optional<qint64> category;
    if (filter > 0)
        category = Cmb科目->itemData(filter).toLongLong();
    EntrySearchResult found;
    try {
        Database db(main_.ledgerPath());
        found = searchEntries(db, words, category, MaxRows);
    } catch (const LedgerError& e) {
        model_->clear();
        Lbl件数->clear();
        reportLedgerError(this, e);
        return;
    }
    model_->setResult(std::move(found));
    fitAmountColumns();
    showStatus();
    if (model_->rowCount() > 0) {
        Flx明細->setCurrentIndex(model_->index(0, 0));
        Flx明細->scrollToTop();
    }
}

void Form9::showStatus() {
    const EntrySearchResult& r = model_->result();
    const QString count = r.matched > r.entries.size()
                              ? QStringLiteral("%1件を表示（全%2件）")
                                    .arg(formatAmount(r.entries.size()), formatAmount(r.matched))
                              : QStringLiteral("%1件").arg(formatAmount(r.matched));
    Lbl件数->setText(count + QStringLiteral("　収入：%1　支出：%2")
                                 .arg(formatAmount(r.income), formatAmount(r.expense)));
}

void Form9::fitAmountColumns() {
    // Numbers are never cut short: the amount columns grow to the widest listed.
    qint64 lo[2] = {0, 0};
    qint64 hi[2] = {0, 0};
    const EntrySearchResult& r = model_->result();
    for (const FoundEntry& e : r.entries) {
        const int column = r.categories.value(e.categoryId).sign == QLatin1String("+") ? 0 : 1;
        lo[column] = qMin(lo[column], e.amount);
        hi[column] = qMax(hi[column], e.amount);
    }
    for (int i = 0; i < 2; ++i) {
        const int c = FoundEntriesModel::Income + i;
        Flx明細->setColumnWidth(
            c, qMax(entryListTwips(c + 1) / 15, cellWidth(Flx明細, widestAmount(lo[i], hi[i]))));
    }
}

void Form9::Command2_Click() {
    const QModelIndex current = Flx明細->currentIndex();
    if (!current.isValid())
        return;
    const FoundEntry& e = model_->entry(current.row());
    const QDate date = parseDate(model_->result().dates[e.date]);
    if (!date.isValid())
        return;
    chosenId_ = e.id;
    chosenDate_ = date;
    accept();
}

bool Form9::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Flx明細 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Command2_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MnuMeiFind_Click(MainPort& main) {
    Form9 search(main, main.window());
    if (search.exec() == QDialog::Accepted)
        main.showEntryInMonth(search.chosenDate(), search.chosenId());
}

} // namespace kotsu
