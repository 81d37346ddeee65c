// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Import.h"
#include "exchange/JetReader.h"
#include "exchange/Progress.h"
#include "ledger/Backup.h"
#include "support/JetWriter.h"
#include "support/MainFixture.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace kotsu;
using kotsu::test::digest;
using kotsu::test::JetColumn;
using kotsu::test::JetTable;
using kotsu::test::MainFixture;
using kotsu::test::oldCategories;
using kotsu::test::oldEntries;
using kotsu::test::TestLedger;

namespace {

QString sharedFile(const char* name) {
    return QStringLiteral(KOTSU_SHARED_TESTDATA "/") + name;
}

// A stand-in for the reader child, in place while it lives.
class FakeReader {
public:
    explicit FakeReader(const QByteArray& script, int deadlineMs = 0) {
        QFile f(file("reader.sh"));
        f.open(QIODevice::WriteOnly);
        f.write(script);
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setJetReaderProgram(f.fileName());
        setJetReaderDeadline(deadlineMs);
    }
    ~FakeReader() {
        setJetReaderProgram(KOTSU_TEST_JET_READER);
        setJetReaderDeadline(0);
    }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

qint64 peakMemoryKb() {
    QFile f("/proc/self/status");
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

QProgressDialog* findProgressDialog() {
    for (QWidget* w : QApplication::allWidgets())
        if (auto* d = qobject_cast<QProgressDialog*>(w))
            return d;
    return nullptr;
}

void cancelProgressDialogs() {
    for (QWidget* w : QApplication::allWidgets())
        if (auto* d = qobject_cast<QProgressDialog*>(w))
            d->cancel();
}

qint64 entriesIn(const QString& ledger) {
    Database db(ledger);
    return readCount(db, "Select count(ID) as RecCnt From 明細テーブル");
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

    void amountsBeyond32Bits_refuseTheFileNamingTheRow_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("expense");
        QTest::addColumn<QString>("stored"); // empty: the file is refused
        QTest::newRow("income beyond") << "3000000000"
                                       << "0"
                                       << "";
        QTest::newRow("income just beyond, an expense beside") << "2147483648"
                                                               << "500"
                                                               << "";
        QTest::newRow("expense beyond") << "0"
                                        << "-2147483649"
                                        << "";
        QTest::newRow("largest income") << "2147483647"
                                        << "9"
                                        << "2147483647";
        QTest::newRow("negative income counts as none") << "-3000000000"
                                                        << "500"
                                                        << "500";
    }
    void amountsBeyond32Bits_refuseTheFileNamingTheRow() {
        QFETCH(QString, income);
        QFETCH(QString, expense);
        QFETCH(QString, stored);
        auto value = [](const QString& text) { return JetValue{false, text}; };
        JetReadResult read;
        read.ok = true;
        read.tables << JetTableRows{
            "項目", true, 1, {"名前", "収支出"}, {{value("食費"), value("-")}}};
        JetTableRows entries{"明細", true, 2, {"年月日", "科目", "収入", "支出", "備考"}, {}};
        entries.rows << QList<JetValue>{value("2005/03/01"), value("0"), value("0"), value("1"),
                                        value("")}
                     << QList<JetValue>{value("2005/03/02"), value("0"), value(income),
                                        value(expense), value("")};
        read.tables << entries;
        OldLedger old;
        const auto why = checkOldLedger(read, old);
        if (stored.isEmpty()) {
            QVERIFY(why);
            QVERIFY2(why->startsWith("テーブル「明細」の2件目の金額"), qPrintable(*why));
            return;
        }
        QVERIFY2(!why, qPrintable(why.value_or("")));
        TestLedger l;
        {
            Database db(l.path);
            Transaction t(db);
            writeImport(db, old);
            t.commit();
        }
        QCOMPARE(l.column("Select * From 明細テーブル Order by ID Asc", "金額"),
                 QStringList({"1", stored}));
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
        const QString damaged = "ファイルが壊れています（Access（Jet）のデータベースですが、"
                                "表の一覧か表の中身を読み取れません）。";
        QTest::newRow("truncated") << "truncated" << damaged;
        QTest::newRow("cut before a table") << "cut before a table" << damaged;
        QTest::newRow("damaged catalogue") << "damaged catalogue" << damaged;
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
        } else if (kind != "no entries" && kind != "no remark" && kind != "null amount") {
            // Pages: 2 the catalogue, 7 the definition of 明細, then its rows.
            QFile t(old);
            t.open(QIODevice::ReadWrite);
            if (kind == "damaged catalogue") {
                t.seek(2 * 4096);
                t.write(QByteArray(4096, '\0'));
            } else {
                t.resize(kind == "truncated" ? t.size() - 3 * 4096 : 7 * 4096);
            }
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
        QCOMPARE(box.text.section('\n', 1), reason);
        QCOMPARE(m.Flx明細->rows(), 2);
    }

    void failureWhileWriting_rollsBackAndBlamesTheLedger() {
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
        Form1& m = f.open();
        FileDialog::pushFileName(old);
        m.MnuInp->trigger();
        QCOMPARE(MessageBox::log().last().title, QString("ｲﾝﾎﾟｰﾄエラー"));
        QCOMPARE(MessageBox::log().last().text,
                 QString("台帳に書き込めませんでした！！\n台帳は取り込みの前のままです。\n"
                         "データの整合性が保てないため、書き込めませんでした。"));
        QCOMPARE(f.ledger.column("Select * From 科目テーブル", "科目名前"), QStringList({"残る"}));
        QCOMPARE(f.ledger.count("明細テーブル"), 0);
        QVERIFY(!QFile::exists(backupPath(f.ledger.path))); // no generation spent on it
    }

    void refusedImportAfterInitialisation_keepsTheBackupOfTheData() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/01", cat, 1);
        f.ledger.addEntry("2005/03/02", cat, 2);
        const QString bad = f.ledger.dir.filePath("bad.mdb");
        const QString good = f.ledger.dir.filePath("good.mdb");
        QFile text(bad);
        text.open(QIODevice::WriteOnly);
        text.write("not a database\n");
        text.close();
        QVERIFY(test::writeJet4(good, {oldCategories({{"食費", "-"}}),
                                       oldEntries({{QDate(2005, 3, 7), 0, 0, 640, ""}})}));
        Form1& m = f.open();
        m.MnuCls->trigger();
        QCOMPARE(entriesIn(backupPath(f.ledger.path)), 2);
        FileDialog::pushFileName(bad);
        m.MnuInp->trigger();
        QCOMPARE(MessageBox::log().last().title, QString("ｲﾝﾎﾟｰﾄエラー"));
        QCOMPARE(entriesIn(backupPath(f.ledger.path)), 2);
        QVERIFY(!QFile::exists(backupPath(f.ledger.path, 1)));
        FileDialog::pushFileName(good);
        m.MnuInp->trigger();
        QCOMPARE(f.ledger.count("明細テーブル"), 1);
        QCOMPARE(entriesIn(backupPath(f.ledger.path)), 0);
        QCOMPARE(entriesIn(backupPath(f.ledger.path, 1)), 2);
    }

    void cancel_leavesTheLedgerAndItsBackupsAlone() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/01", cat, 1);
        const QByteArray before = digest(f.ledger.path);
        Form1& m = f.open();
        {
            FakeReader slow("#!/bin/sh\nexec sleep 30\n");
            QString title;
            QTimer::singleShot(0, [&m, &title] {
                title = m.findChild<QProgressDialog*>()->windowTitle();
                cancelProgressDialogs();
            });
            FileDialog::pushFileName(slow.file("old.mdb"));
            m.MnuInp->trigger();
            QCOMPARE(title, QString("取り込み中"));
        }
        QCOMPARE(MessageBox::log().size(), 3); // the two questions, then what became of it
        QCOMPARE(MessageBox::log().last().text,
                 QString("取り込みを取り消しました。\n台帳は取り込みの前のままです。"));
        QVERIFY(!QFile::exists(backupPath(f.ledger.path)));
        // Cancelled while writing, after the read.
        OldLedger old;
        old.categories << OldLedger::Category{"新", "-"};
        for (int i = 0; i < 600; ++i)
            old.entries << OldLedger::Entry{"2005/01/01", "0", "0", "1", ""};
        Progress progress(nullptr, "取り込み中");
        QTimer::singleShot(0, cancelProgressDialogs);
        QCOMPARE(writeOldLedger(f.ledger.path, old, &progress).refusal,
                 ImportOutcome::Refusal::Cancelled);
        QCOMPARE(digest(f.ledger.path), before);
    }

    void lastStage_takesACancelUntilTheCommitBegins() {
        TestLedger l;
        l.addCategory("残る", "-");
        backupLedger(l.path);
        const QByteArray ledger = digest(l.path);
        const QByteArray backup = digest(backupPath(l.path));
        OldLedger old;
        old.categories << OldLedger::Category{"新", "-"};
        for (int i = 0; i < 3000; ++i)
            old.entries << OldLedger::Entry{"2005/01/01", "0", "0", QString::number(i), "x"};
        for (bool cancelAtTheEnd : {true, false}) {
            Progress progress(nullptr, "取り込み中");
            QProgressDialog* dialog = findProgressDialog();
            QVERIFY(dialog);
            bool sawFinishing = false;
            QTimer poll;
            poll.setInterval(0);
            connect(&poll, &QTimer::timeout, [&] {
                const bool allWritten =
                    dialog->maximum() > 0 && dialog->value() >= dialog->maximum();
                if (cancelAtTheEnd && allWritten)
                    dialog->cancel();
                if (dialog->labelText().contains("仕上げ"))
                    sawFinishing = !dialog->findChild<QPushButton*>()->isEnabled();
            });
            poll.start();
            const ImportOutcome outcome = writeOldLedger(l.path, old, &progress);
            if (cancelAtTheEnd) {
                QCOMPARE(outcome.refusal, ImportOutcome::Refusal::Cancelled);
                QCOMPARE(digest(l.path), ledger);
                QCOMPARE(digest(backupPath(l.path)), backup);
                QVERIFY(!QFile::exists(backupPath(l.path, 1)));
            } else {
                QVERIFY(outcome.ok);
                QVERIFY(sawFinishing);
                QCOMPARE(outcome.entries, 3000);
                QCOMPARE(entriesIn(l.path), 3000);
            }
        }
    }

    void paintingDuringAnImport_readsNothingOfTheLedger() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        {
            Database db(f.ledger.path);
            Transaction t(db);
            for (int i = 0; i < 400; ++i)
                appendEntry(db, "2005/03/07", cat, i, "c");
            t.commit();
        }
        const QString old = f.ledger.dir.filePath("old.mdb");
        QList<QList<QVariant>> many;
        for (int i = 0; i < 2000; ++i)
            many << QList<QVariant>{QDate(2005, 1, 1), 0, 0, 5, "x"};
        QVERIFY(test::writeJet4(old, {oldCategories({{"食費", "-"}}), oldEntries(many)}));
        Form1& m = f.open();
        const QModelIndex far = m.Flx明細->model()->index(300, 5);
        int paintedWhileWriting = 0;
        int readWhileWriting = 0;
        QTimer poll;
        poll.setInterval(0);
        connect(&poll, &QTimer::timeout, [&] {
            if (!LongWrite::underway())
                return;
            ++paintedWhileWriting;
            if (m.Flx明細->model()->data(far).isValid())
                ++readWhileWriting;
        });
        poll.start();
        FileDialog::pushFileName(old);
        m.MnuInp->trigger();
        QVERIFY(paintedWhileWriting > 0);
        QCOMPARE(readWhileWriting, 0);
        QCOMPARE(MessageBox::log().last().title, QString("ｲﾝﾎﾟｰﾄ終了"));
        QCOMPARE(m.Flx明細->rows(), 1); // reloaded: nothing of 2005/03 any more
    }

    void menu_asksTwiceThenImportsAndReloads() {
        MainFixture f;
        const QString old = f.ledger.dir.filePath("old.mdb");
        QVERIFY(test::writeJet4(old, {oldCategories({{"It's", "-"}}),
                                      oldEntries({{QDate(2005, 3, 7), 0, 0, 640, "電車"}})}));
        f.ledger.addCategory("食費", "-");
        Form1& m = f.open();
        f.register_("食費", "100");
        MessageBox::pushAnswer(MessageBox::Answer::No);
        m.MnuInp->trigger();
        QVERIFY(m.MnuUndo->isEnabled());
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
        QCOMPARE(MessageBox::log().size(), 3);
        QCOMPARE(MessageBox::log().at(1).text,
                 QString("この操作を行うと元には戻せませんが本当によろしいですか？"));
        QCOMPARE(MessageBox::log().at(2).text,
                 QString("取り込みが終わりました。\n科目1件、明細1件を取り込みました。"));
        QCOMPARE(FileDialog::askedFilters().last(), QString("コツコツ帳。明細データ(*.mdb)|*.mdb"));
        QCOMPARE(f.entryRow(1), QStringList({"1", "2005/03/07", "It's", "0", "640", "電車"}));
        QCOMPARE(m.commentPhrases(), QStringList({"電車"}));
        QVERIFY(QFile::exists(f.ledger.path + ".bak"));
        QVERIFY2(!m.MnuUndo->isEnabled(), "no step fits the imported ledger");
    }

    // Killed outright, the program takes its reader with it.
    void reader_endsWithTheProgramThatStartedIt() {
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t program = ::fork();
        if (program == 0) {
            // The program: starts a reader as readJetTables does, then waits to be killed.
            const pid_t self = ::getpid();
            const pid_t child = ::fork();
            if (child == 0) {
                prepareReaderChild(self);
                ::execl("/bin/sleep", "sleep", "60", static_cast<char*>(nullptr));
                ::_exit(127);
            }
            if (::write(ready[1], &child, sizeof child) != ssize_t(sizeof child))
                ::_exit(1);
            ::pause();
            ::_exit(0);
        }
        pid_t reader = 0;
        QCOMPARE(::read(ready[0], &reader, sizeof reader), ssize_t(sizeof reader));
        ::close(ready[0]);
        ::close(ready[1]);
        ::kill(program, SIGKILL);
        ::waitpid(program, nullptr, 0);
        // Gone, or a zombie waiting for whoever reaps orphans here.
        const auto ended = [reader] {
            QFile stat(QString("/proc/%1/stat").arg(reader));
            if (!stat.open(QIODevice::ReadOnly))
                return true;
            const QByteArray line = stat.readAll();
            return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
        };
        QTRY_VERIFY_WITH_TIMEOUT(ended(), 5000);
        ::kill(reader, SIGKILL);
    }

    void hangingCrashingOrFloodingReader_becomesARefusal() {
        const char* scripts[] = {
            "#!/bin/sh\nexec sleep 20\n", "#!/bin/sh\nkill -SEGV $$\n", "#!/bin/sh\necho garbage\n",
            "#!/bin/sh\nexec yes 'offset 1517568 is beyond EOF' >&2\n",
            // Takes memory without end, unless it is limited.
            "#!/bin/sh\nulimit -v >\"$0.limit\"\n[ \"$(ulimit -v)\" = unlimited ] && exit 9\n"
            "x=x\nwhile :; do x=\"$x$x\"; done\n"};
        for (const char* script : scripts) {
            FakeReader reader(script, 1000);
            const qint64 peakBefore = peakMemoryKb();
            const JetReadResult result = readJetTables(reader.file("any.mdb"), {"項目"});
            QVERIFY(!result.ok);
            QVERIFY(!result.error.isEmpty());
            QVERIFY2(peakMemoryKb() - peakBefore < 64 * 1024, script);
            if (QByteArray(script).contains("ulimit")) {
                QFile limit(reader.file("reader.sh.limit"));
                QVERIFY(limit.open(QIODevice::ReadOnly));
                bool number = false;
                QVERIFY(limit.readAll().trimmed().toLongLong(&number) <= 1024 * 1024 && number);
            }
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
