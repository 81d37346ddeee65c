// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartReading.h"
#include "graph/GraphMod.h"
#include "graph/MathMod.h"
#include "support/RecordingSurface.h"
#include <QTest>

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

// The scale labels of a bar chart: its numeric prints.
QList<Call> numericPrints(const RecordingSurface& s) {
    QList<Call> out;
    for (const Call& c : s.of(Op::Print)) {
        bool ok = false;
        c.text.toLongLong(&ok);
        if (ok)
            out << c;
    }
    return out;
}

struct Year {
    QList<std::array<qint64, 12>> table;
    QStringList names;
    std::array<std::array<qint64, 12>, 2> months{};
};

// A household's year: 3 income and 16 expense categories, a car bought in December far
// beyond that month's income, and a refund booked as a negative expense in May.
Year nineteenCategories() {
    Year y;
    for (int i = 0; i < 19; ++i) {
        std::array<qint64, 12> row{};
        for (int m = 0; m < 12; ++m)
            row[m] = i == 0 ? 280000 : i < 3 ? 5000 * (i + m % 3) : 3000 * (i + m % 4);
        y.table << row;
        y.names << QStringLiteral("科目%1").arg(i);
    }
    y.table[1][5] = y.table[1][11] = 600000;
    y.table[18][11] = 2400000;
    y.table[3][4] = -30000;
    for (int i = 0; i < 19; ++i)
        for (int m = 0; m < 12; ++m)
            y.months[i < 3 ? 0 : 1][m] += y.table[i][m];
    return y;
}
} // namespace

class TestGraphMod : public QObject {
    Q_OBJECT
private slots:
    void axisScale_keepsTwoSignificantDigits_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("scaled");
        QTest::newRow("99") << 99 << 99;
        QTest::newRow("100") << 100 << 100;
        QTest::newRow("149") << 149 << 150;
        QTest::newRow("1250 half to even") << 1250 << 1200;
        QTest::newRow("1350 half to even") << 1350 << 1400;
        QTest::newRow("12345") << 12345 << 12000;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("negative") << -5000 << -5000;
        QTest::newRow("large") << 2147483647 << 2100000000;
    }
    void axisScale_keepsTwoSignificantDigits() {
        QFETCH(int, value);
        QFETCH(int, scaled);
        QCOMPARE(axisScale(value), qint64(scaled));
        QVERIFY(scaledMax(value) >= value);
    }

    void percentRound_goesUpUnlessTheLastDigitIsZero_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("rounded");
        QTest::newRow("12.34") << 12.34 << 12.35;
        QTest::newRow("12.5") << 12.5 << 12.5;
        QTest::newRow("0.1049") << 0.1049 << 0.1;
        QTest::newRow("thirds") << 100.0 / 3 << 33.34;
        QTest::newRow("100") << 100.0 << 100.0;
    }
    void percentRound_goesUpUnlessTheLastDigitIsZero() {
        QFETCH(double, x);
        QFETCH(double, rounded);
        QCOMPARE(percentRound(x, 2), rounded);
    }

    void colourCycle_fifteenthItemTakesColourZeroFull() {
        ColourCycle c;
        for (int i = 0; i < 14; ++i) {
            QCOMPARE(c.s, 0);
            QCOMPARE(c.k, i);
            c.advance();
        }
        QCOMPARE(c.k, 0);
        QCOMPARE(c.s, 1);
        QCOMPARE(tableColour(0, 1), quint32(0x0000FF));
        QCOMPARE(tableColour(13, 0), quint32(0xFF00FF));
    }

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

    void barChart_zeroAmount_getsBandAndNameButNoBar() {
        RecordingSurface s;
        categoryBarChart(s, Placement{}, {100, 0, 50, 0}, {"A", "B", "C", ""}, 3);
        const auto names = s.of(Op::Print).mid(11);
        QCOMPARE(names.size(), 3);
        QCOMPARE(names[1].text, QString("B"));
        const double rowH = 6750.0 / 3;
        QCOMPARE(names[1].y1, 1500 + 6750 - 2 * rowH + (rowH - 180) / 2);
        QCOMPARE(withColour(s, Op::Box, tableColour(0, 0)).size(), 1); // A's front
        QCOMPARE(withColour(s, Op::Box, tableColour(1, 0)).size(), 0); // B: none
        QCOMPARE(withColour(s, Op::Box, tableColour(2, 0)).size(),
                 1); // C's colour was consumed by B
        const auto front = withColour(s, Op::Box, tableColour(0, 0)).first();
        QCOMPARE(front.x2 - front.x1, 100.0 / 100 * (6000 - 450));
        QCOMPARE(s.of(Op::Print).at(10).text, QString("100"));
        QCOMPARE(s.scaleMode, int(Surface::Pixels));
    }

    void charts_thatCannotBeScaled_drawOnlyTheFrame() {
        RecordingSurface bars, empty, balance, trend, ratio;
        categoryBarChart(bars, Placement{}, {0, 0, 0}, {"A", "B", ""}, 2);
        categoryBarChart(empty, Placement{}, {0}, {""}, 0);
        monthlyBalanceChart(balance, Placement{}, {}, QStringList(12, "m"), "収入", "支出");
        categoryTrendChart(trend, Placement{}, {std::array<qint64, 12>{}}, {"A"},
                           QStringList(12, "m"));
        ratioColumn(ratio, Placement{}, {0, 0}, {"A", ""}, 1);
        for (RecordingSurface* s : {&bars, &empty}) {
            QCOMPARE(s->of(Op::Print).size(), 11);
            QCOMPARE(s->of(Op::Print).last().text, QString("0"));
        }
        QCOMPARE(balance.of(Op::Print).size(), 10 + 12);
        QCOMPARE(trend.of(Op::Print).size(), 10 + 12);
        QVERIFY(ratio.calls.isEmpty());
    }

    void balanceChart_equalMonthDrawsNoColumnButBothPoints() {
        RecordingSurface s;
        std::array<std::array<qint64, 12>, 2> m{};
        m[0][0] = 1000;
        m[1][0] = 1000;
        m[0][1] = 500;
        m[1][2] = 300;
        monthlyBalanceChart(s, Placement{}, m, QStringList(12, "m"), "収入", "支出");
        QCOMPARE(withColour(s, Op::Box, 0xFFC0C0).size(), 1); // February's surplus
        QCOMPARE(withColour(s, Op::Box, 0xFFC0FF).size(), 1); // March's deficit
        const auto income = withColour(s, Op::Line, 0xFF0000);
        const auto expense = withColour(s, Op::Line, 0x0000FF);
        QCOMPARE(income.size(), 12);
        QCOMPARE(income[0].y2, expense[0].y2); // January: both points at the same height
        const auto legend = s.of(Op::Print).mid(22);
        QCOMPARE(legend[0].text, QString("■収入"));
        QCOMPARE(legend[1].y1 - legend[0].y1, 300.0);
        // max1 = 1000, max2 = 1000: zero line in the middle, labels falling by 200
        QCOMPARE(s.of(Op::Print).at(9).text, QString("1000"));
        QCOMPARE(s.of(Op::Print).at(0).text, QString("-800"));
    }

    void trendChart_fifteenthCategoryUsesColourZeroFull() {
        RecordingSurface s;
        QList<std::array<qint64, 12>> table(15, std::array<qint64, 12>{});
        QStringList names;
        for (int i = 0; i < 15; ++i) {
            table[i][i % 12] = 100 * (i + 1);
            names << QString("k%1").arg(i);
        }
        categoryTrendChart(s, Placement{}, table, names, QStringList(12, "m"));
        const auto legend = s.of(Op::Print).mid(22);
        QCOMPARE(legend.size(), 15);
        QCOMPARE(legend[14].colour, tableColour(0, 1));
        QCOMPARE(legend[14].y1, 1500 - 450 + 30 + 180.0 * 14);
        QCOMPARE(legend[0].colour, tableColour(0, 0));
    }

    void ratioColumn_singleCategoryIsTheFullHeight_andLegendsClimb() {
        RecordingSurface one;
        ratioColumn(one, Placement{150, 100, 100, 450, 30}, {500, 0}, {"食費", ""}, 1);
        const auto prints = one.of(Op::Print);
        QCOMPARE(prints.size(), 1);
        QCOMPARE(prints[0].text, QString("食費(100%)"));
        QCOMPARE(prints[0].y1, 1500.0);
        QCOMPARE(withColour(one, Op::Box, tableColour(1, 0)).first().y1, 1500.0);

        RecordingSurface many;
        ratioColumn(many, Placement{150, 100, 100, 450, 30}, {10000, 1, 1, 1, 0},
                    {"a", "b", "c", "d", ""}, 4);
        const auto items = many.of(Op::Print);
        QCOMPARE(items.size(), 4);
        for (int i = 1; i < items.size(); ++i)
            QVERIFY(items[i].y1 <= items[i - 1].y1 - RecordingSurface::CharHeight + 0.001);
        // 0.0099… rounds to 0.01, whose last digit is not 0, so it goes up one unit.
        QCOMPARE(items[0].text, QString("d(0.02%)"));
    }

    void totalsBeyond32Bits_scaleAboveThem_andStayInsideTheFrame() {
        const qint64 big = 4000000000, twice32 = 2 * qint64(INT32_MAX);
        RecordingSurface bars;
        categoryBarChart(bars, Placement{}, {big, twice32, 0}, {"給料", "賞与", ""}, 2);
        const auto scale = numericPrints(bars);
        QVERIFY(scale.last().text.toLongLong() >= big);
        QVERIFY(plottedInsideFrame(bars, -1, 10));
        // Ten-digit labels would touch at every step: every other one is left out.
        QCOMPARE(scale.size(), 6);
        for (int i = 1; i < scale.size(); ++i)
            QVERIFY(scale[i].x1 > scale[i - 1].x1 + bars.textWidth(scale[i - 1].text));

        std::array<std::array<qint64, 12>, 2> months{};
        months[0][4] = big;
        months[1][7] = twice32;
        RecordingSurface balance;
        monthlyBalanceChart(balance, Placement{}, months, QStringList(12, "m"), "収入", "支出");
        QVERIFY(balance.of(Op::Print).at(9).text.toLongLong() >= twice32);
        QVERIFY(plottedInsideFrame(balance, 9, 11));
        QVERIFY(near(monthValues(balance, 0xFF0000)[4], big, 2.0 * twice32));
        QVERIFY(near(monthValues(balance, 0x0000FF)[7], twice32, 2.0 * twice32));

        RecordingSurface trend;
        categoryTrendChart(trend, Placement{}, {months[0], months[1]}, {"給料", "車"},
                           QStringList(12, "m"));
        QVERIFY(trend.of(Op::Print).at(9).text.toLongLong() >= twice32);
        QVERIFY(plottedInsideFrame(trend, 9, 11));
        QVERIFY(near(monthValues(trend, tableColour(1, 0))[7], twice32, twice32));
    }

    void negativeMonth_isDrawnWithItsSign_insideTheFrame() {
        std::array<std::array<qint64, 12>, 2> m{};
        m[0][0] = 300000;
        m[1][0] = 250000;
        m[0][2] = -50000;
        m[1][2] = -5000;
        RecordingSurface s;
        monthlyBalanceChart(s, Placement{}, m, QStringList(12, "m"), "収入", "支出");
        QVERIFY(plottedInsideFrame(s, 9, 11));
        const double span = 350000;
        QVERIFY(near(monthValues(s, 0xFF0000)[2], -50000, span));
        QVERIFY(near(monthValues(s, 0x0000FF)[2], -5000, span));
        const auto deficit = withColour(s, Op::Box, 0xFFC0FF);
        QCOMPARE(deficit.size(), 1);
        QVERIFY(near(valueAt(s, deficit[0].y1), 0, span));
        QVERIFY(near(valueAt(s, deficit[0].y2), -45000, span));
    }

    void ordinaryYear_ofNineteenCategories_staysInsideItsScale() {
        const Year y = nineteenCategories();
        RecordingSurface balance, trend;
        monthlyBalanceChart(balance, Placement{}, y.months, QStringList(12, "m"), "収入", "支出");
        categoryTrendChart(trend, Placement{}, y.table, y.names, QStringList(12, "m"));
        QVERIFY(plottedInsideFrame(balance, 9, 11));
        QVERIFY(plottedInsideFrame(trend, 9, 11));
        const double span = 3000000;
        QVERIFY(near(monthValues(balance, 0x0000FF)[11], y.months[1][11], span));
        const auto refund = monthValues(trend, tableColour(3, 0));
        QVERIFY(near(refund[4], -30000, span));
        QVERIFY(near(refund[5], y.table[3][5], span));
        // The zero level is drawn where the scale reads 0, on a labelled grid line.
        QStringList labels;
        for (const Call& c : trend.of(Op::Print).mid(0, 10))
            labels << c.text;
        QVERIFY(labels.contains("0"));
        bool zeroLine = false;
        for (const Call& c : withColour(trend, Op::Line, EdgeColour))
            zeroLine |= c.x1 == X0 && c.x2 == X0 + D && near(valueAt(trend, c.y1), 0, span);
        QVERIFY(zeroLine);
        QCOMPARE(trend.of(Op::Print).mid(22).size(), 19);
    }

    void trendLegend_takesASecondColumn_thenCountsTheRest() {
        auto legendOf = [](int n, const QString& longName = {}) {
            QList<std::array<qint64, 12>> table(n, std::array<qint64, 12>{});
            table[0][0] = 100;
            QStringList names;
            for (int i = 0; i < n; ++i)
                names << QStringLiteral("科目%1").arg(i);
            if (!longName.isEmpty())
                names[50] = longName;
            RecordingSurface s;
            categoryTrendChart(s, Placement{}, table, names, QStringList(12, "m"));
            return s.of(Op::Print).mid(22);
        };
        const auto fits = legendOf(44);
        QCOMPARE(fits.last().x1, fits.first().x1);
        const double columnWidth = (RecordingSurface::PageWidth - fits.first().x1) / 2;

        const auto two = legendOf(60, QString(40, QChar(u'長')));
        QCOMPARE(two.size(), 60);
        QCOMPARE(two[44].x1, two[0].x1 + columnWidth);
        QCOMPARE(two[44].y1, two[0].y1);
        QVERIFY(two[50].text.endsWith(QStringLiteral("…")));
        QVERIFY(RecordingSurface::CharWidth * two[50].text.size() <= columnWidth);

        const auto full = legendOf(200);
        QCOMPARE(full.size(), 88);
        QCOMPARE(full.last().text, QStringLiteral("他113科目"));
        QCOMPARE(full.last().colour, quint32(0));
        QVERIFY(full.last().y1 + RecordingSurface::CharHeight <= RecordingSurface::PageHeight);
    }

    void ratio_leavesNegativeTotalsOutOfTheShares() {
        RecordingSurface s;
        ratioColumn(s, Placement{150, 100, 100, 450, 30}, {100000, -20000, 50000, 0},
                    {"給料", "返金", "賞与", ""}, 3);
        QStringList texts;
        for (const Call& c : s.of(Op::Print))
            texts << c.text;
        QCOMPARE(texts, QStringList({"賞与(33.34%)", "給料(66.68%)"}));
    }
};

QTEST_GUILESS_MAIN(TestGraphMod)
#include "tst_graphmod.moc"
