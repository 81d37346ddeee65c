// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Cp932.h"
#include "exchange/ExportFormat.h"
#include "support/MainFixture.h"
#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kotsu;
using kotsu::test::MainFixture;

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
// An independent reader of the Windows code page: the system's iconv program.
QString decodedBySystemIconv(const QString& path) {
    QProcess p;
    p.start("iconv", {"-f", "CP932", "-t", "UTF-8", path});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class TestExport : public QObject {
    Q_OBJECT
private slots:
    void cp932_writesWindowsBytes() {
        QCOMPARE(toCp932("～－①Ⅲ㎝髙")->toHex(), QByteArray("8160817c874087568770fbfc"));
        int replaced = -1;
        QCOMPARE(toCp932("a𠮷b€", &replaced), QByteArray("a?b?"));
        QCOMPARE(replaced, 2);
    }

    void menuExport_withoutTheConverter_isRefusedAndKeepsTheOldFile() {
        MainFixture f;
        f.ledger.addEntry("2005/03/07", f.ledger.addCategory("食費", "-"), 1200);
        Form1& m = f.open();
        const QString path = f.ledger.dir.filePath("keep.txt");
        {
            QFile old(path);
            old.open(QIODevice::WriteOnly);
            old.write("keep me");
        }
        setCp932ConverterName("NO-SUCH-CODE-PAGE");
        MessageBox::pushAnswer(MessageBox::Answer::Yes);
        MessageBox::pushAnswer(MessageBox::Answer::Yes); // replace it
        FileDialog::pushFileName(path);
        m.MnuExp->trigger();
        setCp932ConverterName("CP932");
        QCOMPARE(readAll(path), QByteArray("keep me"));
        QCOMPARE(MessageBox::log().last().title, QString("保存エラー"));
        QVERIFY(MessageBox::log().last().text.startsWith(
            "保存できませんでした！！\n文字コードの変換ができません"));
        QCOMPARE(QDir(f.ledger.dir.path()).entryList(QDir::Files),
                 QStringList({"keep.txt", "kotsu.mdb"}));
    }

    void exportLine_followsTheGridTexts_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("line");
        QTest::newRow("title") << QStringList({"No", "　　日付", "　　　科目", "　　収入",
                                               "　　支出", "　　　 コメント"})
                               << "No,日付,科目,収入,支出,コメント";
        QTest::newRow("expense") << QStringList({"3", "2005/03/07", "食費", "0", "1,200", "昼食"})
                                 << "3,2005/03/07,食費,0,1200,昼食";
        QTest::newRow("seven digits")
            << QStringList({"1", "2005/03/07", "給与", "12,345,678", "0", ""})
            << "1,2005/03/07,給与,12345678,0,";
        QTest::newRow("negative") << QStringList({"1", "2005/03/07", "食費", "0", "-500", " x "})
                                  << "1,2005/03/07,食費,0,-500,x";
        QTest::newRow("comma") << QStringList({"1", "2005/03/07", "食費", "0", "1", "a,b"})
                               << "1,2005/03/07,食費,0,1,\"a,b\"";
        QTest::newRow("quote") << QStringList({"1", "2005/03/07", "食費", "0", "1", "say \"hi\""})
                               << "1,2005/03/07,食費,0,1,\"say \"\"hi\"\"\"";
    }
    void exportLine_followsTheGridTexts() {
        QFETCH(QStringList, cells);
        QFETCH(QString, line);
        QCOMPARE(exportLine(cells), line);
    }

    void menuExport_writesTheShownListInCp932WithCrLf() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費～", "-");
        f.ledger.addEntry("2005/03/07", food, 1200, "昼食①");
        Form1& m = f.open();
        const QString txt = f.ledger.dir.filePath("out.txt");
        const QString csv = f.ledger.dir.filePath("out.csv");
        FileDialog::pushFileName(txt);
        m.MnuExp->trigger();
        QCOMPARE(FileDialog::askedFilters().first(),
                 QString("ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|CSVﾌｧｲﾙ(*.csv)|*.csv"));
        QCOMPARE(MessageBox::log().size(), 2);
        QCOMPARE(MessageBox::log().at(0).text,
                 QString("今現在、表示されている明細一覧をﾌｧｲﾙとして保存します。よろしいですか？"));
        QCOMPARE(MessageBox::log().at(0).buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(MessageBox::log().at(1).text, QString("保存しました。"));
        QCOMPARE(MessageBox::log().at(1).title, QString("保存終了"));
        const QString expected =
            "No,日付,科目,収入,支出,コメント\r\n1,2005/03/07,食費～,0,1200,昼食①\r\n";
        QCOMPARE(decodedBySystemIconv(txt), expected);
        QVERIFY(readAll(txt).endsWith("\r\n"));
        QCOMPARE(m.Flx明細->row(), 1);
        QCOMPARE(m.Flx明細->col(), 5);
        FileDialog::pushFileName(csv);
        m.MnuExp->trigger();
        QCOMPARE(readAll(csv), readAll(txt));
    }

    // A name without an extension takes the chosen filter's; an existing file is replaced
    // only after a Yes, the default being No.
    void menuExport_asksBeforeReplacing_afterTheExtensionIsAdded() {
        MainFixture f;
        Form1& m = f.open();
        const QByteArray before = "previous content that is longer than the new one\r\n";
        const QString path = f.ledger.dir.filePath("old.csv");
        {
            QFile old(path);
            old.open(QIODevice::WriteOnly);
            old.write(before);
        }
        FileDialog::pushFileName(f.ledger.dir.filePath("old"), "*.csv");
        m.MnuExp->trigger();
        QCOMPARE(MessageBox::log().last().text,
                 QString("「old.csv」は既に存在します。\n上書きしますか？"));
        QCOMPARE(MessageBox::log().last().buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(readAll(path), before);
        for (auto a : {MessageBox::Answer::Yes, MessageBox::Answer::Yes})
            MessageBox::pushAnswer(a);
        FileDialog::pushFileName(f.ledger.dir.filePath("old"), "*.csv");
        m.MnuExp->trigger();
        QCOMPARE(readAll(path), toCp932("No,日付,科目,収入,支出,コメント\r\n"));
        FileDialog::pushFileName(f.ledger.dir.filePath("new"));
        m.MnuExp->trigger();
        QCOMPARE(readAll(f.ledger.dir.filePath("new.txt")), readAll(path));
    }

    void menuExport_noOrCancel_writesNothing() {
        MainFixture f;
        Form1& m = f.open();
        MessageBox::pushAnswer(MessageBox::Answer::No);
        m.MnuExp->trigger();
        QVERIFY(FileDialog::askedFilters().isEmpty());
        m.MnuExp->trigger(); // Yes, then the dialog cancelled
        QCOMPARE(MessageBox::log().size(), 2);
        QCOMPARE(QDir(f.ledger.dir.path()).entryList(QDir::Files), QStringList({"kotsu.mdb"}));
    }

    void menuExport_failure_isReportedAndLeavesNoFile() {
        MainFixture f;
        Form1& m = f.open();
        FileDialog::pushFileName(f.ledger.path + "/under-a-file.txt");
        m.MnuExp->trigger();
        QCOMPARE(MessageBox::log().last().title, QString("保存エラー"));
        QCOMPARE(MessageBox::log().last().icon, MessageBox::Icon::Critical);
        QCOMPARE(QDir(f.ledger.dir.path()).entryList(QDir::Files), QStringList({"kotsu.mdb"}));
    }

    void menuExport_failure_keepsTheOldFileAndSaysSo() {
        MainFixture f;
        Form1& m = f.open();
        const QString path = f.ledger.dir.filePath("keep.txt");
        {
            QFile old(path);
            old.open(QIODevice::WriteOnly);
            old.write("keep me");
        }
        // A full disk, as far as this process can tell: no write may pass 8 bytes.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit tiny{8, saved.rlim_max};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tiny);
        MessageBox::pushAnswer(MessageBox::Answer::Yes);
        MessageBox::pushAnswer(MessageBox::Answer::Yes); // replace it
        FileDialog::pushFileName(path);
        m.MnuExp->trigger();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(readAll(path), QByteArray("keep me"));
        QCOMPARE(MessageBox::log().last().title, QString("保存エラー"));
        QVERIFY(MessageBox::log().last().text.startsWith("保存できませんでした！！"));
        QCOMPARE(QDir(f.ledger.dir.path()).entryList(QDir::Files),
                 QStringList({"keep.txt", "kotsu.mdb"}));
    }

    void menuExport_ontoTheLedgersOwnFiles_isRefused_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("named");
        QTest::newRow("the ledger") << "kotsu.mdb"
                                    << "kotsu.mdb";
        QTest::newRow("through ./") << "./kotsu.mdb"
                                    << "kotsu.mdb";
        QTest::newRow("a symlink to it") << "link.txt"
                                         << "kotsu.mdb";
        QTest::newRow("a hard link to it") << "hard.txt"
                                           << "kotsu.mdb";
        QTest::newRow("its journal, not there yet") << "kotsu.mdb-journal"
                                                    << "kotsu.mdb-journal";
        QTest::newRow("a backup, through a linked folder") << "linked/kotsu.mdb.bak.2"
                                                           << "kotsu.mdb.bak.2";
        QTest::newRow("a second kept original") << "kotsu.mdb.jet.1"
                                                << "kotsu.mdb.jet.1";
        QTest::newRow("a kept original's name not taken yet") << "kotsu.mdb.jet.12"
                                                              << "kotsu.mdb.jet.12";
        QTest::newRow("the backup's journal") << "kotsu.mdb.bak.new-journal"
                                              << "kotsu.mdb.bak.new-journal";
        QTest::newRow("the take-over's journal") << "kotsu.mdb.converting-journal"
                                                 << "kotsu.mdb.converting-journal";
    }
    void menuExport_ontoTheLedgersOwnFiles_isRefused() {
        QFETCH(QString, target);
        QFETCH(QString, named);
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/07", cat, 1200);
        const QDir dir(f.ledger.dir.path());
        QVERIFY(QFile::link(f.ledger.path, dir.filePath("link.txt")));
        QVERIFY(::link(qPrintable(f.ledger.path), qPrintable(dir.filePath("hard.txt"))) == 0);
        QVERIFY(QFile::link(dir.path(), dir.filePath("linked")));
        QFile windows(dir.filePath("kotsu.mdb.jet.1"));
        QVERIFY(windows.open(QIODevice::WriteOnly) && windows.write("the only copy") > 0);
        windows.close();
        Form1& m = f.open();
        const QByteArray before = test::digest(f.ledger.path);
        FileDialog::pushFileName(target.startsWith("./") ? dir.path() + "/./kotsu.mdb"
                                                         : dir.filePath(target));
        m.MnuExp->trigger();
        QCOMPARE(MessageBox::log().last().title, QString("保存エラー"));
        QCOMPARE(MessageBox::log().last().icon, MessageBox::Icon::Critical);
        QCOMPARE(MessageBox::log().last().text,
                 QString("保存できませんでした！！\n「%1」はこの家計簿のデータのファイルです。"
                         "別の名前を指定してください。")
                     .arg(named));
        QCOMPARE(test::digest(f.ledger.path), before);
        QVERIFY(!QFile::exists(f.ledger.path + "-journal"));
        QVERIFY(!QFile::exists(f.ledger.path + ".bak.2"));
        QCOMPARE(readAll(windows.fileName()), QByteArray("the only copy"));
        QCOMPARE(f.ledger.count("明細テーブル"), 1);
    }

    void menuExport_ontoAPipe_isRefusedAndLeavesItAPipe() {
        MainFixture f;
        Form1& m = f.open();
        const QString fifo = f.ledger.dir.filePath("pipe.txt");
        QVERIFY(::mkfifo(qPrintable(fifo), 0600) == 0);
        FileDialog::pushFileName(fifo);
        m.MnuExp->trigger();
        QCOMPARE(MessageBox::log().last().text,
                 QString("保存できませんでした！！\n「pipe.txt」はふつうのファイルではありません。"
                         "別の名前を指定してください。"));
        struct stat st {};
        QVERIFY(::stat(qPrintable(fifo), &st) == 0 && S_ISFIFO(st.st_mode));
    }

    void menuExport_unencodableCharacters_areCountedInTheMessage() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/07", food, 1, "𠮷野家");
        Form1& m = f.open();
        const QString path = f.ledger.dir.filePath("x.txt");
        FileDialog::pushFileName(path);
        m.MnuExp->trigger();
        QVERIFY(MessageBox::log().last().text.startsWith("保存しました。"));
        QVERIFY(MessageBox::log().last().text.contains("1文字"));
        QVERIFY(readAll(path).contains(",?"));
    }

    void menuExport_longYear_writesEveryRowOfTheEntryView() {
        MainFixture f;
        const qint64 pay = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-");
        {
            Database db(f.ledger.path);
            Transaction t(db);
            Recordset rs = db.openTable("明細テーブル");
            for (int i = 0; i < 2500; ++i) {
                rs.addNew();
                rs.setValue("日付", QDate(2005, 1, 1).addDays(i % 365));
                rs.setValue("科目ID", i % 5 ? food : pay);
                rs.setValue("金額", 1000 + i);
                rs.setValue("コメント", i % 11 ? QStringLiteral("昼食%1").arg(i) : "a,\"b\"");
                rs.update();
            }
            t.commit();
        }
        Form1& m = f.open();
        f.search("y2005/03/07");
        const QString path = f.ledger.dir.filePath("year.csv");
        FileDialog::pushFileName(path);
        m.MnuExp->trigger();
        QList<QStringList> expected = {f.entryRow(0)};
        for (QStringList row : f.ledger.listRows("日付 Between '2005/01/01' and '2005/12/31'"))
            expected << row.mid(0, 6);
        QCOMPARE(expected.size(), 2501);
        QCOMPARE(readAll(path), toCp932(exportText(expected)));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
