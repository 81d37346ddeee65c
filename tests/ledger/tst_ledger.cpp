// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/LedgerError.h"
#include "ledger/Operations.h"
#include "ledger/Reset.h"
#include "ledger/Totals.h"
#include "ledger/TotalsTable.h"
#include "support/TestLedger.h"
#include <QFile>
#include <QTest>

using namespace kotsu;
using kotsu::test::digest;
using kotsu::test::TestLedger;

class TestLedgerLayer : public QObject {
    Q_OBJECT
private slots:
    void emptyLedger_countsAndSumsAreZeroNeverNull() {
        TestLedger l;
        Database db(l.path);
        QCOMPARE(readCount(db, "Select count(ID) as RecCnt From 明細テーブル"), 0);
        QCOMPARE(readCount(db, "select count(コメント名前) as RecCnt from コメントテーブル"), 0);
        QCOMPARE(allTimeTotals(db).income, 0);
        Recordset sum =
            db.openRecordset("Select sum(金額) as SumKin From 明細クエリ Where 収支 = '-'");
        QVERIFY(sum.isNull("sumkin")); // why every sum is paired with a count
        int visited = 0;
        walkCounted(db, "Select * From 科目テーブル Order by ID Asc",
                    "Select count(ID) as RecCnt From 科目テーブル", [&](Recordset&) { ++visited; });
        QCOMPARE(visited, 0);
    }

    void fields_areReadWithoutRegardToLetterCase() {
        TestLedger l;
        const qint64 id = l.addCategory("食費", "-", 30000);
        Database db(l.path);
        Recordset rs = db.openRecordset("SELECT id, 予算 FROM 科目テーブル");
        QCOMPARE(rs.number("ID"), id);
        QCOMPARE(rs.number("Id"), id);
        QCOMPARE(rs.number("予算"), 30000);
        QVERIFY_THROWS_EXCEPTION(LedgerError, rs.value("missing"));
    }

    void quotes_inNamesAndCommentsMatchAsWholeValues() {
        TestLedger l;
        const QString tricky = "O'Neil \"特売\" ' or '1'='1";
        const qint64 cat = l.addCategory(tricky, "-");
        l.addCategory("other", "-");
        l.addEntry("2005/03/07", cat, 100, tricky);
        Database db(l.path);
        QCOMPARE(readCount(db, "Select count(ID) as RecCnt From 明細クエリ Where 科目名前 = " +
                                   sql::text(tricky) + " and コメント = " + sql::text(tricky)),
                 1);
        QCOMPARE(readCount(db, "Select count(ID) as RecCnt From 科目テーブル Where 科目名前 = " +
                                   sql::text("O'Neil")),
                 0);
    }

    void deleteThroughTheView_removesTheEntryAndKeepsItsCategory() {
        TestLedger l;
        const qint64 cat = l.addCategory("食費", "-");
        l.addEntry("2005/03/07", cat, 1200, "昼食");
        l.addEntry("2005/03/07", cat, 1200, "昼食");
        {
            Database db(l.path);
            Recordset rs = db.openRecordset(
                "Select * From 明細クエリ Where 日付 = '2005/03/07' and 金額 = 1200");
            rs.deleteCurrent();
        }
        QCOMPARE(l.count("明細テーブル"), 1);
        QCOMPARE(l.count("科目テーブル"), 1);
    }

    void editAndUpdate_changeTheCurrentRowOnly() {
        TestLedger l;
        const qint64 a = l.addCategory("A", "+");
        l.addCategory("B", "+");
        Database db(l.path);
        Recordset rs = db.openRecordset("Select * From 科目テーブル Where ID = " + sql::number(a));
        rs.edit();
        rs.setValue("科目名前", "A2");
        rs.setValue("予算", "1,000");
        rs.update();
        QCOMPARE(l.column("Select * From 科目テーブル Order by ID Asc", "科目名前"),
                 QStringList({"A2", "B"}));
        QCOMPARE(l.scalar("Select 予算 From 科目テーブル Where ID = " + sql::number(a), "予算"),
                 1000);
    }

    void vanishedRow_isNeitherChangedNorDeletedSilently_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("edit");
        QTest::newRow("category edited") << "科目テーブル" << true;
        QTest::newRow("category deleted") << "科目テーブル" << false;
        QTest::newRow("entry deleted through the view") << "明細クエリ" << false;
    }

    void vanishedRow_isNeitherChangedNorDeletedSilently() {
        QFETCH(QString, source);
        QFETCH(bool, edit);
        TestLedger l;
        l.addEntry("2005/03/07", l.addCategory("食費", "-"), 1200);
        Database db(l.path);
        Recordset rs = db.openRecordset("Select * From " + source);
        Database(l.path).exec("DELETE FROM 明細テーブル; DELETE FROM 科目テーブル;");
        try {
            if (edit) {
                rs.edit();
                rs.setValue("科目名前", "外食");
                rs.update();
            } else {
                rs.deleteCurrent();
            }
            QFAIL("a write to a row that is gone passed for done");
        } catch (const LedgerError& e) {
            QCOMPARE(e.number(), LedgerError::RowGone);
        }
    }

    void unfinishedBulkWrite_isNeverCommitted_andLostIndexesComeBack() {
        TestLedger l;
        l.addEntry("2005/03/07", l.addCategory("食費", "-"), 1200);
        {
            Database db(l.path);
            Transaction t(db);
            BulkWrite bulk(db);
            deleteAllRows(db);
            QVERIFY_THROWS_EXCEPTION(LedgerError, t.commit());
        }
        QCOMPARE(l.count("明細テーブル"), 1);
        {
            Database db(l.path);
            QVERIFY(totalsTriggersPresent(db));
            db.exec("DROP INDEX 明細_期間; DROP INDEX 科目_名前;");
        }
        ensureLedger(l.path);
        QCOMPARE(l.scalar("Select count(name) as RecCnt From sqlite_master Where type = 'index' "
                          "and name In ('明細_期間', '科目_名前')"),
                 2);
    }

    void writes_convertTextToTheColumnType() {
        TestLedger l;
        Database db(l.path);
        Recordset rs = db.openTable("明細テーブル");
        rs.addNew();
        rs.setValue("日付", "2005/3/7");
        rs.setValue("科目ID", 1);
        rs.setValue("金額", "abc");
        rs.setValue("コメント", "");
        QVERIFY_THROWS_EXCEPTION(LedgerError, rs.update());
        QCOMPARE(l.count("明細テーブル"), 0);
        rs.addNew();
        rs.setValue("日付", "2005/3/7");
        rs.setValue("科目ID", 1);
        rs.setValue("金額", "1,500");
        rs.setValue("コメント", "");
        rs.update();
        QCOMPARE(l.column("Select * From 明細テーブル", "日付"), QStringList({"2005/03/07"}));
        QCOMPARE(l.scalar("Select 金額 From 明細テーブル", "金額"), 1500);
    }

    void update_movesEveryEntryOfOneCategory() {
        TestLedger l;
        const qint64 a = l.addCategory("A", "-");
        const qint64 b = l.addCategory("B", "-");
        l.addEntry("1999/01/01", a, 1);
        l.addEntry("2020/01/01", a, 2);
        l.addEntry("2020/01/01", b, 3);
        Database db(l.path);
        db.execute(QString("Update 明細テーブル Set 科目ID=%1 Where 科目ID = %2").arg(b).arg(a));
        QCOMPARE(l.scalar("Select count(ID) as RecCnt From 明細テーブル Where 科目ID = " +
                          sql::number(b)),
                 3);
    }

    void ids_keepGrowingAfterEverythingWasDeleted() {
        TestLedger l;
        const qint64 first = l.addCategory("A", "+");
        const qint64 entry = l.addEntry("2005/01/01", first, 1);
        l.addPhrase("x");
        resetLedger(l.path);
        QCOMPARE(l.count("科目テーブル") + l.count("明細テーブル") + l.count("コメントテーブル"),
                 0);
        const qint64 second = l.addCategory("B", "+");
        QVERIFY(second > first);
        QVERIFY(l.addEntry("2005/01/01", second, 1) > entry);
    }

    void transaction_rollsBackUnlessCommitted() {
        TestLedger l;
        const qint64 cat = l.addCategory("A", "+");
        {
            Database db(l.path);
            Transaction t(db);
            appendEntry(db, "2005/01/01", cat, 1, "");
            addPhraseIfNew(db, "x");
        }
        QCOMPARE(l.count("明細テーブル"), 0);
        QCOMPARE(l.count("コメントテーブル"), 0);
    }

    void addPhraseIfNew_addsEachNonEmptyTextOnce() {
        TestLedger l;
        Database db(l.path);
        addPhraseIfNew(db, "昼食");
        addPhraseIfNew(db, "昼食");
        addPhraseIfNew(db, "");
        addPhraseIfNew(db, "it's");
        addPhraseIfNew(db, "it's");
        QCOMPARE(l.column("Select * From コメントテーブル Order by ID Asc", "コメント名前"),
                 QStringList({"昼食", "it's"}));
    }

    void missingFile_isCreatedWithTheSchema() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kotsu.mdb");
        ensureLedger(path);
        QVERIFY(QFile::exists(path));
        QVERIFY(!QFile::exists(path + ".new"));
        Database db(path);
        QCOMPARE(readCount(db, "Select count(ID) as RecCnt From 明細クエリ"), 0);
    }

    void foreignFiles_areRefusedAndLeftUntouched_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("sqlite");
        QTest::newRow("text") << QByteArray("this is not a ledger\n") << false;
        QTest::newRow("zeros") << QByteArray(8192, '\0') << false;
        QTest::newRow("half header") << QByteArray("SQLite format 3\0garbage", 24) << false;
        QTest::newRow("other sqlite") << QByteArray() << true;
    }
    void foreignFiles_areRefusedAndLeftUntouched() {
        QFETCH(QByteArray, content);
        QFETCH(bool, sqlite);
        QTemporaryDir dir;
        const QString path = dir.filePath("kotsu.mdb");
        if (sqlite) {
            ensureLedger(path);
            Database db(path);
            db.exec("DROP VIEW 明細クエリ");
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const QByteArray before = digest(path);
        QVERIFY_THROWS_EXCEPTION(LedgerError, ensureLedger(path));
        QCOMPARE(digest(path), before);
    }

    void newerLedger_isRefusedNotAltered() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kotsu.mdb");
        ensureLedger(path);
        {
            Database db(path);
            db.exec(QString("PRAGMA user_version=%1").arg(LedgerVersion + 1));
        }
        const QByteArray before = digest(path);
        try {
            ensureLedger(path);
            QFAIL("a newer ledger was accepted");
        } catch (const LedgerError& e) {
            QCOMPARE(e.number(), LedgerError::NewerVersion);
        }
        QCOMPARE(digest(path), before);
    }

    void sums_areCarriedIn64Bits() {
        TestLedger l;
        const qint64 cat = l.addCategory("給与", "+");
        for (int i = 0; i < 3; ++i)
            l.addEntry("2005/01/01", cat, 2147483647);
        Database db(l.path);
        QCOMPARE(allTimeTotals(db).income, qint64(3) * 2147483647);
    }
};

QTEST_GUILESS_MAIN(TestLedgerLayer)
#include "tst_ledger.moc"
