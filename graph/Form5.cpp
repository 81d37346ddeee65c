// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/Form5.h"
#include "common/values.h"
#include "graph/ChartIcons.h"
#include "graph/GraphMod.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include "ledger/Queries.h"
#include "ledger/Totals.h"
#include "ui/ErrorReport.h"
#include "ui/Fonts.h"
#include "ui/KeyHabits.h"
#include "ui/MainPort.h"
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace kotsu {

namespace {

constexpr int CanvasWidth = 11250 / 15;
constexpr int CanvasHeight = 9150 / 15;

QStringList monthLabels() {
    QStringList labels;
    for (int t = 0; t < 12; ++t)
        labels << QString::number(t + 1);
    return labels;
}

} // namespace

Form5::Form5(MainPort& main, QWidget* parent)
    : QDialog(parent), main_(main), surface_(QSize(CanvasWidth, CanvasHeight)) {
    setWindowTitle(QStringLiteral("グラフ"));
    setFont(gothicFont(9));
    setFixedSize(CanvasWidth + 150, CanvasHeight);
    Lblタイトル = new QLabel(QStringLiteral("修　正"), this);
    Lblタイトル->setGeometry(16, 12, 160, 24);
    QFont titleFont = gothicFont(14);
    titleFont.setBold(true);
    Lblタイトル->setFont(titleFont);
    Lblタイトル->setStyleSheet(QStringLiteral("color: rgb(192,0,0);"));
    Lbl年月日表示 = new QLabel(QStringLiteral("Label1"), this);
    Lbl年月日表示->setGeometry(190, 16, 200, 20);
    auto button = [this](const QString& caption, int index) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(CanvasWidth + 10, 20 + index * 40, 130, 30);
        b->setAutoDefault(false);
        return b;
    };
    Command1 = button(QStringLiteral("割合(&W)"), 0);
    Command2 = button(QStringLiteral("収入金額(&P)"), 1);
    Command4 = button(QStringLiteral("支出金額(&M)"), 2);
    Command3 = button(QStringLiteral("年間推移(&N)"), 3);
    Command5 = button(QStringLiteral("科目推移(&K)"), 4);
    Cmb登録 = button(QStringLiteral("閉じる(&X)"), 6);
    Cmb登録->move(Cmb登録->x(), CanvasHeight - 50);
    const std::pair<QPushButton*, int> kinds[] = {
        {Command1, 1}, {Command2, 2}, {Command4, 3}, {Command3, 4}, {Command5, 5}};
    for (const auto& [b, kind] : kinds)
        b->setIcon(chartIcon(kind));
    Cmb登録->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    pressFocusedButtonOnEnter(this);

    connect(Command1, &QPushButton::clicked, this, [this] { Subグラフ描画(1); });
    connect(Command2, &QPushButton::clicked, this, [this] { Subグラフ描画(2); });
    connect(Command4, &QPushButton::clicked, this, [this] { Subグラフ描画(3); });
    connect(Command3, &QPushButton::clicked, this, [this] { Subグラフ描画(4); });
    connect(Command5, &QPushButton::clicked, this, [this] { Subグラフ描画(5); });
    connect(Cmb登録, &QPushButton::clicked, this, &QDialog::accept);

    Lblタイトル->setText(QStringLiteral("割　合"));
    Lbl年月日表示->setText(monthPeriod());
    Subグラフ描画(1);
}

QString Form5::monthPeriod() const {
    const QDate d = main_.periodStart();
    return QString::number(d.year()) + QStringLiteral("年") + QString::number(d.month()) +
           QStringLiteral("月分");
}

QString Form5::yearPeriod() const {
    return QString::number(main_.periodStart().year()) + QStringLiteral("年分");
}

QString Form5::listYearPrefix() const {
    return main_.listDate().left(5);
}

void Form5::Subグラフ描画(int IntMode) {
    surface_.clear();
    try {
        drawOn(surface_, IntMode);
    } catch (const LedgerError& e) {
        reportLedgerError(this, e);
    }
    update();
}

void Form5::drawOn(Surface& s, int kind) {
    const Placement place;
    switch (kind) {
    case 1:
        Lblタイトル->setText(QStringLiteral("割　合"));
        Lbl年月日表示->setText(monthPeriod());
        drawRatio(s);
        break;
    case 2:
    case 3: {
        Lblタイトル->setText(kind == 2 ? QStringLiteral("収入金額") : QStringLiteral("支出金額"));
        Lbl年月日表示->setText(monthPeriod());
        const SummaryLists l = readSummary();
        if (kind == 2)
            categoryBarChart(s, place, l.incomeAmounts, l.incomeNames, l.incomeCount);
        else
            categoryBarChart(s, place, l.expenseAmounts, l.expenseNames, l.expenseCount);
        break;
    }
    case 4:
        Lblタイトル->setText(QStringLiteral("推　移"));
        Lbl年月日表示->setText(yearPeriod());
        drawYearByMonth(s);
        break;
    case 5:
        Lblタイトル->setText(QStringLiteral("科目推移"));
        Lbl年月日表示->setText(yearPeriod());
        drawCategoriesByMonth(s);
        break;
    default:
        break;
    }
}

SummaryLists Form5::readSummary() {
    SummaryLists l;
    const int n = main_.summaryRows();
    for (int r = 1; r < n; ++r) {
        const QString sign = main_.summaryCell(r, 2);
        const QString name = main_.summaryCell(r, 1);
        // A total that is not a number counts as 0.
        const qint64 amount = isNumeric(main_.summaryCell(r, 4))
                                  ? plainDigits(main_.summaryCell(r, 4)).toLongLong()
                                  : 0;
        if (sign == QLatin1String("+")) {
            l.incomeNames << name;
            l.incomeAmounts << amount;
        } else {
            l.expenseNames << name;
            l.expenseAmounts << amount;
        }
    }
    l.incomeCount = int(l.incomeNames.size());
    l.expenseCount = int(l.expenseNames.size());
    // Each list carries one empty element past its end, as the ratio column expects.
    l.incomeNames << QString();
    l.incomeAmounts << 0;
    l.expenseNames << QString();
    l.expenseAmounts << 0;
    if (n > 1)
        main_.setSummaryCurrent(n - 1, 4);
    return l;
}

void Form5::drawRatio(Surface& s) {
    QStringList percentages;
    for (int i = 0; i < 10; ++i)
        percentages << QString::number((i + 1) * 10) + QLatin1Char('%');
    s.setScaleMode(Surface::Twips);
    s.setFontSize(8);
    frame3D(s,
            {1500, 1500, 6000, 6750, 450, 0x404040, 0x808080, 9, -1, percentages, percentages, 1});
    const SummaryLists l = readSummary();
    s.setForeColor(0);
    s.CurrentX = 2775;
    s.CurrentY = 8325;
    s.print(QStringLiteral("収入"));
    s.CurrentX = 5775;
    s.CurrentY = 8325;
    s.print(QStringLiteral("支出"));
    Placement column{350, 100, 100, 450, 30};
    ratioColumn(s, column, l.expenseAmounts, l.expenseNames, l.expenseCount);
    column.left = 150;
    ratioColumn(s, column, l.incomeAmounts, l.incomeNames, l.incomeCount);
}

namespace {

// The year of the list date, as the charts of a year take it: its first five characters.
std::pair<QDate, QDate> yearOf(const QString& prefix) {
    const QDate from = parseDate(prefix + QStringLiteral("01/01"));
    const QDate to = parseDate(prefix + QStringLiteral("12/31"));
    if (!from.isValid() || !to.isValid())
        throw LedgerError(LedgerError::SyntaxError,
                          QStringLiteral("日付が不正です: %1").arg(prefix));
    return {from, to};
}

} // namespace

void Form5::drawYearByMonth(Surface& s) {
    std::array<std::array<qint64, 12>, 2> months{};
    const auto [from, to] = yearOf(listYearPrefix());
    Database db(main_.ledgerPath());
    // Each category's months, folded into income and expense by its sign.
    const QHash<qint64, MonthTotals> totals = monthTotalsByCategory(db, from, to);
    walkCounted(
        db, QStringLiteral("Select * From 科目テーブル"),
        QStringLiteral("Select count(ID) as reccnt From 科目テーブル"), [&](Recordset& rs) {
            const QString sign = rs.text(QStringLiteral("収支"));
            const int row = sign == QLatin1String("+") ? 0 : sign == QLatin1String("-") ? 1 : -1;
            const auto t = totals.constFind(rs.number(QStringLiteral("id")));
            if (row < 0 || t == totals.constEnd())
                return;
            for (int m = 0; m < 12; ++m)
                months[row][m] += (*t)[m];
        });
    db.close();
    monthlyBalanceChart(s, Placement{}, months, monthLabels(), QStringLiteral("収入"),
                        QStringLiteral("支出"));
}

void Form5::drawCategoriesByMonth(Surface& s) {
    QStringList names;
    QList<qint64> ids;
    const auto [from, to] = yearOf(listYearPrefix());
    Database db(main_.ledgerPath());
    walkCounted(db, QStringLiteral("Select * From 科目テーブル"),
                QStringLiteral("Select count(ID) as reccnt From 科目テーブル"), [&](Recordset& rs) {
                    ids << rs.number(QStringLiteral("id"));
                    names << rs.text(QStringLiteral("科目名前"));
                });
    // Months without entries stay 0, as the paired count would have made them.
    const QHash<qint64, MonthTotals> totals = monthTotalsByCategory(db, from, to);
    db.close();
    QList<std::array<qint64, 12>> table;
    table.reserve(ids.size());
    for (qint64 id : ids)
        table << totals.value(id, MonthTotals{});
    categoryTrendChart(s, Placement{}, table, names, monthLabels());
}

void Form5::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
}

} // namespace kotsu
