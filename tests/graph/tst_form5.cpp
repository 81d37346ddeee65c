// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartReading.h"
#include "graph/Form5.h"
#include "graph/GraphMod.h"
#include "support/MainFixture.h"
#include <QPushButton>
#include <QTest>

using namespace kotsu;
using namespace kotsu::test;

class TestForm5 : public QObject {
    Q_OBJECT
private slots:
    void noCategory_showsNoDataMessage() {
        MainFixture f;
        Form1& m = f.open();
        m.MnuGraph->trigger();
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().text, QString("グラフ表示するデータがありません。"));
        QCOMPARE(MessageBox::log().first().title, QString("データなし"));
        QCOMPARE(MessageBox::log().first().icon, MessageBox::Icon::Critical);
    }

    void opens_onTheRatioChart_andLeavesTheSummaryCursorOnTheLastRow() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/07", salary, 1000);
        f.ledger.addEntry("2005/03/08", food, 1500);
        Form1& m = f.open();
        whenModal<Form5>([](Form5* g) {
            QCOMPARE(g->windowTitle(), QString("グラフ"));
            QCOMPARE(g->Lblタイトル->text(), QString("割　合"));
            QCOMPARE(g->Lbl年月日表示->text(), QString("2005年3月分"));
            g->Command3->click();
            QCOMPARE(g->Lblタイトル->text(), QString("推　移"));
            QCOMPARE(g->Lbl年月日表示->text(), QString("2005年分"));
            g->Command4->click();
            QCOMPARE(g->Lblタイトル->text(), QString("支出金額"));
            g->Cmb登録->click();
        });
        m.Command3->click();
        QCOMPARE(m.FLx科目->row(), 2);
        QCOMPARE(m.FLx科目->col(), 4);
    }

    void yearCharts_sumOnlyTheDisplayedYear() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/01/10", salary, 3000);
        f.ledger.addEntry("2005/01/20", salary, 2000);
        f.ledger.addEntry("2005/12/31", food, 700);
        f.ledger.addEntry("2004/12/31", food, 90000);
        f.ledger.addEntry("2006/01/01", salary, 90000);
        Form1& m = f.open();
        Form5 g(m);
        RecordingSurface year;
        g.drawOn(year, 4);
        // January income 5000 and December expense 700 scale to 5000 and 700.
        QCOMPARE(year.of(Op::Print).at(9).text, QString("5000"));
        RecordingSurface trend;
        g.drawOn(trend, 5);
        QCOMPARE(trend.of(Op::Print).at(9).text, QString("5000"));
        const auto legend = trend.of(Op::Print).mid(22);
        QCOMPARE(legend.size(), 2);
        QCOMPARE(legend[1].text, QString("■食費"));
    }

    void yearCharts_placeEachMonthsEntriesInThatMonth() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-");
        std::array<qint64, 12> in{}, out{};
        for (int t = 0; t < 12; ++t) {
            const QDate first(2005, t + 1, 1);
            in[t] = 1000 * (t + 1);
            out[t] = 500 * (12 - t);
            f.ledger.addEntry(first.toString("yyyy/MM/dd"), salary, in[t]);
            f.ledger.addEntry(first.addMonths(1).addDays(-1).toString("yyyy/MM/dd"), food, out[t]);
        }
        Form1& m = f.open();
        Form5 g(m);
        RecordingSurface year, trend;
        g.drawOn(year, 4);
        g.drawOn(trend, 5);
        const QList<double> drawn[4] = {monthValues(year, 0xFF0000), monthValues(year, 0x0000FF),
                                        monthValues(trend, tableColour(0, 0)),
                                        monthValues(trend, tableColour(1, 0))};
        for (int t = 0; t < 12; ++t) {
            const QByteArray month = QByteArray::number(t + 1);
            QVERIFY2(near(drawn[0][t], in[t], 18000), month);
            QVERIFY2(near(drawn[1][t], out[t], 18000), month);
            QVERIFY2(near(drawn[2][t], in[t], 12000), month);
            QVERIFY2(near(drawn[3][t], out[t], 12000), month);
        }
    }

    void summary_isReadInGridOrder_withAnEmptyElementPastTheEnd() {
        MainFixture f;
        f.ledger.addCategory("食費", "-");
        f.ledger.addCategory("給与", "+");
        f.ledger.addCategory("家賃", "-");
        Form1& m = f.open();
        m.FLx科目->setTextMatrix(3, 4, "not a number");
        Form5 g(m);
        const SummaryLists l = g.readSummary();
        QCOMPARE(l.expenseCount, 2);
        QCOMPARE(l.incomeCount, 1);
        QCOMPARE(l.expenseNames, QStringList({"食費", "家賃", ""}));
        QCOMPARE(l.expenseAmounts, QList<qint64>({0, 0, 0}));
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
