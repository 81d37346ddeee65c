// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form4.h"
#include "support/Keys.h"
#include "support/MainFixture.h"
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kotsu;
using namespace kotsu::test;

class TestCategoryEditor : public QObject {
    Q_OBJECT
private slots:
    // Name, Tab, Right, Tab, budget, Alt+O: the same keys give the same category every time.
    void expenseByKeyboard_onEveryOpening() {
        MainFixture f;
        Form1& m = f.open();
        QVERIFY(f.showActive());
        for (int i = 1; i <= 3; ++i) {
            whenModal<Form4>([i](Form4* d) {
                type(QString("Cat%1").arg(i));
                press(Qt::Key_Tab);
                QCOMPARE(focused(), d->Opt収支[0]);
                press(Qt::Key_Right);
                QVERIFY(d->Opt収支[1]->isChecked());
                QVERIFY(d->Txt予算->isEnabled());
                press(Qt::Key_Up);
                QVERIFY(d->Opt収支[0]->isChecked());
                QVERIFY(!d->Txt予算->isEnabled());
                press(Qt::Key_Down);
                press(Qt::Key_Tab);
                QCOMPARE(focused(), d->Txt予算);
                type(QString::number(1000 * i));
                press(Qt::Key_O, Qt::AltModifier);
                QTRY_VERIFY(!d->isVisible());
            });
            m.MnuKamAdd->trigger();
        }
        QCOMPARE(f.ledger.column("Select * From 科目テーブル Order by ID", "科目名前"),
                 QStringList({"Cat1", "Cat2", "Cat3"}));
        QCOMPARE(f.ledger.column("Select * From 科目テーブル Order by ID", "収支"),
                 QStringList({"-", "-", "-"}));
        QCOMPARE(f.ledger.column("Select * From 科目テーブル Order by ID", "予算"),
                 QStringList({"1000", "2000", "3000"}));
    }

    void newCategory_twice_isRefusedAsDuplicate() {
        MainFixture f;
        Form1& m = f.open();
        whenModal<Form4>([](Form4* d) {
            QCOMPARE(d->windowTitle(), QString("科目の新規追加"));
            QCOMPARE(d->Lblタイトル->text(), QString("新　規"));
            QCOMPARE(d->Txt科目名->text(), QString("新しい科目"));
            QCOMPARE(d->Txt予算->text(), QString("0"));
            QVERIFY(d->Opt収支[0]->isChecked());
            QVERIFY(!d->Txt予算->isEnabled());
            d->Cmb登録->click();
        });
        m.MnuKamAdd->trigger();
        QCOMPARE(f.summaryRow(1), QStringList({"1", "新しい科目", "+", "", "0", ""}));
        whenModal<Form4>([](Form4* d) {
            d->Cmb登録->click();
            QVERIFY(d->isVisible());
            d->Command1->click();
        });
        m.MnuKamAdd->trigger();
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().text, QString("指定された科目名は既に存在します！！"));
        QCOMPARE(MessageBox::log().first().title, QString("重複エラー"));
        QCOMPARE(f.ledger.count("科目テーブル"), 1);
    }

    void checks_runInOrder_budgetBeforeName() {
        MainFixture f;
        Form1& m = f.open();
        whenModal<Form4>([](Form4* d) {
            d->Opt収支[1]->setChecked(true);
            QVERIFY(d->Txt予算->isEnabled());
            d->Txt予算->setText("");
            d->Txt科目名->setText("");
            d->Cmb登録->click();
            QCOMPARE(d->focusWidget(), d->Txt予算);
            d->Txt予算->setText("1,000");
            d->Cmb登録->click();
            QCOMPARE(d->focusWidget(), d->Txt科目名);
            d->Txt科目名->setText("   ");
            d->Cmb登録->click();
        });
        m.MnuKamAdd->trigger();
        QStringList texts;
        for (const auto& r : MessageBox::log())
            texts << r.text + "/" + r.title;
        QCOMPARE(texts, QStringList({"金額が不正です！！/金額エラー",
                                     "指定された科目名は無効です！！/指定エラー"}));
        QCOMPARE(f.summaryRow(1), QStringList({"1", "   ", "-", "1,000", "0", "1,000"}));
    }

    void incomeCategory_storesBudgetZeroWhateverTheBoxHolds() {
        MainFixture f;
        Form1& m = f.open();
        whenModal<Form4>([](Form4* d) {
            d->Txt科目名->setText("給与");
            d->Txt予算->setText("not a number");
            d->Cmb登録->click();
        });
        m.MnuKamAdd->trigger();
        QVERIFY(MessageBox::log().isEmpty());
        QCOMPARE(f.ledger.scalar("Select 予算 From 科目テーブル", "予算"), 0);
    }

    // The budget box must hold every budget the ledger can hold, or OK cuts it.
    void edit_unchanged_keepsEveryBudget_data() {
        QTest::addColumn<qint64>("budget");
        for (qint64 v : {-1500000000LL, -2147483648LL, 2147483647LL})
            QTest::newRow(qPrintable(QString::number(v))) << v;
    }
    void edit_unchanged_keepsEveryBudget() {
        QFETCH(qint64, budget);
        MainFixture f;
        f.ledger.addCategory("家賃", "-", budget);
        Form1& m = f.open();
        // A year view shows twelve budgets; the editor still gets the stored one.
        f.search("y2005/03/07");
        m.FLx科目->setRow(1);
        whenModal<Form4>([](Form4* d) { d->Cmb登録->click(); });
        m.MnuKamEdit->trigger();
        QCOMPARE(f.ledger.scalar("Select 予算 From 科目テーブル", "予算"), budget);
    }

    void edit_ofIncome_showsEmptyDisabledBudget_untilSwitchedToExpense() {
        MainFixture f;
        f.ledger.addCategory("給与", "+");
        Form1& m = f.open();
        m.FLx科目->setRow(1);
        whenModal<Form4>([](Form4* d) {
            QVERIFY(d->Opt収支[0]->isChecked());
            QCOMPARE(d->Txt予算->text(), QString());
            QVERIFY(!d->Txt予算->isEnabled());
            d->Opt収支[1]->click();
            QVERIFY(d->Txt予算->isEnabled());
            d->Cmb登録->click();
            QCOMPARE(MessageBox::log().size(), 1);
            QCOMPARE(MessageBox::log().first().text, QString("金額が不正です！！"));
            d->Txt予算->setText("500");
            d->Cmb登録->click();
        });
        m.MnuKamEdit->trigger();
        QCOMPARE(f.summaryRow(1), QStringList({"1", "給与", "-", "500", "0", "500"}));
    }

    void edit_toAnotherCategorysName_isRefused_butItsOwnNameIsKept() {
        MainFixture f;
        f.ledger.addCategory("給与", "+");
        f.ledger.addCategory("食費", "-", 12345);
        Form1& m = f.open();
        m.FLx科目->setRow(2);
        whenModal<Form4>([](Form4* d) {
            QCOMPARE(d->windowTitle(), QString("科目の修正"));
            QCOMPARE(d->Lblタイトル->text(), QString("修　正"));
            QCOMPARE(d->Txt予算->text(), QString("12345"));
            QVERIFY(d->Opt収支[1]->isChecked());
            d->Txt科目名->setText("給与");
            d->Cmb登録->click();
            QVERIFY(d->isVisible());
            d->Txt科目名->setText("食費");
            d->Txt予算->setText("500");
            d->Cmb登録->click();
        });
        m.MnuKamEdit->trigger();
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().text, QString("指定された科目名は既に存在します！！"));
        QCOMPARE(MessageBox::log().first().title, QString("重複エラー"));
        QCOMPARE(f.summaryRow(2), QStringList({"2", "食費", "-", "500", "0", "500"}));
    }

    // Older data can hold two categories of one name: each row edits and deletes its own.
    void sameNamedCategories_eachRowActsOnItsOwnRecord() {
        MainFixture f;
        const qint64 a = f.ledger.addCategory("雑費", "+");
        const qint64 b = f.ledger.addCategory("雑費", "-", 700);
        f.ledger.addEntry("2005/03/01", a, 1);
        f.ledger.addEntry("2005/03/01", b, 2);
        f.ledger.addEntry("2005/03/02", b, 3);
        Form1& m = f.open();
        m.FLx科目->setRow(2);
        whenModal<Form4>([](Form4* d) {
            QVERIFY(d->Opt収支[1]->isChecked());
            QCOMPARE(d->Txt予算->text(), QString("700"));
            d->Cmb登録->click();
        });
        m.MnuKamEdit->trigger();
        QCOMPARE(f.summaryRow(1), QStringList({"1", "雑費", "+", "", "1", ""}));
        QCOMPARE(f.summaryRow(2), QStringList({"2", "雑費", "-", "700", "5", "695"}));
        m.FLx科目->setRow(2);
        m.MnuKamDel->trigger();
        QVERIFY(MessageBox::log().last().text.startsWith("2件のデータが科目名「雑費」"));
        QCOMPARE(f.ledger.column("Select * From 明細テーブル", "科目ID"),
                 QStringList({QString::number(a)}));
        QCOMPARE(f.ledger.column("Select * From 科目テーブル", "id"),
                 QStringList({QString::number(a)}));
    }

    void edit_ofACategoryDeletedMeanwhile_doesNotBringItBack() {
        MainFixture f;
        const qint64 id = f.ledger.addCategory("食費", "-", 100);
        Form1& m = f.open();
        m.FLx科目->setRow(1);
        whenModal<Form4>([&](Form4* d) {
            Database(f.ledger.path).exec("DELETE FROM 科目テーブル WHERE ID = " + sql::number(id));
            d->Txt予算->setText("500");
            d->Cmb登録->click();
            QVERIFY(!d->isVisible());
        });
        m.MnuKamEdit->trigger();
        QCOMPARE(MessageBox::log().last().text, QString("指定された科目が見つかりません！！"));
        QCOMPARE(f.ledger.count("科目テーブル"), 0);
        QCOMPARE(m.FLx科目->rows(), 1);
    }

    void cancel_writesNothingButReloads() {
        MainFixture f;
        f.ledger.addCategory("給与", "+");
        Form1& m = f.open();
        f.ledger.addCategory("外で追加", "-"); // only a reload shows it
        whenModal<Form4>([](Form4* d) {
            d->Txt科目名->setText("取消");
            d->Command1->click();
        });
        m.MnuKamAdd->trigger();
        QCOMPARE(f.ledger.count("科目テーブル"), 2);
        QCOMPARE(m.FLx科目->rows(), 3);
    }

    void delete_warnsWithTheCountAndRemovesEntriesOfEveryPeriod() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-");
        const qint64 keep = f.ledger.addCategory("給与", "+");
        f.ledger.addEntry("2005/03/01", food, 1);
        f.ledger.addEntry("2005/03/02", food, 2);
        f.ledger.addEntry("1999/01/01", food, 3);
        f.ledger.addEntry("2005/03/02", keep, 4);
        Form1& m = f.open();
        m.FLx科目->setRow(1);
        MessageBox::pushAnswer(MessageBox::Answer::Cancel);
        m.MnuKamDel->trigger();
        QCOMPARE(MessageBox::log().first().text,
                 QString("3件のデータが科目名「食費」で明細に登録されています。\n"
                         "科目を削除するとこれらのデータも削除されますがよろしいですか？"));
        QCOMPARE(MessageBox::log().first().title, QString("削除確認"));
        QCOMPARE(MessageBox::log().first().buttons, MessageBox::Buttons::OkCancel);
        QCOMPARE(f.ledger.count("明細テーブル"), 4);
        MessageBox::pushAnswer(MessageBox::Answer::Ok);
        m.MnuKamDel->trigger();
        QCOMPARE(f.ledger.count("明細テーブル"), 1);
        QCOMPARE(f.ledger.count("科目テーブル"), 1);
        QCOMPARE(m.Cmb登録科目->count(), 1);
        QCOMPARE(m.Cmb明細科目->count(), 2);
    }

    void delete_withoutEntries_asksFirst_andNothingSelectedIsRefused() {
        MainFixture f;
        Form1& m = f.open();
        m.MnuKamDel->trigger();
        m.MnuKamEdit->trigger();
        QCOMPARE(MessageBox::log().size(), 2);
        QCOMPARE(MessageBox::log().at(0).text, QString("科目が選択されていません！！"));
        QCOMPARE(MessageBox::log().at(1).icon, MessageBox::Icon::Critical);
        MessageBox::reset();
        f.ledger.addCategory("It's", "-");
        m.reloadAll();
        MessageBox::pushAnswer(MessageBox::Answer::Cancel);
        m.MnuKamDel->trigger();
        QCOMPARE(MessageBox::log().first().text,
                 QString("下記の科目を削除してもよろしいですか？\n科目名前：It's\n"));
        QCOMPARE(f.ledger.count("科目テーブル"), 1);
        m.MnuKamDel->trigger();
        QCOMPARE(f.ledger.count("科目テーブル"), 0);
    }
};

QTEST_MAIN(TestCategoryEditor)
#include "tst_category_editor.moc"
