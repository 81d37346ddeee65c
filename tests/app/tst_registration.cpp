// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/MainFixture.h"
#include <QPushButton>
#include <QTest>

using namespace kotsu;
using kotsu::test::MainFixture;

class TestRegistration : public QObject {
    Q_OBJECT
private slots:
    void register_storesTheEntryAndReloadsEverything() {
        MainFixture f;
        f.ledger.addCategory("給与", "+");
        f.ledger.addCategory("食費", "-", 1000);
        Form1& m = f.open();
        f.register_("食費", "1,500", "昼食");
        QCOMPARE(f.ledger.scalar("Select 金額 From 明細テーブル", "金額"), 1500);
        QCOMPARE(f.entryRow(1), QStringList({"1", "2005/03/07", "食費", "0", "1,500", "昼食"}));
        QCOMPARE(m.Txt登録金額->text(), QString());
        QCOMPARE(m.Cmb登録コメント->currentText(), QString());
        QCOMPARE(m.Cmb登録科目->currentText(), QString("給与"));
        QCOMPARE(m.Lbl登録日付->text(), QString("2005/03/07"));
        QCOMPARE(f.summaryRow(2).at(5), QString("-500"));
        QCOMPARE(m.commentPhrases(), QStringList({"昼食"}));
        QVERIFY(kotsu::MessageBox::log().isEmpty());
    }

    void register_refusesAmountsThatAreNotNumbers_data() {
        QTest::addColumn<QString>("amount");
        QTest::newRow("letters") << "abc";
        QTest::newRow("trailing letter") << "12a";
        QTest::newRow("empty") << "";
        QTest::newRow("beyond 32 bits") << "3000000000";
    }
    void register_refusesAmountsThatAreNotNumbers() {
        QFETCH(QString, amount);
        MainFixture f;
        f.ledger.addCategory("食費", "-");
        Form1& m = f.open();
        m.show();
        f.register_("食費", amount, "新しいコメント");
        QCOMPARE(kotsu::MessageBox::log().size(), 1);
        const auto& box = kotsu::MessageBox::log().first();
        QCOMPARE(box.text, QString("金額が不正です！！"));
        QCOMPARE(box.title, QString("金額エラー"));
        QCOMPARE(box.icon, kotsu::MessageBox::Icon::Critical);
        QCOMPARE(box.buttons, kotsu::MessageBox::Buttons::Ok);
        QCOMPARE(m.Txt登録金額->text(), amount);
        QCOMPARE(m.focusWidget(), m.Txt登録金額);
        QCOMPARE(f.ledger.count("明細テーブル") + f.ledger.count("コメントテーブル"), 0);
    }

    void register_withoutAnyCategory_isRefused() {
        MainFixture f;
        Form1& m = f.open();
        f.register_("", "100", "x");
        QCOMPARE(kotsu::MessageBox::log().size(), 1);
        QCOMPARE(kotsu::MessageBox::log().first().text, QString("科目が登録されていません！！"));
        QCOMPARE(kotsu::MessageBox::log().first().title, QString("指定エラー"));
        QCOMPARE(f.ledger.count("明細テーブル") + f.ledger.count("コメントテーブル"), 0);
        QCOMPARE(m.Txt登録金額->text(), QString("100"));
    }

    void comments_becomePhrasesOnceAndEmptyNever() {
        MainFixture f;
        f.ledger.addCategory("食費", "-");
        Form1& m = f.open();
        f.register_("食費", "100", "昼食");
        f.register_("食費", "200", "昼食");
        f.register_("食費", "300", "");
        f.register_("食費", "400", "夕食");
        QCOMPARE(m.commentPhrases(), QStringList({"昼食", "夕食"}));
        QCOMPARE(f.ledger.count("明細テーブル"), 4);
        QCOMPARE(f.entryRow(3).at(5), QString());
    }

    void quotesInNames_areRegisteredAndListedExactly() {
        MainFixture f;
        const QString name = "Bob's \"best\" 食費";
        f.ledger.addCategory(name, "-");
        Form1& m = f.open();
        f.register_(name, "-500", "it's \"fine\"");
        QCOMPARE(f.entryRow(1),
                 QStringList({"1", "2005/03/07", name, "0", "-500", "it's \"fine\""}));
        QCOMPARE(m.Lbl集計支出->text(), QString("-500"));
        f.search("m2005/03/07", name);
        QCOMPARE(m.Flx明細->rows(), 2);
    }

    void entryOutsideThePeriod_movesTheBalanceAtOnce() {
        MainFixture f;
        f.ledger.addCategory("給与", "+");
        Form1& m = f.open();
        m.Lbl登録日付->setText("2004/12/31");
        f.register_("給与", "7000");
        QCOMPARE(m.Flx明細->rows(), 1);
        QCOMPARE(m.Lbl集計残高->text(), QString("7,000"));
        QCOMPARE(m.Lbl登録日付->text(), QString("2004/12/31"));
    }

    void altS_registers() {
        MainFixture f;
        f.ledger.addCategory("食費", "-");
        Form1& m = f.open();
        QVERIFY(f.showActive());
        m.Txt登録金額->setText("250");
        m.Txt登録金額->setFocus();
        QTest::keyClick(m.Txt登録金額, Qt::Key_S, Qt::AltModifier);
        // An access key presses its button with a short animation.
        QTRY_COMPARE(f.ledger.count("明細テーブル"), 1);
    }
};

QTEST_MAIN(TestRegistration)
#include "tst_registration.moc"
