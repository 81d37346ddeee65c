// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/JetLedger.h"
#include "exchange/JetReader.h"
#include "support/JetWriter.h"
#include "support/MainFixture.h"
#include <QFile>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

using namespace kotsu;
using kotsu::test::digest;
using kotsu::test::JetTable;
using kotsu::test::MainFixture;

namespace {

QList<JetTable> takenOverLedger(bool withComments = true) {
    QList<JetTable> tables = test::windowsLedger(
        {{1, "給与", "+", 0}, {5, "食費", "-", 30000}, {9, "It's \"外食\"", "-", 5000}},
        {{3, QDate(2005, 3, 1), 1, 250000, ""},
         {4, QDate(2005, 3, 2), 5, 1200, "昼食"},
         {10, QDate(2005, 3, 3), 9, 3000, "say \"hi\" it's"},
         {11, QDate(2005, 3, 4), 7, 999, "科目なし"}},
        {{2, "昼食"}, {8, "say \"hi\" it's"}});
    if (!withComments)
        tables.removeLast();
    return tables;
}

} // namespace

class TestJetLedger : public QObject {
    Q_OBJECT
private slots:
    void windowsLedger_isTakenOverWithItsIds() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kotsu.mdb");
        QVERIFY(test::writeJet4(path, takenOverLedger()));
        QCOMPARE(::chmod(qPrintable(path), 0644), 0);
        const QByteArray original = digest(path);
        MessageBox::setScripted(true);
        MessageBox::reset();
        QCOMPARE(takeOverJetLedger(path), TakeOver::Converted);
        QCOMPARE(digest(path + ".jet"), original);
        for (const QString& file : {path, path + ".jet"}) {
            struct stat st {};
            QCOMPARE(::stat(qPrintable(file), &st), 0);
            QCOMPARE(st.st_mode & 0777, mode_t(0600));
        }
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().title, QString("データの引き継ぎ"));
        QVERIFY(MessageBox::log().first().text.endsWith(path + ".jet"));
        QCOMPARE(takeOverJetLedger(path), TakeOver::NotJet);

        ensureLedger(path);
        Database db(path);
        auto column = [&](const QString& sql, const QString& field) {
            QStringList out;
            for (Recordset rs = db.openRecordset(sql); !rs.atEnd(); rs.moveNext())
                out << rs.text(field);
            return out;
        };
        QCOMPARE(column("Select * From 科目テーブル Order by ID Asc", "ID"),
                 QStringList({"1", "5", "9"}));
        QCOMPARE(column("Select * From 科目テーブル Order by ID Asc", "科目名前"),
                 QStringList({"給与", "食費", "It's \"外食\""}));
        QCOMPARE(column("Select * From 明細テーブル Order by ID Asc", "ID"),
                 QStringList({"3", "4", "10", "11"}));
        QCOMPARE(
            column("Select * From 明細クエリ Order by ID Asc", "コメント"),
            QStringList({"", "昼食",
                         "say \"hi\" it's"})); // the entry of a missing category is kept, unseen
        QCOMPARE(column("Select * From 明細テーブル Where ID = 4", "日付"),
                 QStringList({"2005/03/02"}));
        QCOMPARE(column("Select * From コメントテーブル Order by ID Asc", "ID"),
                 QStringList({"2", "8"}));
        Recordset rs = db.openTable("科目テーブル");
        rs.addNew();
        rs.setValue("科目名前", "新");
        rs.update();
        QCOMPARE(column("Select max(ID) as m From 科目テーブル", "m"), QStringList({"10"}));
    }

    void mainWindow_showsTheTakenOverTotals() {
        MainFixture f(QDate(2005, 3, 7));
        QFile::remove(f.ledger.path);
        QVERIFY(test::writeJet4(f.ledger.path, takenOverLedger()));
        QCOMPARE(takeOverJetLedger(f.ledger.path), TakeOver::Converted);
        Form1& m = f.open();
        QCOMPARE(m.Lbl集計収入->text(), QString("250,000"));
        QCOMPARE(m.Lbl集計支出->text(), QString("4,200"));
        QCOMPARE(m.Lbl集計予算->text(), QString("35,000"));
    }

    void damagedOrIncompleteJetLedger_isLeftExactlyAsItIs() {
        for (int damage = 0; damage < 2; ++damage) {
            QTemporaryDir dir;
            const QString path = dir.filePath("kotsu.mdb");
            QVERIFY(test::writeJet4(path, takenOverLedger(damage == 0)));
            if (damage == 0) {
                QFile f(path);
                f.open(QIODevice::ReadWrite);
                f.resize(f.size() - 4096);
            }
            const QByteArray before = digest(path);
            MessageBox::setScripted(true);
            MessageBox::reset();
            QCOMPARE(takeOverJetLedger(path), TakeOver::Refused);
            QCOMPARE(digest(path), before);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"kotsu.mdb"}));
            QCOMPARE(MessageBox::log().first().title, QString("ファイルエラー"));
            if (damage == 1)
                QVERIFY(MessageBox::log().first().text.contains(
                    "（テーブル「コメントテーブル」がありません。）"));
        }
    }

    void missingReader_refusesTheTakeOver_sayingWhereItLooked() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kotsu.mdb");
        QVERIFY(test::writeJet4(path, takenOverLedger()));
        const QByteArray before = digest(path);
        MessageBox::setScripted(true);
        MessageBox::reset();
        setJetReaderProgram(QString()); // the tests' folder holds no reader
        const TakeOver result = takeOverJetLedger(path);
        setJetReaderProgram(KOTSU_TEST_JET_READER);
        QCOMPARE(result, TakeOver::Refused);
        const QString text = MessageBox::log().first().text;
        QVERIFY2(text.contains("取込みに必要なプログラム（kotsu-jet-reader）が見つかりません。\n"
                               "探した場所：\n") &&
                     text.contains(QCoreApplication::applicationDirPath()),
                 qPrintable(text));
        QCOMPARE(digest(path), before);
    }

    void interruptedTakeOver_isStartedAgain_data() {
        QTest::addColumn<QString>("stoppedAt");
        QTest::newRow("between the two renames of an earlier version") << "renames";
        QTest::newRow("after keeping the original, before the switch") << "switch";
        QTest::newRow("while building the new ledger") << "building";
    }
    void interruptedTakeOver_isStartedAgain() {
        QFETCH(QString, stoppedAt);
        MainFixture f(QDate(2005, 3, 7));
        const QString path = f.ledger.path;
        QFile::remove(path);
        QVERIFY(test::writeJet4(path, takenOverLedger()));
        const QByteArray original = digest(path);
        auto leave = [](const QString& file) {
            QFile half(file);
            half.open(QIODevice::WriteOnly);
            half.write("SQLite format 3");
        };
        if (stoppedAt == "renames") {
            QVERIFY(QFile::rename(path, path + ".jet"));
            leave(path + ".converting");
        } else if (stoppedAt == "switch") {
            QVERIFY(::link(qPrintable(path), qPrintable(path + ".jet")) == 0);
            leave(path + ".converting");
        } else {
            leave(path + ".converting.new");
        }
        QCOMPARE(takeOverJetLedger(path), TakeOver::Converted);
        QCOMPARE(QDir(f.ledger.dir.path()).entryList(QDir::Files),
                 QStringList({"kotsu.mdb", "kotsu.mdb.jet"}));
        QCOMPARE(digest(path + ".jet"), original);
        Form1& m = f.open();
        QCOMPARE(m.Lbl集計収入->text(), QString("250,000"));
    }

    void takeOverCancelled_leavesTheJetFileAndEnds() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kotsu.mdb");
        QVERIFY(test::writeJet4(path, takenOverLedger()));
        const QByteArray before = digest(path);
        const QString slow = dir.filePath("reader.sh");
        QFile script(slow);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nexec sleep 30\n");
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        script.close();
        setJetReaderProgram(slow);
        MessageBox::setScripted(true);
        MessageBox::reset();
        QString title;
        QTimer::singleShot(0, [&title] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QProgressDialog*>(w)) {
                    title = d->windowTitle();
                    d->cancel();
                }
        });
        const TakeOver result = takeOverJetLedger(path);
        setJetReaderProgram(KOTSU_TEST_JET_READER);
        QCOMPARE(result, TakeOver::Refused);
        QCOMPARE(title, QString("データの引き継ぎ"));
        QCOMPARE(digest(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"kotsu.mdb", "reader.sh"}));
        QCOMPARE(MessageBox::log().first().text,
                 QString("データの引き継ぎを取り消しました。\n元のファイルはそのままです。"));
    }
};

QTEST_MAIN(TestJetLedger)
#include "tst_jetledger.moc"
