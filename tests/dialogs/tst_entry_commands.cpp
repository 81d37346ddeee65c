// SPDX-License-Identifier: GPL-3.0-or-later
#include "datepick/Form2.h"
#include "dialogs/Form3.h"
#include "dialogs/Form7.h"
#include "support/MainFixture.h"
#include <QPushButton>
#include <QTest>

using namespace kotsu;
using kotsu::test::MainFixture;
using kotsu::test::whenModal;

class TestEntryCommands : public QObject {
    Q_OBJECT
private slots:
    void edit_fillsTheDialogAndReplacesTheEntryWithANewId() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addCategory("交通費", "-");
        const qint64 old = f.ledger.addEntry("2005/03/05", food, 1200, "昼食");
        Form1& m = f.open();
        m.Flx明細->setRow(1);
        whenModal<Form3>([](Form3* d) {
            QCOMPARE(d->windowTitle(), QString("明細の修正"));
            QCOMPARE(d->Lbl登録日付->text(), QString("2005/03/05"));
            QCOMPARE(d->Cmb登録科目->currentText(), QString("食費"));
            QCOMPARE(d->Txt登録金額->text(), QString("1,200"));
            QCOMPARE(d->Cmb登録コメント->currentText(), QString("昼食"));
            d->Cmb登録->click();
        });
        m.MnuMeiEdit->trigger();
        const QStringList ids = f.ledger.column("Select * From 明細テーブル", "id");
        QCOMPARE(ids.size(), 1);
        QVERIFY(ids.first().toLongLong() > old);
        QCOMPARE(f.entryRow(1), QStringList({"1", "2005/03/05", "食費", "0", "1,200", "昼食"}));
        QCOMPARE(m.commentPhrases(), QStringList({"昼食"}));

        m.Flx明細->setRow(1);
        whenModal<Form3>([](Form3* d) {
            d->Cmb登録科目->setCurrentIndex(1);
            d->Txt登録金額->setText("abc");
            d->Cmb登録->click();
            QVERIFY(d->isVisible());
            d->Txt登録金額->setText("640");
            d->Cmb登録コメント->setEditText("電車");
            d->Cmb登録->click();
        });
        m.MnuMeiEdit->trigger();
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().text, QString("金額が不正です！！"));
        QCOMPARE(f.entryRow(1), QStringList({"1", "2005/03/05", "交通費", "0", "640", "電車"}));
        QCOMPARE(m.commentPhrases(), QStringList({"昼食", "電車"}));
    }

    void edit_ofAnEntryDeletedMeanwhile_doesNotBringItBack() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-");
        const qint64 id = f.ledger.addEntry("2005/03/05", food, 1200, "昼食");
        Form1& m = f.open();
        m.Flx明細->setRow(1);
        whenModal<Form3>([&](Form3* d) {
            Database(f.ledger.path).exec("DELETE FROM 明細テーブル WHERE ID = " + sql::number(id));
            d->Cmb登録->click();
            QVERIFY(!d->isVisible());
        });
        m.MnuMeiEdit->trigger();
        QCOMPARE(MessageBox::log().last().text, QString("指定された明細が見つかりません！！"));
        QCOMPARE(f.ledger.count("明細テーブル"), 0);
        QCOMPARE(m.Flx明細->rows(), 1);
    }

    void edit_dateThroughThePicker_setsTagToEditOnlyWhileOpen() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/05", food, 0, "");
        Form1& m = f.open();
        m.Flx明細->setRow(1);
        QString tagWhilePicking;
        whenModal<Form3>([&](Form3* d) {
            whenModal<Form2>([&](Form2* p) {
                tagWhilePicking = m.Tag;
                QCOMPARE(p->windowTitle(), QString("登録日の指定"));
                QTest::mouseClick(p->LblD[2 + 9], Qt::LeftButton); // 2005/03/10
                p->Command4->click();
            });
            d->Btn日付->click();
            QCOMPARE(d->Lbl登録日付->text(), QString("2005/03/10"));
            QCOMPARE(m.Lbl登録日付->text(), QString("2005/03/07"));
            d->Cmb登録->click();
        });
        m.MnuMeiEdit->trigger();
        QCOMPARE(tagWhilePicking, QString("EDIT"));
        QCOMPARE(m.Tag, QString("m2005/03/07"));
        QCOMPARE(f.entryRow(1).at(1), QString("2005/03/10"));
        QCOMPARE(f.entryRow(1).at(4), QString("0"));
    }

    void twoIdenticalEntries_exactlyOneIsEditedOrDeleted() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/05", food, 1200, "it's");
        f.ledger.addEntry("2005/03/05", food, 1200, "it's");
        Form1& m = f.open();
        m.Flx明細->setRow(2);
        MessageBox::pushAnswer(MessageBox::Answer::Ok);
        m.MnuMeiDel->trigger();
        QCOMPARE(MessageBox::log().first().text,
                 QString("下記の明細を削除してもよろしいですか？\n日付：2005/03/"
                         "05\n科目名：食費\n金額：1,200\nコメント：it's\n"));
        QCOMPARE(MessageBox::log().first().title, QString("明細の削除"));
        QCOMPARE(f.ledger.count("明細テーブル"), 1);
        QCOMPARE(m.Flx明細->rows(), 2);
        MessageBox::pushAnswer(MessageBox::Answer::Cancel);
        m.MnuMeiDel->trigger();
        QCOMPARE(f.ledger.count("明細テーブル"), 1);
    }

    // The editor's box must hold every amount the list can show, or OK cuts it.
    void edit_unchanged_keepsEveryAmount_data() {
        QTest::addColumn<qint64>("amount");
        for (qint64 v : {123456789LL, 2147483647LL, -10000000LL, -2147483648LL})
            QTest::newRow(qPrintable(QString::number(v))) << v;
    }
    void edit_unchanged_keepsEveryAmount() {
        QFETCH(qint64, amount);
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/05", food, amount);
        Form1& m = f.open();
        m.Flx明細->setRow(1);
        whenModal<Form3>([](Form3* d) { d->Cmb登録->click(); });
        m.MnuMeiEdit->trigger();
        QCOMPARE(f.ledger.scalar("Select 金額 as v From 明細テーブル", "v"), amount);
    }

    // Older data can hold two categories of one name: every list keeps them apart by ID.
    void sameNamedCategories_registrationEditAndBulkChangeKeepThemApart() {
        MainFixture f;
        const qint64 a = f.ledger.addCategory("食費", "-");
        const qint64 b = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/05", a, 100);
        Form1& m = f.open();
        const QString onB =
            "Select count(ID) as RecCnt From 明細テーブル Where 科目ID = " + sql::number(b);
        m.Cmb登録科目->setCurrentIndex(1);
        m.Txt登録金額->setText("200");
        m.Cmb登録_Click();
        QCOMPARE(f.ledger.scalar(onB), 1);

        m.Flx明細->setRow(2);
        whenModal<Form3>([](Form3* d) {
            QCOMPARE(d->Cmb登録科目->currentIndex(), 1);
            d->Cmb登録->click();
        });
        m.MnuMeiEdit->trigger();
        QCOMPARE(f.ledger.scalar(onB), 1);

        m.Flx明細->setRow(2);
        whenModal<Form7>([](Form7* d) {
            QCOMPARE(d->Cmb修正後->currentIndex(), 1);
            d->Cmb修正後->setCurrentIndex(0);
            d->Cmb登録->click();
        });
        m.MnuIkkatu->trigger();
        QCOMPARE(f.ledger.scalar(onB), 0);
        QCOMPARE(f.ledger.scalar("Select count(ID) as RecCnt From 明細テーブル Where 科目ID = " +
                                 sql::number(a)),
                 2);
    }

    void nothingToActOn_isReportedAndChangesNothing() {
        MainFixture f;
        Form1& m = f.open();
        m.MnuMeiEdit->trigger();
        m.MnuMeiDel->trigger();
        m.MnuIkkatu->trigger();
        QCOMPARE(MessageBox::log().size(), 3);
        for (const auto& r : MessageBox::log()) {
            QCOMPARE(r.text, QString("明細が選択されていません！！"));
            QCOMPARE(r.title, QString("指定エラー"));
        }
        MessageBox::reset();
        const qint64 food = f.ledger.addCategory("食費", "-");
        const qint64 id = f.ledger.addEntry("2005/03/05", food, 5, "");
        m.reloadAll();
        {
            Database db(f.ledger.path);
            db.exec(QString("DELETE FROM 明細テーブル WHERE ID = %1").arg(id));
        }
        m.MnuMeiDel->trigger();
        QCOMPARE(MessageBox::log().first().text, QString("指定された明細が見つかりません！！"));
    }

    void bulkChange_movesEntriesOfEveryDate() {
        MainFixture f;
        const qint64 a = f.ledger.addCategory("食費", "-");
        const qint64 b = f.ledger.addCategory("外食", "-");
        f.ledger.addEntry("2005/03/05", a, 100);
        f.ledger.addEntry("1999/03/05", a, 200);
        f.ledger.addEntry("2005/03/06", b, 400);
        Form1& m = f.open();
        m.Flx明細->setRow(1);
        whenModal<Form7>([](Form7* d) {
            QCOMPARE(d->Lbl修正前->text(), QString("食費"));
            QCOMPARE(d->Cmb修正後->currentText(), QString("食費"));
            d->Cmb登録->click(); // target equal to source: nothing changes
        });
        m.MnuIkkatu->trigger();
        QCOMPARE(f.ledger.scalar("Select count(ID) as RecCnt From 明細テーブル Where 科目ID = " +
                                 sql::number(a)),
                 2);
        m.Flx明細->setRow(1);
        whenModal<Form7>([](Form7* d) {
            d->Cmb修正後->setCurrentIndex(1);
            d->Cmb登録->click();
        });
        m.MnuIkkatu->trigger();
        QCOMPARE(f.ledger.scalar("Select count(ID) as RecCnt From 明細テーブル Where 科目ID = " +
                                 sql::number(b)),
                 3);
        QCOMPARE(f.summaryRow(1).at(4), QString("0"));
        QCOMPARE(f.ledger.count("科目テーブル"), 2);
        m.Flx明細->setRow(1);
        whenModal<Form7>([](Form7* d) {
            d->Cmb修正後->setCurrentIndex(0);
            d->Command1->click();
        });
        m.MnuIkkatu->trigger();
        QCOMPARE(f.ledger.scalar("Select count(ID) as RecCnt From 明細テーブル Where 科目ID = " +
                                 sql::number(b)),
                 3);
    }
};

QTEST_MAIN(TestEntryCommands)
#include "tst_entry_commands.moc"
