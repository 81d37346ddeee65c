// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartReading.h"
#include "graph/GraphMod.h"
#include "graph/MathMod.h"
#include "support/RecordingSurface.h"
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <algorithm>

using namespace kotsu;
using namespace kotsu::test;

namespace {

Frame simpleFrame(int nY, int nX, int f) {
    QStringList values, categories;
    for (int j = 0; j <= nY; ++j)
        values << QString("v%1").arg(j);
    for (int i = 0; i <= nX; ++i)
        categories << QString("c%1").arg(i);
    return {1500, 1500, 6000, 6750, 450, 0x404040, 0x808080, nY, nX, values, categories, f};
}

using Months = std::array<std::array<qint64, 12>, 2>;

Months monthsOf(const QList<qint64>& income, const QList<qint64>& expense) {
    Months m{};
    for (int i = 0; i < 12; ++i) {
        m[0][i] = income.value(i);
        m[1][i] = expense.value(i);
    }
    return m;
}

QList<qint64> every(qint64 v) {
    return QList<qint64>(12, v);
}

QList<qint64> with(QList<qint64> months, int month, qint64 v) {
    months[month - 1] = v;
    return months;
}

// The labels, a band apart on the axis (thinned ones several): one round step a band, zero
// among them, no duplicate, and the axis from bottomAt to topAt covering the values drawn with
// no more room below zero than the lowest needs. Empty when all hold.
QString scaleFault(QList<Tick> ticks, double band, double bottomAt, double topAt, double lowest,
                   double highest) {
    if (ticks.size() < 3)
        return QString("%1 labels").arg(ticks.size());
    std::sort(ticks.begin(), ticks.end(),
              [](const Tick& a, const Tick& b) { return a.value > b.value; });
    const double step =
        (ticks[0].value - ticks[1].value) / qRound(qAbs(ticks[0].at - ticks[1].at) / band);
    bool zero = false;
    for (int i = 0; i < ticks.size(); ++i) {
        zero |= ticks[i].value == 0;
        if (i > 0 && (ticks[i - 1].value - ticks[i].value) / step !=
                         qRound(qAbs(ticks[i - 1].at - ticks[i].at) / band))
            return QString("uneven step at %1").arg(ticks[i].value);
    }
    double power = 1;
    while (step / power >= 10)
        power *= 10;
    if (!QList<double>{1, 2, 5}.contains(step / power))
        return QString("step %1 is not round").arg(step);
    if (!zero)
        return "no zero label";
    const double top = readAt(ticks, topAt), bottom = readAt(ticks, bottomAt);
    if (top < highest || bottom > lowest)
        return "values beyond the scale";
    if (bottom <= lowest - step || (lowest == 0 && qAbs(bottom) > step / 1000))
        return "room below the lowest value";
    return {};
}

} // namespace

class TestGraphMod : public QObject {
    Q_OBJECT
private slots:
    void frame_withoutCategories_drawsTenValueLinesAndLabels() {
        RecordingSurface s;
        frame3D(s, simpleFrame(9, -1, 1));
        const auto grid = withColour(s, Op::Line, 0x808080);
        QCOMPARE(grid.size(), 20); // back wall and left wall for each of ten lines
        const auto prints = s.of(Op::Print);
        QCOMPARE(prints.size(), 10);
        QCOMPARE(prints.last().text, QString("v9"));
        QCOMPARE(prints.last().y1, 1500.0 - 90); // label 9 at the top edge
        QCOMPARE(prints.first().y1, 1500 + 6750 - 675 - 90.0);
        QCOMPARE(prints.first().x1, 1500 - 45 - 180.0);
        QCOMPARE(s.scaleMode, int(Surface::Twips));
    }

    void frame_categoryOffset_placesLabelsOnBoundariesOrInTheMiddle() {
        for (int f : {0, 1}) {
            RecordingSurface s;
            frame3D(s, simpleFrame(-1, 11, f));
            const auto prints = s.of(Op::Print);
            QCOMPARE(prints.size(), 12);
            const double step = 6000.0 / 12;
            QCOMPARE(prints[0].x1, 1500 + f * step / 2 - 90);
            QCOMPARE(prints[3].x1, 1500 + 3 * step + f * step / 2 - 90);
            QCOMPARE(prints[3].y1, 1500 + 6750 + 30.0);
            const auto firstLine = s.of(Op::Line).first();
            QCOMPARE(firstLine.x1, 1500 + f * step / 2 + 450);
        }
    }

    void placeColour_runsThroughEveryDistinctColourBeforeRepeating() {
        QSet<quint32> fronts;
        for (int place = 0; place < 21; ++place)
            fronts << placeColour(place).front;
        QCOMPARE(fronts.size(), 21);
        QCOMPARE(placeColour(21), placeColour(0));
        QCOMPARE(placeColour(3), (ItemColour{tableColour(3, 0), tableColour(3, 1)}));
        QVERIFY(!fronts.contains(placeColour(OtherPlace).front));
    }

    void yearCharts_data() {
        QTest::addColumn<QList<qint64>>("income");
        QTest::addColumn<QList<qint64>>("expense");
        QTest::newRow("ordinary year")
            << with(every(320000), 6, 920000)
            << QList<qint64>{182000, 201000, 195000, 240000, 188000, 263000,
                             210000, 199000, 230000, 205000, 215000, 258000};
        QTest::newRow("huge month") << with(every(320000), 3, 4500000000) << every(250000);
        QTest::newRow("deficit month") << every(320000) << with(every(250000), 12, 2650000);
        QTest::newRow("refund month") << every(320000) << with(every(250000), 5, -30000);
        QTest::newRow("3 and 7 yen") << with(every(0), 1, 7) << with(every(0), 1, 3);
    }

    void yearCharts_pointsReadTheirValuesOnTheGrid_data() { yearCharts_data(); }
    void yearCharts_pointsReadTheirValuesOnTheGrid() {
        QFETCH(QList<qint64>, income);
        QFETCH(QList<qint64>, expense);
        const Months m = monthsOf(income, expense);
        RecordingSurface balance, trend;
        monthlyBalanceChart(balance, Placement{}, m, QStringList(12, "m"), "収入", "支出");
        categoryTrendChart(trend, Placement{}, {{"給与", m[0], 0}, {"食費", m[1], 1}},
                           QStringList(12, "m"));
        const struct {
            const RecordingSurface& chart;
            quint32 colour;
            int series;
        } lines[] = {{balance, 0xFF0000, 0},
                     {balance, 0x0000FF, 1},
                     {trend, placeColour(0).front, 0},
                     {trend, placeColour(1).front, 1}};
        for (const auto& l : lines) {
            const QList<Tick> ticks = valueTicks(l.chart);
            const QList<QPointF> at = points(l.chart, l.colour);
            QCOMPARE(at.size(), 12);
            for (int i = 0; i < 12; ++i) {
                const double read = readAt(ticks, at[i].y());
                QVERIFY2(qAbs(read - double(m[l.series][i])) <= pixelWorth(ticks),
                         qPrintable(QString("month %1 reads %2").arg(i + 1).arg(read)));
            }
        }
        QVERIFY(insideWindow(balance));
        QVERIFY(insideWindow(trend));
    }

    void yearCharts_labelsAreRoundStepsThroughZero_data() { yearCharts_data(); }
    void yearCharts_labelsAreRoundStepsThroughZero() {
        QFETCH(QList<qint64>, income);
        QFETCH(QList<qint64>, expense);
        const Months m = monthsOf(income, expense);
        double lowest = 0, highest = 0;
        for (int i = 0; i < 12; ++i)
            for (double v : {double(m[0][i]), double(m[1][i]), double(m[0][i] - m[1][i])}) {
                lowest = qMin(lowest, v);
                highest = qMax(highest, v);
            }
        RecordingSurface balance;
        monthlyBalanceChart(balance, Placement{}, m, QStringList(12, "m"), "収入", "支出");
        const QList<Tick> ticks = valueTicks(balance);
        const QString fault =
            scaleFault(ticks, H / (ticks.size() - 1), Y0 + H - D, Y0 - D, lowest, highest);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // Nine digits and more are read in 万円, written once at the axis.
        QCOMPARE(unitOf(balance) > 1, highest >= 1e8);
        // A zero line wherever the scale goes below zero.
        bool zeroLine = false;
        for (const Call& c : withColour(balance, Op::Line, EdgeColour))
            zeroLine |= c.x1 == X0 + D && c.x2 == X0 + D + W &&
                        qAbs(readAt(ticks, c.y1)) < pixelWorth(ticks);
        QCOMPARE(zeroLine, lowest < 0);
    }

    void barChart_barsEndOnTheirValues_data() {
        QTest::addColumn<QList<qint64>>("amounts");
        QTest::newRow("ordinary") << QList<qint64>{85000, 32000, 0, 12000};
        QTest::newRow("3 and 7 yen") << QList<qint64>{3, 7};
        QTest::newRow("refund") << QList<qint64>{48000, -22000, 12000};
        QTest::newRow("huge") << QList<qint64>{4500000000, 400000};
    }
    void barChart_barsEndOnTheirValues() {
        QFETCH(QList<qint64>, amounts);
        QList<ChartItem> items;
        for (int i = 0; i < amounts.size(); ++i)
            items << ChartItem{QString("科目%1").arg(i), amounts[i], i};
        RecordingSurface s;
        categoryBarChart(s, Placement{}, items);
        const QList<Tick> ticks = floorTicks(s);
        const double lowest = qMin<qint64>(0, *std::min_element(amounts.begin(), amounts.end()));
        const double highest = *std::max_element(amounts.begin(), amounts.end());
        // The value grid's lines meet the floor's front edge at the ticks.
        QList<double> grid;
        for (const Call& c : withColour(s, Op::Line, 0xC0C0C0))
            if (c.y2 == Y0 + H)
                grid << c.x2;
        const QString fault =
            scaleFault(ticks, grid[1] - grid[0], X0, grid.last(), lowest, highest);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        for (const ChartItem& item : items) {
            const auto front = withColour(s, Op::Box, placeColour(item.place).front);
            // Under a pixel long, not even its extrusion is drawn: alone, it looked like a bar.
            const bool drawn = qAbs(item.amount) >= pixelWorth(ticks);
            QCOMPARE(front.size(), drawn ? 1 : 0);
            QCOMPARE(withColour(s, Op::Box, placeColour(item.place).extrusion).isEmpty(), !drawn);
            if (!drawn)
                continue;
            const double start = item.amount > 0 ? front[0].x1 : front[0].x2;
            const double end = item.amount > 0 ? front[0].x2 : front[0].x1;
            QVERIFY(qAbs(readAt(ticks, start)) <= pixelWorth(ticks));
            QVERIFY2(qAbs(readAt(ticks, end) - item.amount) <= pixelWorth(ticks),
                     qPrintable(item.name));
        }
        QVERIFY(texts(s).contains("科目0"));
        QVERIFY(insideWindow(s));
    }

    void ratioShares_addUpToExactly100_data() {
        QTest::addColumn<QList<qint64>>("amounts");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("thirds") << QList<qint64>{1, 1, 1}
                                << QStringList{"(33.34%)", "(33.33%)", "(33.33%)"};
        QTest::newRow("tiny beside billions") << QList<qint64>{4500000000, 400000, 100}
                                              << QStringList{"(99.99%)", "(0.01%)", "(<0.01%)"};
        QRandomGenerator random(25);
        for (int set = 0; set < 6; ++set) {
            QList<qint64> amounts;
            for (int i = int(random.bounded(2, 30)); i > 0; --i)
                amounts << random.bounded(1, 1 << (set * 5 + 2));
            QTest::newRow(qPrintable(QString("random %1").arg(set))) << amounts << QStringList();
        }
    }
    void ratioShares_addUpToExactly100() {
        QFETCH(QList<qint64>, amounts);
        QFETCH(QStringList, expected);
        QList<ChartItem> items;
        for (int i = 0; i < amounts.size(); ++i)
            items << ChartItem{QString("k%1").arg(i), amounts[i], i};
        RecordingSurface s;
        ratioColumn(s, Placement{350, 100, 100, 450, 30}, items, RecordingSurface::PageWidth);
        QStringList shares;
        int sum = 0;
        for (const Call& c : s.of(Op::Print)) {
            const QString share = c.text.mid(c.text.indexOf('('));
            shares.prepend(share);
            const QString digits = share.mid(1, share.size() - 3);
            QVERIFY2(digits == "<0.01" || digits.indexOf('.') == digits.size() - 3,
                     qPrintable(share));
            sum += qRound(digits.toDouble() * 100);
        }
        QCOMPARE(shares.size(), amounts.size());
        QCOMPARE(sum, 10000);
        if (!expected.isEmpty())
            QCOMPARE(shares, expected);
    }

    void ratioColumn_negativeTotalsAreLeftOutWithANote() {
        RecordingSurface s;
        ratioColumn(s, Placement{350, 100, 100, 450, 30},
                    {{"食費", 42000, 0}, {"返金", -22000, 1}, {"交際費", 6000, 2}},
                    RecordingSurface::PageWidth);
        QCOMPARE(texts(s),
                 QStringList({"マイナスの科目（1）を除く", "交際費(12.50%)", "食費(87.50%)"}));
        const Call note = s.of(Op::Print).first();
        QVERIFY(note.y1 > Y0 + H + RecordingSurface::CharHeight);
        QCOMPARE(note.x1 + widthOf(note.text) / 2, 5250 + 1500 / 2.0);
    }

    void ratioColumn_singleCategoryIsTheFullHeight_andATinyTopLeavesTheTopFace() {
        RecordingSurface one;
        ratioColumn(one, Placement{150, 100, 100, 450, 30}, {{"食費", 500, 4}}, 5190);
        // Too wide for the room before the next column: the share goes beneath the name.
        const auto prints = one.of(Op::Print);
        QCOMPARE(texts(one), QStringList({"食費", "(100.00%)"}));
        QCOMPARE(prints[0].y1, 1500.0);
        QCOMPARE(prints[1].y1, 1500.0 + RecordingSurface::CharHeight);
        QCOMPARE(prints[0].x1, 2250 + 1500 + 450 + 60.0); // clear of the side face
        QCOMPARE(withColour(one, Op::Box, placeColour(4).front).first().y1, 1500.0);

        // A sliver under a pixel at the top: the top face keeps the colour below it.
        RecordingSurface sliver;
        ratioColumn(sliver, Placement{150, 100, 100, 450, 30},
                    {{"雑費", 1, 0}, {"家賃", 10000000, 1}}, 5190);
        QVERIFY(withColour(sliver, Op::Box, placeColour(0).extrusion).isEmpty());
        QVERIFY(!withColour(sliver, Op::Box, placeColour(1).extrusion).isEmpty());
        QCOMPARE(texts(sliver), QStringList({"家賃", "(100.00%)", "雑費", "(<0.01%)"}));
        QVERIFY(textsApart(sliver));
    }

    void balanceChart_equalMonthsKeepBothSeriesInSight_andTheLegendNamesTheColumns() {
        RecordingSurface s;
        Months m{};
        m[0][1] = 500;
        m[1][2] = 300;
        monthlyBalanceChart(s, Placement{}, m, QStringList(12, "m"), "収入", "支出");
        QCOMPARE(withColour(s, Op::Box, 0xFFC0C0).size(), 1); // February's surplus
        QCOMPARE(withColour(s, Op::Box, 0xFFC0FF).size(), 1); // March's deficit
        // January: both 0; the expense line there is dashed and its point a half.
        QCOMPARE(points(s, 0xFF0000).size(), 12);
        const auto expense = withColour(s, Op::Line, 0x0000FF);
        QVERIFY(expense.size() > 12);
        const auto halves = withColour(s, Op::Box, 0x0000FF);
        QCOMPARE(halves.first().x2 - halves.first().x1, 25.0);
        const QStringList t = texts(s);
        QVERIFY(t.contains("収入") && t.contains("支出") && t.contains("収支"));
        // From the lowest grid line up, then the floor.
        QCOMPARE(texts(s).mid(0, 9),
                 QStringList({"-200", "-100", "0", "100", "200", "300", "400", "500", "-300"}));
        QCOMPARE(withColour(s, Op::Print, 0).size(), 9 + 12 + 3); // labels, months, names
    }

    void trendLegend_takesASecondColumn_thenCountsTheRest() {
        auto legendOf = [](int n, const QString& longName = {}) {
            QList<TrendRow> rows;
            for (int i = 0; i < n; ++i)
                rows << TrendRow{QStringLiteral("科目%1").arg(i), {}, i};
            rows[0].months[0] = 100;
            if (!longName.isEmpty())
                rows[50].name = longName;
            RecordingSurface s;
            categoryTrendChart(s, Placement{}, rows, QStringList(12, "m"));
            QList<Call> names;
            for (const Call& c : s.of(Op::Print))
                if (c.x1 > X0 + W && c.colour == 0)
                    names << c;
            return std::pair(names, s);
        };
        const auto [fits, s44] = legendOf(44);
        QCOMPARE(fits.last().x1, fits.first().x1);
        const double columnWidth = (RecordingSurface::PageWidth - fits.first().x1 + 90) / 2;

        const auto [two, s60] = legendOf(60, QString(40, QChar(u'長')));
        QCOMPARE(two.size(), 60);
        QCOMPARE(two[44].x1, two[0].x1 + columnWidth);
        QCOMPARE(two[44].y1, two[0].y1);
        QVERIFY(two[50].text.endsWith(QStringLiteral("…")));
        QVERIFY(insideWindow(s60) && textsApart(s60));

        const auto [full, s200] = legendOf(200);
        QCOMPARE(full.size(), 88);
        QCOMPARE(full.last().text, QStringLiteral("他113科目"));
        QVERIFY(insideWindow(s200));
        // Legend texts are black beside a swatch in the line's colour.
        const QStringList t = texts(s200);
        const Call swatch = s200.of(Op::Print).at(int(t.indexOf(QStringLiteral("■"))));
        QCOMPARE(swatch.colour, placeColour(0).front);
    }
};

QTEST_GUILESS_MAIN(TestGraphMod)
#include "tst_graphmod.moc"
