// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form3.h"
#include "dialogs/Form7.h"
#include "support/MainFixture.h"
#include <QTest>

using namespace kotsu;
using kotsu::test::MainFixture;

class TestReloads : public QObject {
    Q_OBJECT
private slots:
    void entryList_showsAmountsInTheirColumnAndTotals() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-", 50000);
        f.ledger.addEntry("2005/03/01", food, 1200, "昼食");
        f.ledger.addEntry("2005/03/31", salary, 250000, "");
        f.ledger.addEntry("2005/03/15", food, -500, "返金");
        f.ledger.addEntry("2005/03/15", food, 1234567, "");
        Form1& m = f.open();
        QCOMPARE(m.Flx明細->rows(), 5);
        QCOMPARE(f.entryRow(1), QStringList({"1", "2005/03/01", "食費", "0", "1,200", "昼食"}));
        QCOMPARE(f.entryRow(2), QStringList({"2", "2005/03/15", "食費", "0", "-500", "返金"}));
        QCOMPARE(f.entryRow(3), QStringList({"3", "2005/03/15", "食費", "0", "1,234,567", ""}));
        QCOMPARE(f.entryRow(4), QStringList({"4", "2005/03/31", "給与", "250,000", "0", ""}));
        QCOMPARE(m.Lbl集計収入->text(), QString("250,000"));
        QCOMPARE(m.Lbl集計支出->text(), QString("1,235,267"));
        QCOMPARE(m.Lbl集計合計->text(), QString("-985,267"));
        QVERIFY(MainFixture::isRed(m.Lbl集計合計));
        QVERIFY(MainFixture::isRed(m.Lbl集計残高));
    }

    void summary_comparesBudgetsWithThePeriodsExpense() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+", 999);
        const qint64 food = f.ledger.addCategory("食費", "-", 1000);
        const qint64 rent = f.ledger.addCategory("家賃", "-", 80000);
        f.ledger.addEntry("2005/03/10", food, 2500);
        f.ledger.addEntry("2005/03/10", salary, 300000);
        f.ledger.addEntry("2005/02/10", rent, 80000); // outside the month
        Form1& m = f.open();
        QCOMPARE(f.summaryRow(1), QStringList({"1", "給与", "+", "", "300,000", ""}));
        QCOMPARE(f.summaryRow(2), QStringList({"2", "食費", "-", "1,000", "2,500", "-1,500"}));
        QCOMPARE(f.summaryRow(3), QStringList({"3", "家賃", "-", "80,000", "0", "80,000"}));
        QCOMPARE(m.Lbl集計予算->text(), QString("81,000"));
        QCOMPARE(m.Lbl集計支出2->text(), QString("2,500"));
        QCOMPARE(m.Lbl集計差額->text(), QString("78,500"));
        QVERIFY(!MainFixture::isRed(m.Lbl集計差額));
        QCOMPARE(m.科目IDs, QStringList({QString::number(salary), QString::number(food),
                                         QString::number(rent)}));
    }

    void budgetDifference_turnsRedAndBlackAgain() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-", 1000);
        const qint64 big = f.ledger.addEntry("2005/03/10", food, 2500);
        Form1& m = f.open();
        QCOMPARE(m.Lbl集計差額->text(), QString("-1,500"));
        QVERIFY(MainFixture::isRed(m.Lbl集計差額));
        {
            Database db(f.ledger.path);
            db.exec(QString("UPDATE 明細テーブル SET 金額 = 1000 WHERE ID = %1").arg(big));
        }
        m.reloadAll();
        QCOMPARE(m.Lbl集計差額->text(), QString("0"));
        QVERIFY(!MainFixture::isRed(m.Lbl集計差額));
    }

    void everyCategoryList_isRefilledInIdOrder() {
        MainFixture f;
        f.ledger.addCategory("給与", "+");
        f.ledger.addCategory("食費", "-");
        Form1& m = f.open();
        for (QComboBox* c : {m.Cmb登録科目, m.form3()->Cmb登録科目, m.form7()->Cmb修正後}) {
            QCOMPARE(c->count(), 2);
            QCOMPARE(c->itemText(1), QString("食費"));
        }
        QCOMPARE(m.Cmb明細科目->itemText(0), QString("すべての科目"));
        QCOMPARE(m.Cmb明細科目->itemText(2), QString("食費"));
        QCOMPARE(m.Cmb登録科目->currentIndex(), 0);
    }

    void filter_changesThePeriodTotalsButNotBalanceOrSummary() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-");
        const qint64 fun = f.ledger.addCategory("娯楽", "-");
        f.ledger.addEntry("2005/03/02", salary, 1000);
        f.ledger.addEntry("2005/03/03", food, 300);
        f.ledger.addEntry("2005/03/04", fun, 200);
        Form1& m = f.open();
        const QString balance = m.Lbl集計残高->text();
        const QStringList summary = f.summaryRow(2);
        f.search("m2005/03/07", "食費");
        QCOMPARE(m.Flx明細->rows(), 2);
        QCOMPARE(m.Lbl集計収入->text(), QString("0"));
        QCOMPARE(m.Lbl集計支出->text(), QString("300"));
        QCOMPARE(m.Lbl集計合計->text(), QString("-300"));
        QCOMPARE(m.Lbl集計残高->text(), balance);
        QCOMPARE(f.summaryRow(2), summary);
        // The selection survives reloads that keep the category order.
        m.reloadAll();
        QCOMPARE(m.Cmb明細科目->currentText(), QString("食費"));
        QCOMPARE(m.Flx明細->rows(), 2);
    }

    // The filter follows its category's ID; when that is gone, all categories are listed,
    // and the list and totals always belong to the filter shown.
    void filter_followsItsCategory_andFallsBackToAll() {
        MainFixture f;
        const qint64 a = f.ledger.addCategory("A", "-");
        const qint64 b = f.ledger.addCategory("B", "-");
        const qint64 c = f.ledger.addCategory("C", "-");
        f.ledger.addEntry("2005/03/01", a, 1);
        f.ledger.addEntry("2005/03/02", b, 20);
        f.ledger.addEntry("2005/03/03", c, 300);
        Form1& m = f.open();
        f.search("m2005/03/07", "B");
        m.FLx科目->setRow(1);
        MessageBox::pushAnswer(MessageBox::Answer::Ok);
        m.MnuKamDel->trigger();
        QCOMPARE(m.Cmb明細科目->currentText(), QString("B"));
        QCOMPARE(m.Flx明細->rows(), 2);
        QCOMPARE(m.Lbl集計支出->text(), QString("20"));
        m.FLx科目->setRow(1);
        MessageBox::pushAnswer(MessageBox::Answer::Ok);
        m.MnuKamDel->trigger();
        QCOMPARE(m.Cmb明細科目->currentIndex(), 0);
        QCOMPARE(m.Flx明細->rows(), 2);
        QCOMPARE(m.Lbl集計支出->text(),
                 formatAmount(f.ledger.scalar("Select sum(金額) as S From 明細テーブル", "s")));
    }

    // Budgets are monthly: a year view holds twelve of them against the year's spending.
    void yearView_comparesTwelveMonthlyBudgets() {
        MainFixture f;
        const qint64 rent = f.ledger.addCategory("住居費", "-", 85000);
        f.ledger.addCategory("給与", "+");
        for (int month = 1; month <= 12; ++month)
            f.ledger.addEntry(QString("2005/%1/25").arg(month, 2, 10, QChar('0')), rent, 85000);
        Form1& m = f.open();
        QCOMPARE(f.summaryRow(1), QStringList({"1", "住居費", "-", "85,000", "85,000", "0"}));
        f.search("y2005/03/07");
        const QString spent = formatAmount(f.ledger.scalar(
            "Select sum(金額) as S From 明細テーブル Where 日付 Between '2005/01/01' And "
            "'2005/12/31'",
            "s"));
        QCOMPARE(f.summaryRow(1), QStringList({"1", "住居費", "-", "1,020,000", spent, "0"}));
        QCOMPARE(f.summaryRow(2).at(3), QString());
        QCOMPARE(m.Lbl集計予算->text(), QString("1,020,000"));
        QCOMPARE(m.Lbl集計差額->text(), QString("0"));
    }

    void commentLists_holdEveryPhraseOnceInCreationOrder() {
        MainFixture f;
        f.ledger.addPhrase("昼食");
        f.ledger.addPhrase("交通費");
        Form1& m = f.open();
        QCOMPARE(m.commentPhrases(), QStringList({"昼食", "交通費"}));
        QCOMPARE(m.form3()->Cmb登録コメント->count(), 2);
        m.Cmb登録コメント->setEditText("typed, not registered");
        m.reloadComments();
        QCOMPARE(m.Cmb登録コメント->currentText(), QString());
    }

    void balance_ignoresPeriodAndFilter() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        f.ledger.addEntry("1999/01/01", salary, 5000);
        Form1& m = f.open();
        QCOMPARE(m.Flx明細->rows(), 1);
        QCOMPARE(m.Lbl集計収入->text(), QString("0"));
        QCOMPARE(m.Lbl集計残高->text(), QString("5,000"));
        QVERIFY(!MainFixture::isRed(m.Lbl集計残高));
    }

    void entryOfADeletedCategory_countsNowhere() {
        MainFixture f;
        const qint64 salary = f.ledger.addCategory("給与", "+");
        const qint64 gone = f.ledger.addCategory("消えた科目", "-");
        f.ledger.addEntry("2005/03/02", salary, 1000);
        f.ledger.addEntry("2005/03/03", gone, 400);
        {
            Database db(f.ledger.path);
            db.exec(QString("DELETE FROM 科目テーブル WHERE ID = %1").arg(gone));
        }
        Form1& m = f.open();
        QCOMPARE(m.Flx明細->rows(), 2);
        QCOMPARE(m.Lbl集計支出->text(), QString("0"));
        QCOMPARE(m.Lbl集計支出2->text(), QString("0"));
        QCOMPARE(m.Lbl集計残高->text(), QString("1,000"));
    }
};

QTEST_MAIN(TestReloads)
#include "tst_reloads.moc"
