// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GridModel.h"
#include "support/MainFixture.h"
#include <QAbstractItemModelTester>
#include <QMenuBar>
#include <QTest>

using namespace kotsu;
using kotsu::test::MainFixture;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void startUp_showsTheWholeCurrentMonth_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::newRow("31st") << QDate(2005, 3, 31) << QDate(2005, 3, 1) << QDate(2005, 3, 31);
        QTest::newRow("29 February")
            << QDate(2004, 2, 29) << QDate(2004, 2, 1) << QDate(2004, 2, 29);
        QTest::newRow("December") << QDate(2005, 12, 15) << QDate(2005, 12, 1)
                                  << QDate(2005, 12, 31);
        QTest::newRow("30-day month")
            << QDate(2005, 4, 1) << QDate(2005, 4, 1) << QDate(2005, 4, 30);
    }
    void startUp_showsTheWholeCurrentMonth() {
        QFETCH(QDate, today);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        MainFixture f(today);
        const qint64 cat = f.ledger.addCategory("食費", "-", 1000);
        f.ledger.addEntry(dateText(first), cat, 10);
        f.ledger.addEntry(dateText(last), cat, 20);
        f.ledger.addEntry(dateText(first.addDays(-1)), cat, 40);
        f.ledger.addEntry(dateText(last.addDays(1)), cat, 80);
        Form1& m = f.open();
        QCOMPARE(m.Dat期間開始, first);
        QCOMPARE(m.Dat期間終了, last);
        QCOMPARE(m.Tag, "m" + dateText(today));
        QCOMPARE(m.Label2[6]->text(), QString("月指定："));
        QCOMPARE(m.Lbl登録日付->text(), dateText(today));
        QCOMPARE(m.Lbl明細日付->text(), dateText(today));
        QCOMPARE(m.Flx明細->rows(), 3);
        QCOMPARE(m.Lbl集計支出->text(), QString("30"));
        QCOMPARE(m.Lbl集計残高->text(), QString("-150"));
    }

    void emptyLedger_showsTitleRowsAndZeroTotals() {
        MainFixture f;
        Form1& m = f.open();
        QCOMPARE(m.windowTitle(), QString("コツコツ帳。　Ver3.2"));
        QCOMPARE(m.Flx明細->rows(), 1);
        QCOMPARE(m.FLx科目->rows(), 1);
        QCOMPARE(f.entryRow(0), QStringList({"No", "　　日付", "　　　科目", "　　収入", "　　支出",
                                             "　　　 コメント"}));
        QCOMPARE(f.summaryRow(0),
                 QStringList({"No", "　　　科目", "±", "　　予算", "　　合計", "　　差額"}));
        for (QLabel* l : {m.Lbl集計収入, m.Lbl集計支出, m.Lbl集計合計, m.Lbl集計予算,
                          m.Lbl集計支出2, m.Lbl集計差額, m.Lbl集計残高})
            QCOMPARE(l->text(), QString("0"));
        QCOMPARE(m.Cmb明細科目->count(), 1);
        QCOMPARE(m.Cmb明細科目->currentText(), QString("すべての科目"));
        QCOMPARE(m.Cmb登録科目->count(), 0);
        QCOMPARE(m.Flx明細->columnWidth(5), 2130 / 15);
        QCOMPARE(m.FLx科目->columnWidth(1), 1530 / 15);
    }

    void menus_carryTheirCaptionsAndPopupsStayOffTheBar() {
        MainFixture f;
        Form1& m = f.open();
        QStringList bar;
        for (QAction* a : m.menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "ﾍﾙﾌﾟ(&H)"}));
        QCOMPARE(m.MnuInp->text(), QString("Ver2.0の明細データの取込み(&I)"));
        QCOMPARE(m.MnuMeiPop->title(), QString("明細用メニュー"));
        QCOMPARE(m.MnuKamPop->actions().size(), 3);
        QCOMPARE(m.MnuMeiPop->actions().size(), 4); // with its separator
    }

    void gridModel_passesTheModelTester() {
        GridModel model(6);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows(5);
        model.setCell(2, 3, "x");
        model.setCell(0, 1, "title");
        model.freeze();
        model.setRows(100);
        for (int r = 1; r < 100; ++r)
            model.setCell(r, 0, QString::number(r));
        model.thaw();
        QCOMPARE(model.rowCount(), 99);
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("title"));
        QCOMPARE(model.data(model.index(98, 0), Qt::DisplayRole).toString(), QString("99"));
        model.setRows(1);
        QCOMPARE(model.rowCount(), 0);
    }

    void versionDialog_showsTwoCentredLines() {
        MainFixture f;
        Form1& m = f.open();
        kotsu::test::whenModal<QDialog>([](QDialog* d) {
            auto* label = d->findChild<QLabel*>();
            QCOMPARE(d->windowTitle(), QString("コツコツ帳。"));
            QCOMPARE(label->text(), QString("コツコツ帳。 Version 3.2\nfor Windows9X/Me/2000/XP"));
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            d->accept();
        });
        m.MnuVer_Click();
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
