// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartReading.h"
#include "dialogs/Form4.h"
#include "graph/Form5.h"
#include "graph/GraphMod.h"
#include "support/FakePort.h"
#include "support/MainFixture.h"
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace kotsu;
using namespace kotsu::test;

namespace {

// A summary grid of any size, without a ledger behind it.
class SummaryPort : public FakePort {
public:
    struct Row {
        QString name, sign;
        qint64 total;
    };
    QList<Row> rows;

    int summaryRows() const override { return int(rows.size()) + 1; }
    QString summaryCell(int row, int col) const override {
        const Row& r = rows[row - 1];
        return col == 1 ? r.name : col == 2 ? r.sign : col == 4 ? formatAmount(r.total) : QString();
    }
    qint64 summaryNumber(int row, int col) const override {
        return col == 4 ? rows[row - 1].total : 0;
    }
    QDate periodStart() const override { return {2026, 12, 1}; }
    QDate periodEnd() const override { return {2026, 12, 31}; }
};

// The colour a chart gives a category: the swatch before its legend name, the front of the
// bar in its band, or the front of the segment its leader line starts on.
quint32 swatchColour(const RecordingSurface& s, const QString& name) {
    const auto prints = s.of(Op::Print);
    for (int i = 1; i < prints.size(); ++i)
        if (prints[i].text == name)
            return prints[i - 1].colour;
    return 0;
}

quint32 barColour(const RecordingSurface& s, const QString& name) {
    for (const Call& p : s.of(Op::Print))
        if (p.text == name)
            for (const Call& b : s.of(Op::Box))
                if (b.x1 == X0 && b.x2 > b.x1 && b.y1 < p.y1 && b.y2 > p.y1)
                    return b.colour;
    return 0;
}

quint32 segmentColour(const RecordingSurface& s, const QString& name, double columnX) {
    const auto calls = s.calls;
    for (int i = 0; i < calls.size(); ++i) {
        if (calls[i].op != Op::Print || !calls[i].text.startsWith(name))
            continue;
        while (calls[i].op != Op::Line)
            ++i;
        for (const Call& b : s.of(Op::Box))
            if (b.x1 == columnX && b.y1 == calls[i].y1 - 15)
                return b.colour;
    }
    return 0;
}

} // namespace

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

    void opens_onTheRatioChart_andLeavesTheChosenCategoryChosen() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/07", salary, 1000);
        f.ledger.addEntry("2005/03/08", food, 1500);
        Form1& m = f.open();
        m.FLx科目->setRow(1);
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
        // 修正 right after the charts edits the category the user chose, not the last one.
        QCOMPARE(m.FLx科目->row(), 1);
        whenModal<Form4>([](Form4* d) {
            QCOMPARE(d->Txt科目名->text(), QString("給与"));
            d->Command1->click();
        });
        m.MnuKamEdit->trigger();
    }

    void captions_andData_followTheShownPeriod() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        f.ledger.addEntry("2026/12/08", salary, 5000);
        f.ledger.addEntry("2025/12/08", salary, 90000);
        Form1& m = f.open();
        const struct {
            QString tag, caption;
        } periods[] = {{"y2026/12/08", "2026年分"},
                       {"m2026/12/08", "2026年12月分"},
                       {"d2026/12/08", "2026年12月8日分"}};
        for (const auto& p : periods) {
            f.search(p.tag);
            Form5 g(m);
            RecordingSurface s;
            for (int kind : {1, 2, 3}) {
                g.drawOn(s, kind);
                QCOMPARE(g.Lbl年月日表示->text(), p.caption);
            }
            g.drawOn(s, 4);
            QCOMPARE(g.Lbl年月日表示->text(), QString("2026年分"));
        }
        // Another year picked in the calendar but not yet searched: still the shown year.
        m.Lbl明細日付->setText("2025/12/08");
        Form5 g(m);
        RecordingSurface year;
        g.drawOn(year, 4);
        QCOMPARE(g.Lbl年月日表示->text(), QString("2026年分"));
        const QList<QPointF> income = points(year, 0xFF0000);
        QVERIFY(qAbs(readAt(valueTicks(year), income[11].y()) - 5000) <=
                pixelWorth(valueTicks(year)));
    }

    void yearCharts_placeEachMonthsEntriesInThatMonth_ofTheShownYearOnly() {
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
        f.ledger.addEntry("2004/12/31", food, 90000);
        f.ledger.addEntry("2006/01/01", salary, 90000);
        Form1& m = f.open();
        Form5 g(m);
        RecordingSurface year, trend;
        g.drawOn(year, 4);
        g.drawOn(trend, 5);
        const struct {
            const RecordingSurface& chart;
            quint32 colour;
            const std::array<qint64, 12>& months;
        } lines[] = {{year, 0xFF0000, in},
                     {year, 0x0000FF, out},
                     {trend, placeColour(0).front, in},
                     {trend, placeColour(1).front, out}};
        for (const auto& l : lines) {
            const QList<Tick> ticks = valueTicks(l.chart);
            const QList<QPointF> at = points(l.chart, l.colour);
            for (int t = 0; t < 12; ++t)
                QVERIFY2(qAbs(readAt(ticks, at[t].y()) - l.months[t]) <= pixelWorth(ticks),
                         QByteArray::number(t + 1));
        }
    }

    void summary_isReadInGridOrder_withEachRowsPlace() {
        MainFixture f;
        f.ledger.addCategory("食費", "-");
        f.ledger.addCategory("給与", "+");
        f.ledger.addCategory("家賃", "-");
        Form1& m = f.open();
        m.FLx科目->setTextMatrix(3, 4, "not a number");
        Form5 g(m);
        const SummaryLists l = g.readSummary();
        QCOMPARE(l.income.size(), 1);
        QCOMPARE(l.expense.size(), 2);
        QCOMPARE(l.expense[1].name, QString("家賃"));
        QCOMPARE(l.expense[1].amount, 0);
        QCOMPARE(l.expense[1].place, 2);
        QCOMPARE(l.income[0].place, 1);
    }

    void aCategory_hasOneColourInEveryChart() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        const qint64 rent = f.ledger.addCategory("家賃", "-");
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/01", salary, 300000);
        f.ledger.addEntry("2005/03/02", rent, 80000);
        f.ledger.addEntry("2005/03/03", food, 40000);
        Form1& m = f.open();
        Form5 g(m);
        RecordingSurface ratio, bars, trend;
        g.drawOn(ratio, 1);
        g.drawOn(bars, 3);
        g.drawOn(trend, 5);
        for (const QString name : {"家賃", "食費"}) {
            const quint32 colour = swatchColour(trend, name);
            QCOMPARE(barColour(bars, name), colour);
            QCOMPARE(segmentColour(ratio, name, 5250), colour);
        }
        QCOMPARE(swatchColour(trend, "食費"), placeColour(2).front);
        QCOMPARE(segmentColour(ratio, "給与", 2250), placeColour(0).front);
    }

    void anEmptyPeriod_saysSoInEveryChart_data() {
        QTest::addColumn<qint64>("refund");    // the shown month's one entry, if not 0
        QTest::addColumn<QList<int>>("empty"); // the kinds with nothing to draw
        QTest::newRow("no entries") << qint64(0) << QList<int>{1, 2, 3, 4, 5};
        // Nothing to share out and no income; the refund's bar and its month are drawn.
        QTest::newRow("a refund alone") << qint64(-5000) << QList<int>{1, 2};
    }
    void anEmptyPeriod_saysSoInEveryChart() {
        QFETCH(qint64, refund);
        QFETCH(QList<int>, empty);
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2004/03/07", salary, 1000);
        if (refund != 0)
            f.ledger.addEntry("2005/03/07", food, refund);
        Form1& m = f.open();
        Form5 g(m);
        for (int kind = 1; kind <= 5; ++kind) {
            RecordingSurface s;
            g.drawOn(s, kind);
            const QByteArray k = QByteArray::number(kind);
            const QStringList t = texts(s);
            QVERIFY2(t.contains(noDataText()) == empty.contains(kind), k);
            if (kind == 1)
                QCOMPARE(t.contains("マイナスの科目（1）を除く"), refund < 0);
            if (!empty.contains(kind))
                continue;
            double v;
            for (const QString& text : t)
                QVERIFY2(!text.endsWith('%') && !isNumber(text, &v), qPrintable(text));
            // No grid line strikes the text through.
            const QRectF text = printRect(s.of(Op::Print).at(t.indexOf(noDataText())));
            for (const Call& c : s.of(Op::Line))
                QVERIFY2(!QRectF(QPointF(c.x1, c.y1), QPointF(c.x2, c.y2))
                              .normalized()
                              .adjusted(-1, -1, 1, 1)
                              .intersects(text),
                         k);
        }
    }

    void crowdedCharts_stayInsideTheWindow_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("longName");
        QTest::addColumn<bool>("refunds");      // some small negative totals, some ¥0
        QTest::addColumn<QList<int>>("merges"); // "その他" items drawn in kinds 1, 2, 3
        QTest::newRow("60 categories") << 60 << QString() << false << QList<int>{1, 0, 1};
        QTest::newRow("60 with refunds and ¥0") << 60 << QString() << true << QList<int>{0, 0, 1};
        QTest::newRow("200 categories") << 200 << QString() << false << QList<int>{2, 1, 1};
        QTest::newRow("long names") << 6 << QString("アルバイト収入（週末の家庭教師）と臨時の謝礼")
                                    << false << QList<int>{0, 0, 0};
    }
    void crowdedCharts_stayInsideTheWindow() {
        QFETCH(int, count);
        QFETCH(QString, longName);
        QFETCH(bool, refunds);
        QFETCH(QList<int>, merges);
        SummaryPort port;
        for (int i = 0; i < count; ++i) {
            qint64 total = (i * 7919 % 1000 + 1) * 100;
            if (refunds && i % 9 == 5)
                total = -(i % 5 + 1) * 10;
            if (refunds && i % 11 == 3)
                total = 0;
            port.rows << SummaryPort::Row{longName + QString("科目%1").arg(i), i % 4 ? "-" : "+",
                                          total};
        }
        Form5 g(port);
        for (int kind = 1; kind <= 3; ++kind) {
            RecordingSurface s;
            g.drawOn(s, kind);
            const QByteArray k = QByteArray::number(kind);
            QVERIFY2(insideWindow(s), k);
            QVERIFY2(textsApart(s), k);
            for (const Call& b : s.of(Op::Box))
                QVERIFY2(b.y2 >= b.y1, k);
            // Names cut to their room keep their start.
            for (const QString& t : texts(s))
                if (t.endsWith("…"))
                    QVERIFY2(longName.startsWith(t.chopped(1)), qPrintable(t));
            // The smallest categories merge where the column or the bands cannot hold them all.
            const QStringList merged = texts(s).filter(QRegularExpression("^その他（\\d+科目）"));
            QCOMPARE(merged.size(), merges[kind - 1]);
            if (kind == 1) {
                for (const Call& c : s.of(Op::Print))
                    if (c.x1 > 2250 && c.x1 < 5250)
                        QVERIFY2(c.x1 + widthOf(c.text) <= 5250 - 60, qPrintable(c.text));
                continue;
            }
            // A bar merged away is one with an amount, never a negative one (it would be netted).
            int drawn = 0, bands = 0;
            for (const SummaryPort::Row& r : port.rows) {
                if (r.sign != (kind == 2 ? "+" : "-"))
                    continue;
                drawn += r.total != 0;
                if (r.total < 0)
                    QVERIFY2(texts(s).contains(r.name), qPrintable(r.name));
            }
            for (const Call& c : s.of(Op::Print))
                bands += c.x1 + widthOf(c.text) == X0 - 60;
            if (!merged.isEmpty())
                QCOMPARE(bands - 1 + merged[0].mid(4).chopped(3).toInt(), drawn);
        }
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
