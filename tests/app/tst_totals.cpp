// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form3.h"
#include "dialogs/Form7.h"
#include "exchange/JetLedger.h"
#include "ledger/Upgrade.h"
#include "support/JetWriter.h"
#include "support/MainFixture.h"
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>

using namespace kotsu;
using kotsu::test::MainFixture;
using kotsu::test::TestLedger;
using kotsu::test::whenModal;

namespace {

// The all-time balance as the entry view gives it, the long way round.
QString recountedBalance(TestLedger& l) {
    auto sum = [&](const char* sign) {
        return l.scalar(QStringLiteral("Select total(金額) as v From 明細クエリ Where 収支 = '") +
                            sign + "'",
                        "v");
    };
    return formatAmount(sum("+") - sum("-"));
}

} // namespace

class TestTotals : public QObject {
    Q_OBJECT
private slots:
    void everyKindOfWrite_keepsTheTotalsExact() {
        MainFixture f;
        const qint64 pay = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-", 30000);
        const qint64 out = f.ledger.addCategory("外食", "-");
        f.ledger.addEntry("2005/03/01", pay, 250000);
        f.ledger.addEntry("1999/12/31", food, 700);
        f.ledger.addEntry("2005/03/05", food, 1200, "昼食");
        f.ledger.addEntry("2005/03/06", out, 3000);
        Form1& m = f.open();
        auto exact = [&](const char* after) {
            if (f.ledger.totalsDrift() != 0)
                QTest::qFail(after, __FILE__, __LINE__);
            QCOMPARE(m.Lbl集計残高->text(), recountedBalance(f.ledger));
        };
        exact("opening");

        f.register_("食費", "-450", "返金");
        exact("registration");

        m.Flx明細->setRow(3); // 食費 1,200 on 03/05
        whenModal<Form3>([](Form3* d) {
            d->Cmb登録科目->setCurrentIndex(0);
            d->Txt登録金額->setText("98,765");
            d->Cmb登録->click();
        });
        m.MnuMeiEdit->trigger();
        exact("entry edit");

        m.Flx明細->setRow(1);
        m.MnuMeiDel->trigger();
        exact("entry deletion");

        m.Flx明細->setRow(m.Flx明細->rows() - 1); // 外食
        whenModal<Form7>([](Form7* d) {
            d->Cmb修正後->setCurrentIndex(1); // 食費
            d->Cmb登録->click();
        });
        m.MnuIkkatu->trigger();
        exact("bulk change");

        m.FLx科目->setRow(2); // 食費, with entries of other years too
        m.MnuKamDel->trigger();
        exact("category deletion");
        QCOMPARE(f.ledger.scalar("Select count(*) as RecCnt From 科目集計テーブル Where 科目ID = " +
                                 sql::number(food)),
                 0);

        const QString old = f.ledger.dir.filePath("old.mdb");
        QVERIFY(test::writeJet4(old, {test::oldCategories({{"食費", "-"}, {"給与", "+"}}),
                                      test::oldEntries({{QDate(2005, 3, 2), 0, 0, 800, "昼食"},
                                                        {QDate(2005, 3, 3), 1, 1500, 0, QVariant()},
                                                        {QDate(1998, 1, 1), 7, 0, 90, "不明"}})}));
        FileDialog::pushFileName(old);
        m.MnuInp->trigger();
        exact("import");
        QCOMPARE(m.Lbl集計残高->text(), QString("790")); // 1500 + 90 unknown income - 800

        m.MnuCls->trigger();
        exact("initialisation");
        QCOMPARE(f.ledger.scalar("Select count(*) as RecCnt From 科目集計テーブル"), 0);
    }

    void takenOverLedger_hasItsTotals() {
        MainFixture f;
        QFile::remove(f.ledger.path);
        QVERIFY(test::writeJet4(f.ledger.path,
                                test::windowsLedger({{1, "給与", "+", 0}, {5, "食費", "-", 30000}},
                                                    {{3, QDate(2001, 3, 1), 1, 250000, ""},
                                                     {4, QDate(2005, 3, 2), 5, 1200, "昼食"},
                                                     {11, QDate(2005, 3, 4), 7, 999, "科目なし"}},
                                                    {})));
        QCOMPARE(takeOverJetLedger(f.ledger.path), TakeOver::Converted);
        ensureLedger(f.ledger.path);
        QCOMPARE(f.ledger.totalsDrift(), 0);
        Form1& m = f.open();
        QCOMPARE(m.Lbl集計残高->text(), QString("248,800")); // the entry without category: nowhere
    }

    void olderLedger_isUpgradedWithItsTotals_andLostTriggersComeBack() {
        TestLedger l;
        const qint64 food = l.addCategory("食費", "-");
        l.addEntry("2005/03/01", food, 100);
        l.addEntry("2005/03/02", food, 250);
        {
            // The ledger as the previous version left it.
            Database db(l.path);
            db.exec("DROP TABLE 科目集計テーブル; DROP INDEX 明細_期間; "
                    "CREATE INDEX 明細_日付_科目 ON 明細テーブル(日付, 科目ID); "
                    "PRAGMA user_version=1;");
        }
        QCOMPARE(::chmod(qPrintable(l.path), 0644), 0);
        ensureLedger(l.path);
        struct stat st {};
        QCOMPARE(::stat(qPrintable(l.path), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QCOMPARE(l.scalar("Select * From pragma_user_version", "user_version"), LedgerVersion);
        QCOMPARE(l.totalsDrift(), 0);
        QCOMPARE(l.scalar("Select 合計金額 as v From 科目集計テーブル", "v"), 350);
        QCOMPARE(l.scalar("Select count(*) as RecCnt From sqlite_master Where name = '明細_期間'"),
                 1);
        l.addEntry("2005/03/03", food, 1);
        QCOMPARE(l.totalsDrift(), 0);

        {
            Database db(l.path);
            db.exec("DROP TRIGGER 科目集計_追加;");
        }
        l.addEntry("2005/03/04", food, 2);
        QVERIFY(l.totalsDrift() > 0);
        ensureLedger(l.path);
        QCOMPARE(l.totalsDrift(), 0);
        l.addEntry("2005/03/05", food, 3);
        QCOMPARE(l.totalsDrift(), 0);
    }
};

QTEST_MAIN(TestTotals)
#include "tst_totals.moc"
