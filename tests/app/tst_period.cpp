// SPDX-License-Identifier: GPL-3.0-or-later
#include "datepick/Form2.h"
#include "dialogs/Form3.h"
#include "support/MainFixture.h"
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace kotsu;
using kotsu::test::MainFixture;
using kotsu::test::whenModal;

class TestPeriod : public QObject {
    Q_OBJECT
private slots:
    void search_computesYearMonthAndDayPeriods_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::newRow("year") << "y2005/07/19" << QDate(2005, 1, 1) << QDate(2005, 12, 31);
        QTest::newRow("leap February") << "m2004/02/10" << QDate(2004, 2, 1) << QDate(2004, 2, 29);
        QTest::newRow("common February")
            << "m2005/02/10" << QDate(2005, 2, 1) << QDate(2005, 2, 28);
        QTest::newRow("day") << "d2005/07/19" << QDate(2005, 7, 19) << QDate(2005, 7, 19);
    }
    void search_computesYearMonthAndDayPeriods() {
        QFETCH(QString, tag);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry(dateText(start), cat, 1);
        f.ledger.addEntry(dateText(end), cat, 2);
        f.ledger.addEntry(dateText(start.addDays(-1)), cat, 4);
        f.ledger.addEntry(dateText(end.addDays(1)), cat, 8);
        Form1& m = f.open();
        f.search(tag);
        QCOMPARE(m.Dat期間開始, start);
        QCOMPARE(m.Dat期間終了, end);
        QCOMPARE(m.Lbl集計支出->text(), start == end ? QString("3") : QString("3"));
        QCOMPARE(f.summaryRow(1).at(4), QString("3"));
        // Later reloads keep the searched period.
        m.reloadAll();
        QCOMPARE(m.Lbl集計支出->text(), QString("3"));
    }

    void search_withoutThePicker_usesTheStartUpMonthAndTheFilter() {
        MainFixture f;
        const qint64 a = f.ledger.addCategory("A", "-");
        const qint64 b = f.ledger.addCategory("B", "-");
        f.ledger.addEntry("2005/03/01", a, 10);
        f.ledger.addEntry("2005/03/02", b, 20);
        f.ledger.addEntry("2005/04/02", b, 40);
        Form1& m = f.open();
        m.Cmb明細科目->setCurrentIndex(2);
        m.Command2_Click();
        QCOMPARE(m.Dat期間開始, QDate(2005, 3, 1));
        QCOMPARE(m.Flx明細->rows(), 2);
        QCOMPARE(m.Lbl集計支出->text(), QString("20"));
    }

    // A later reload must not show another period than the one on screen.
    void failedSearch_keepsTheShownPeriod() {
        MainFixture f;
        Form1& m = f.open();
        QFile::remove(f.ledger.path);
        QVERIFY(QDir().mkdir(f.ledger.path)); // a folder in its place cannot be opened
        f.search("y2005/03/07");
        QCOMPARE(MessageBox::log().size(), 1);
        QVERIFY(MessageBox::log().first().text.startsWith("実行時エラー"));
        QCOMPARE(m.Dat期間開始, QDate(2005, 3, 1));
        QCOMPARE(m.Dat期間終了, QDate(2005, 3, 31));
    }

    // The categories cannot be read, the entries can: nothing shown changes, no list empties.
    void halfFailedReads_changeNothingShown() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-", 3000);
        f.ledger.addCategory("給与", "+");
        f.ledger.addEntry("2005/03/07", food, 1200);
        f.ledger.addEntry("2005/04/01", food, 5);
        Form1& m = f.open();
        auto shown = [&] {
            return QStringList{f.entryRow(1).join('|'),
                               f.summaryRow(1).join('|'),
                               m.Lbl集計支出->text(),
                               m.Lbl集計支出2->text(),
                               QString::number(m.Cmb明細科目->count()),
                               QString::number(m.Cmb登録科目->count()),
                               QString::number(m.form3()->Cmb登録科目->count())};
        };
        const QStringList before = shown();
        // Reading the whole category row now fails; the entry list reads only two columns.
        Database(f.ledger.path)
            .exec("ALTER TABLE 科目テーブル ADD COLUMN 壊れ INTEGER "
                  "AS (abs(-9223372036854775807 - 1))");
        f.search("m2005/04/01");
        m.reloadCategories();
        QCOMPARE(MessageBox::log().size(), 2);
        QCOMPARE(shown(), before);
        QCOMPARE(m.Dat期間開始, QDate(2005, 3, 1));
    }

    // A category chosen as the filter lists exactly its entries, whatever its name holds.
    void filter_listsExactlyTheChosenCategory_data() {
        QTest::addColumn<QString>("name");
        for (const char* n : {"[特別]", "A#1", "交*費", "100%", "_x"})
            QTest::newRow(n) << QString::fromUtf8(n);
    }
    void filter_listsExactlyTheChosenCategory() {
        QFETCH(QString, name);
        MainFixture f;
        const qint64 chosen = f.ledger.addCategory(name, "-");
        for (const char* other : {"特", "A11", "交通費", "100円", "ax", "[特別]x"})
            f.ledger.addEntry("2005/03/02", f.ledger.addCategory(other, "-"), 5);
        f.ledger.addEntry("2005/03/01", chosen, 7);
        Form1& m = f.open();
        m.Cmb明細科目->setCurrentIndex(1);
        m.Command2_Click();
        QCOMPARE(m.Flx明細->rows(), 2);
        QCOMPARE(f.entryRow(1).at(2), name);
        QCOMPARE(m.Lbl集計支出->text(), QString("7"));
    }

    void listDatePicker_setsTheChoiceAndCancelRestoresIt() {
        MainFixture f;
        Form1& m = f.open();
        whenModal<Form2>([&m](Form2* picker) {
            QCOMPARE(m.Tag, QString("MEISAI"));
            QCOMPARE(picker->windowTitle(), QString("検索日の指定"));
            picker->Command1->click();
        });
        m.Command1_Click();
        QCOMPARE(m.Tag, QString("y2005/03/07"));
        QCOMPARE(m.Label2[6]->text(), QString("年指定："));
        QCOMPARE(m.Dat期間開始, QDate(2005, 3, 1)); // nothing reloaded yet
        whenModal<Form2>([](Form2* picker) { picker->Command2->click(); });
        m.Command1_Click();
        QCOMPARE(m.Tag, QString("y2005/03/07"));
        QCOMPARE(m.Label2[6]->text(), QString("年指定："));
        m.Command2_Click();
        QCOMPARE(m.Dat期間終了, QDate(2005, 12, 31));
    }

    void registrationDatePicker_writesTheLabelAndRestoresTag() {
        MainFixture f;
        Form1& m = f.open();
        whenModal<Form2>([&m](Form2* picker) {
            QCOMPARE(m.Tag, QString("TOUROKU"));
            QTest::mouseClick(picker->LblD[2 + 19], Qt::LeftButton); // 2005/03/20
            picker->Command4->click();
        });
        m.Btn日付_Click();
        QCOMPARE(m.Lbl登録日付->text(), QString("2005/03/20"));
        QCOMPARE(m.Tag, QString("m2005/03/07"));
        whenModal<Form2>([](Form2* picker) { picker->reject(); });
        m.Btn日付_Click();
        QCOMPARE(m.Lbl登録日付->text(), QString("2005/03/20"));
    }

    void rightClick_makesThePointedRowCurrent_onlyWhenThereIsOne() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        for (int d = 1; d <= 3; ++d)
            f.ledger.addEntry(QString("2005/03/0%1").arg(d), cat, d);
        Form1& m = f.open();
        m.resize(1000, 600);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        FlexGrid* grid = m.Flx明細;
        grid->setRow(1);
        const QRect third = grid->visualRect(grid->model()->index(2, 1));
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, third.center());
        QCOMPARE(grid->row(), 3);
        QTRY_VERIFY(m.MnuMeiPop->isVisible());
        m.MnuMeiPop->close();
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {},
                          QPoint(third.center().x(), grid->viewport()->height() - 3));
        QCOMPARE(grid->row(), 3);
        m.MnuMeiPop->close();
        grid->setRow(1);
        QTest::mouseClick(grid->viewport(), Qt::MiddleButton, {}, third.center());
        QVERIFY(!m.MnuMeiPop->isVisible());
        QCOMPARE(grid->row(), 1);
    }

    void keyboard_opensTheMenuForTheCurrentRow_andTabLeavesTheGrid() {
        MainFixture f;
        f.ledger.addCategory("食費", "-");
        Form1& m = f.open();
        QVERIFY(f.showActive());
        m.FLx科目->setFocus();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                  m.FLx科目->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(m.FLx科目->viewport(), &menuKey);
        QTRY_VERIFY(m.MnuKamPop->isVisible());
        m.MnuKamPop->close();
        m.Flx明細->setFocus();
        QTest::keyClick(m.Flx明細, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m.FLx科目);
    }
};

QTEST_MAIN(TestPeriod)
#include "tst_period.moc"
