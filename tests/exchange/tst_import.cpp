#include "exchange/Import.h"
#include "exchange/JetReader.h"
#include "support/JetWriter.h"
#include "support/MainFixture.h"
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace kotsu;
using kotsu::test::JetColumn;
using kotsu::test::JetTable;
using kotsu::test::MainFixture;

namespace {

JetTable oldCategories(const QList<QPair<QString, QString>>& rows) {
    JetTable t{"項目", {{"名前", JetColumn::Text}, {"収支出", JetColumn::Text}}, {}};
    for (const auto& r : rows)
        t.rows << QList<QVariant>{r.first, r.second};
    return t;
}

JetTable oldEntries(const QList<QList<QVariant>>& rows) {
    JetTable t{"明細",
               {{"年月日", JetColumn::DateTime},
                {"科目", JetColumn::Long},
                {"収入", JetColumn::Long},
                {"支出", JetColumn::Long},
                {"備考", JetColumn::Text}},
               rows};
    return t;
}

QByteArray digest(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QString sharedFile(const char* name) {
    return QStringLiteral(KOTSU_SHARED_TESTDATA "/") + name;
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT
private slots:
    void reader_tellsNullFromEmptyText_andReadsJapaneseNames() {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.mdb");
        JetTable t{
            "表",
            {{"名前", JetColumn::Text}, {"数", JetColumn::Long}, {"日", JetColumn::DateTime}},
            {}};
        t.rows << QList<QVariant>{"食費", 7, QDate(2005, 3, 7)}
               << QList<QVariant>{"", QVariant(), QDate(1850, 1, 2)}
               << QList<QVariant>{QVariant(), -3, QDate(9999, 12, 31)};
        QVERIFY(test::writeJet4(path, {t}));
        const JetReadResult r = readJetTables(path, {"表", "無い表"});
        QVERIFY2(r.ok, qPrintable(r.error));
        const JetTableRows& rows = r.tables[0];
        QCOMPARE(rows.columns, QStringList({"名前", "数", "日"}));
        QCOMPARE(rows.declaredRows, 3);
        QCOMPARE(rows.rows.size(), 3);
        QCOMPARE(rows.rows[0][0].text, QString("食費"));
        QCOMPARE(rows.rows[0][2].text, QString("2005/03/07"));
        QVERIFY(!rows.rows[1][0].isNull);
        QCOMPARE(rows.rows[1][0].text, QString());
        QVERIFY(rows.rows[1][1].isNull);
        QVERIFY(rows.rows[2][0].isNull);
        QCOMPARE(rows.rows[2][1].text, QString("-3"));
        QCOMPARE(rows.rows[1][2].text, QString("1850/01/02"));
        QCOMPARE(rows.rows[2][2].text, QString("9999/12/31"));
        QVERIFY(!r.tables[1].found);
    }

    void generatedFiles_readTheSameWithMdbtoolsOwnExport() {
        if (QStandardPaths::findExecutable("mdb-export").isEmpty())
            QSKIP("mdbtools' command-line tools are not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath("old.mdb");
        QVERIFY(test::writeJet4(path, {oldCategories({{"食費", "-"}, {"給与", "+"}}),
                                       oldEntries({{QDate(2005, 3, 7), 1, 250000, 0, "it's \"ok\""},
                                                   {QDate(2005, 3, 8), 0, 0, 1200, QVariant()}})}));
        QProcess tables;
        tables.start("mdb-tables", {"-1", path});
        QVERIFY(tables.waitForFinished());
        QCOMPARE(QString::fromUtf8(tables.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                 QStringList({"項目", "明細"}));
        QProcess exported;
        exported.start("mdb-export", {"-T", "%Y/%m/%d", path, "明細"});
        QVERIFY(exported.waitForFinished());
        QCOMPARE(
            QString::fromUtf8(exported.readAllStandardOutput()),
            QString("年月日,科目,収入,支出,備考\n\"2005/03/07\",1,250000,0,\"it's \"\"ok\"\"\"\n"
                    "\"2005/03/08\",0,0,1200,\n"));
    }

    void import_mapsCategoriesEntriesAndPhrases() {
        MainFixture f;
        f.ledger.addCategory("消える", "-");
        const QString old = f.ledger.dir.filePath("old.mdb");
        QVERIFY(test::writeJet4(old, {oldCategories({{"食費", "-"}, {"給与", "+"}, {"食費", "+"}}),
                                      oldEntries({{QDate(2005, 3, 1), 0, 0, 800, "昼食"},
                                                  {QDate(2005, 3, 2), 1, 1500, 99, QVariant()},
                                                  {QDate(2005, 3, 3), 2, 0, 0, "昼食"},
                                                  {QDate(2005, 3, 4), 3, 0, 120, ""},
                                                  {QDate(2005, 3, 5), -1, 0, 300, "交通費"}})}));
        const ImportOutcome outcome = importOldLedger(old, f.ledger.path);
        QVERIFY2(outcome.ok, qPrintable(outcome.reason));
        QCOMPARE(f.ledger.column("Select * From 科目テーブル Order by ID Asc", "科目名前"),
                 QStringList({"食費", "給与", "食費", "不明な科目"}));
        QCOMPARE(f.ledger.column("Select * From 科目テーブル Order by ID Asc", "収支"),
                 QStringList({"-", "+", "+", "+"}));
        QCOMPARE(f.ledger.scalar("Select sum(予算) as s From 科目テーブル", "s"), 0);
        const QString rows = "Select * From 明細クエリ Where ID > 0 Order by 日付,科目ID Asc";
        QCOMPARE(f.ledger.column(rows, "金額"), QStringList({"800", "1500", "0", "120", "300"}));
        // Position 2 names 食費, whose first category is the expense one.
        QCOMPARE(f.ledger.column(rows, "収支"), QStringList({"-", "+", "-", "+", "+"}));
        QCOMPARE(f.ledger.column(rows, "科目名前"),
                 QStringList({"食費", "給与", "食費", "不明な科目", "不明な科目"}));
        QCOMPARE(f.ledger.column(rows, "コメント"),
                 QStringList({"昼食", "", "昼食", "", "交通費"}));
        QCOMPARE(f.ledger.column("Select * From コメントテーブル Order by ID Asc", "コメント名前"),
                 QStringList({"交通費", "昼食"}));
    }

    void refusedFiles_leaveTheLedgerByteForByte_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file") << "text"
                                   << "Access（Jet）のデータベースではありません。";
        QTest::newRow("missing table") << "no entries"
                                       << "テーブル「明細」がありません。";
        QTest::newRow("missing column") << "no remark"
                                        << "テーブル「明細」に列「備考」がありません。";
        QTest::newRow("null amount") << "null amount"
                                     << "テーブル「明細」の2件目の「支出」が空です。";
        QTest::newRow("truncated") << "truncated"
                                   << "";
    }
    void refusedFiles_leaveTheLedgerByteForByte() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/01", cat, 1);
        const QString old = f.ledger.dir.filePath("old.mdb");
        QList<QList<QVariant>> many;
        for (int i = 0; i < 2000; ++i)
            many << QList<QVariant>{QDate(2005, 1, 1), 0, 0,
                                    i == 1 && kind == "null amount" ? QVariant() : QVariant(5),
                                    "x"};
        JetTable entries = oldEntries(many);
        if (kind == "no remark")
            entries.columns.removeLast();
        QList<JetTable> tables{oldCategories({{"食費", "-"}})};
        if (kind != "no entries")
            tables << entries;
        QVERIFY(test::writeJet4(old, tables));
        if (kind == "text") {
            QFile t(old);
            t.open(QIODevice::WriteOnly | QIODevice::Truncate);
            t.write("not a database at all\n");
        } else if (kind == "truncated") {
            QFile t(old);
            t.open(QIODevice::ReadWrite);
            t.resize(t.size() - 3 * 4096);
        }
        const QByteArray before = digest(f.ledger.path);
        Form1& m = f.open();
        MessageBox::pushAnswer(MessageBox::Answer::Yes);
        MessageBox::pushAnswer(MessageBox::Answer::Yes);
        FileDialog::pushFileName(old);
        m.MnuInp->trigger();
        QCOMPARE(digest(f.ledger.path), before);
        const auto& box = MessageBox::log().last();
        QCOMPARE(box.title, QString("ｲﾝﾎﾟｰﾄエラー"));
        QVERIFY(box.text.startsWith("取り込めないファイルです！！\n"));
        if (!reason.isEmpty())
            QCOMPARE(box.text.section('\n', 1), reason);
        QCOMPARE(m.Flx明細->rows(), 2);
    }

    void failureInTheMiddle_rollsEverythingBack() {
        MainFixture f;
        f.ledger.addCategory("残る", "-");
        {
            Database db(f.ledger.path);
            db.exec("CREATE TRIGGER boom BEFORE INSERT ON 明細テーブル WHEN NEW.コメント = 'boom' "
                    "BEGIN SELECT RAISE(ABORT, 'injected failure'); END");
        }
        const QString old = f.ledger.dir.filePath("old.mdb");
        QVERIFY(test::writeJet4(old, {oldCategories({{"食費", "-"}}),
                                      oldEntries({{QDate(2005, 1, 1), 0, 0, 1, "a"},
                                                  {QDate(2005, 1, 2), 0, 0, 1, "boom"}})}));
        const ImportOutcome outcome = importOldLedger(old, f.ledger.path);
        QVERIFY(!outcome.ok);
        QVERIFY(outcome.reason.contains("injected failure"));
        QCOMPARE(f.ledger.column("Select * From 科目テーブル", "科目名前"), QStringList({"残る"}));
        QCOMPARE(f.ledger.count("明細テーブル"), 0);
    }

    void menu_asksTwiceThenImportsAndReloads() {
        MainFixture f;
        const QString old = f.ledger.dir.filePath("old.mdb");
        QVERIFY(test::writeJet4(old, {oldCategories({{"It's", "-"}}),
                                      oldEntries({{QDate(2005, 3, 7), 0, 0, 640, "電車"}})}));
        Form1& m = f.open();
        MessageBox::pushAnswer(MessageBox::Answer::No);
        m.MnuInp->trigger();
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().title, QString("ｲﾝﾎﾟｰﾄの注意"));
        QCOMPARE(
            MessageBox::log().first().text,
            QString(
                "Ver3."
                "0以前のデータを取り込みます。\n取り込みを行う場合、既に登録されている明細、科目、"
                "コメントデータは初期化されますが、よろしいですか？"));
        MessageBox::reset();
        FileDialog::pushFileName(old);
        m.MnuInp->trigger();
        QCOMPARE(MessageBox::log().size(), 2);
        QCOMPARE(MessageBox::log().at(1).text,
                 QString("この操作を行うと元には戻せませんが本当によろしいですか？"));
        QCOMPARE(FileDialog::askedFilters().last(), QString("コツコツ帳。明細データ(*.mdb)|*.mdb"));
        QCOMPARE(f.entryRow(1), QStringList({"1", "2005/03/07", "It's", "0", "640", "電車"}));
        QCOMPARE(m.commentPhrases(), QStringList({"電車"}));
        QVERIFY(QFile::exists(f.ledger.path + ".bak"));
    }

    void hangingOrCrashingReader_becomesARefusal() {
        QTemporaryDir dir;
        const struct {
            const char* script;
        } readers[] = {{"#!/bin/sh\nsleep 20\n"},
                       {"#!/bin/sh\nkill -SEGV $$\n"},
                       {"#!/bin/sh\necho garbage\n"}};
        for (const auto& r : readers) {
            const QString program = dir.filePath("reader.sh");
            QFile::remove(program);
            QFile f(program);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(r.script);
            f.close();
            f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ExeOwner);
            setJetReaderProgram(program);
            const JetReadResult result = readJetTables(dir.filePath("any.mdb"), {"項目"}, 500);
            setJetReaderProgram(QString());
            QVERIFY(!result.ok);
            QVERIFY(!result.error.isEmpty());
        }
    }

    void realJetFilesOfOtherPrograms_areReadAndRefused() {
        if (!QFile::exists(sharedFile("nwind.mdb")))
            QSKIP("shared test data not present");
        const JetReadResult jet3 = readJetTables(
            sharedFile("nwind.mdb"), {"Customers", "Orders", "Order Details", "Products"});
        QVERIFY2(jet3.ok, qPrintable(jet3.error));
        qint64 rows = 0;
        for (const auto& t : jet3.tables) {
            QVERIFY(t.found);
            QCOMPARE(t.rows.size(), t.declaredRows);
            rows += t.rows.size();
        }
        QVERIFY(rows > 1000);
        const JetReadResult jet4 = readJetTables(sharedFile("DateTestDatabase.mdb"), {"項目"});
        QVERIFY(jet4.ok);
        QVERIFY(!jet4.tables[0].found);
        for (const char* file : {"nwind.mdb", "DateTestDatabase.mdb"}) {
            MainFixture f;
            f.ledger.addCategory("残る", "+");
            const ImportOutcome outcome = importOldLedger(sharedFile(file), f.ledger.path);
            QVERIFY(!outcome.ok);
            QCOMPARE(outcome.reason, QString("テーブル「項目」がありません。"));
            QCOMPARE(f.ledger.count("科目テーブル"), 1);
        }
    }
};

QTEST_MAIN(TestImport)
#include "tst_import.moc"
