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
    Lbl年月日表示->setText(periodCaption());
    Subグラフ描画(1);
}

// The shown period as the charts of it are captioned: a year, a month or a day.
QString Form5::periodCaption() const {
    const QDate from = main_.periodStart(), to = main_.periodEnd();
    QString caption = QString::number(from.year()) + QStringLiteral("年");
    if (from == QDate(from.year(), 1, 1) && to == QDate(from.year(), 12, 31))
        return caption + QStringLiteral("分");
    caption += QString::number(from.month()) + QStringLiteral("月");
    if (from == to)
        caption += QString::number(from.day()) + QStringLiteral("日");
    return caption + QStringLiteral("分");
}

QString Form5::yearCaption() const {
    return QString::number(main_.periodStart().year()) + QStringLiteral("年分");
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
        Lbl年月日表示->setText(periodCaption());
        drawRatio(s);
        break;
    case 2:
    case 3: {
        Lblタイトル->setText(kind == 2 ? QStringLiteral("収入金額") : QStringLiteral("支出金額"));
        Lbl年月日表示->setText(periodCaption());
        const SummaryLists l = readSummary();
        categoryBarChart(s, place, kind == 2 ? l.income : l.expense);
        break;
    }
    case 4:
        Lblタイトル->setText(QStringLiteral("推　移"));
        Lbl年月日表示->setText(yearCaption());
        drawYearByMonth(s);
        break;
    case 5:
        Lblタイトル->setText(QStringLiteral("科目推移"));
        Lbl年月日表示->setText(yearCaption());
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
        const qint64 amount = main_.summaryNumber(r, 4);
        // The grid lists the categories in ID order: the row is the category's colour.
        (sign == QLatin1String("+") ? l.income : l.expense) << ChartItem{name, amount, r - 1};
    }
    return l;
}

void Form5::drawRatio(Surface& s) {
    const SummaryLists l = readSummary();
    // Refunds alone have no share to draw: such a period is as empty as one without entries.
    ratioFrame(s, anyShare(l.income) || anyShare(l.expense));
    s.setForeColor(0);
    s.CurrentX = 2775;
    s.CurrentY = 8325;
    s.print(QStringLiteral("収入"));
    s.CurrentX = 5775;
    s.CurrentY = 8325;
    s.print(QStringLiteral("支出"));
    // Each legend keeps to its own side: the income one ends before the expense column.
    Placement column{350, 100, 100, 450, 30};
    ratioColumn(s, column, l.expense, s.scaleWidth() - 60);
    const double expenseLeft = column.left * 15.0;
    column.left = 150;
    ratioColumn(s, column, l.income, expenseLeft - 60);
}

namespace {

// The whole year of the shown period, whichever part of it is shown.
std::pair<QDate, QDate> yearOf(const QDate& shown) {
    return {QDate(shown.year(), 1, 1), QDate(shown.year(), 12, 31)};
}

} // namespace

void Form5::drawYearByMonth(Surface& s) {
    std::array<std::array<qint64, 12>, 2> months{};
    const auto [from, to] = yearOf(main_.periodStart());
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
    QList<TrendRow> rows;
    QList<qint64> ids;
    const auto [from, to] = yearOf(main_.periodStart());
    Database db(main_.ledgerPath());
    // In ID order, so each category's place gives it the colour it has in every chart.
    walkCounted(db, QStringLiteral("Select * From 科目テーブル Order by ID Asc"),
                QStringLiteral("Select count(ID) as reccnt From 科目テーブル"), [&](Recordset& rs) {
                    ids << rs.number(QStringLiteral("id"));
                    rows << TrendRow{rs.text(QStringLiteral("科目名前")), {}, int(rows.size())};
                });
    // Months without entries stay 0, as the paired count would have made them.
    const QHash<qint64, MonthTotals> totals = monthTotalsByCategory(db, from, to);
    db.close();
    for (int i = 0; i < rows.size(); ++i)
        rows[i].months = totals.value(ids[i], MonthTotals{});
    categoryTrendChart(s, Placement{}, rows, monthLabels());
}

void Form5::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
}

} // namespace kotsu
