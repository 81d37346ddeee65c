// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Backup.h"
#include "support/MainFixture.h"
#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>

using namespace kotsu;
using kotsu::test::MainFixture;

class TestInitialise : public QObject {
    Q_OBJECT
private slots:
    void noAtEitherQuestion_changesNothing() {
        for (int noAt = 0; noAt < 2; ++noAt) {
            MainFixture f;
            const qint64 cat = f.ledger.addCategory("食費", "-");
            f.ledger.addEntry("2005/03/07", cat, 1);
            Form1& m = f.open();
            if (noAt == 1)
                MessageBox::pushAnswer(MessageBox::Answer::Yes);
            MessageBox::pushAnswer(MessageBox::Answer::No);
            m.MnuCls->trigger();
            QCOMPARE(MessageBox::log().size(), noAt + 1);
            QCOMPARE(f.ledger.count("明細テーブル"), 1);
        }
    }

    void yesYes_emptiesEverything_andIdsKeepGrowing() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-", 1000);
        f.ledger.addEntry("2005/03/07", cat, 1, "昼食");
        f.ledger.addPhrase("昼食");
        Form1& m = f.open();
        m.MnuCls->trigger();
        QCOMPARE(MessageBox::log().at(0).text,
                 QString("全てのデータを初期化します。よろしいですか？"));
        QCOMPARE(MessageBox::log().at(0).title, QString("確認"));
        QCOMPARE(MessageBox::log().at(1).text,
                 QString("この操作は取り消しが出来ません。本当に初期化しますか？"));
        QCOMPARE(MessageBox::log().at(1).title, QString("最終確認"));
        QCOMPARE(f.ledger.count("明細テーブル") + f.ledger.count("科目テーブル") +
                     f.ledger.count("コメントテーブル"),
                 0);
        QCOMPARE(m.Flx明細->rows(), 1);
        QCOMPARE(m.FLx科目->rows(), 1);
        QCOMPARE(m.Lbl集計残高->text(), QString("0"));
        QCOMPARE(m.Lbl集計予算->text(), QString("0"));
        QCOMPARE(m.Dat期間開始, QDate(2005, 3, 1));
        QVERIFY(f.ledger.addCategory("新", "+") > cat);
        m.MnuCls->trigger(); // on an empty ledger too
        QCOMPARE(f.ledger.count("科目テーブル"), 0);
    }

    void backupThatCannotBeWritten_stopsTheWipe() {
        MainFixture f;
        f.ledger.addCategory("食費", "-");
        Form1& m = f.open();
        QVERIFY(QDir().mkdir(f.ledger.path + ".bak")); // a folder stands where the backup goes
        m.MnuCls->trigger();
        QCOMPARE(MessageBox::log().size(), 3);
        QCOMPARE(MessageBox::log().last().title, QString("ﾊﾞｯｸｱｯﾌﾟエラー"));
        QVERIFY(MessageBox::log().last().text.startsWith("バックアップを作成できませんでした！！"));
        QCOMPARE(f.ledger.count("科目テーブル"), 1);
        QVERIFY(!QFile::exists(f.ledger.path + ".bak.new"));
    }

    void backups_keepFiveGenerationsReadableByTheOwnerOnly() {
        MainFixture f;
        const mode_t umaskBefore = ::umask(0);
        for (int n = 1; n <= 6; ++n) {
            f.ledger.addCategory(QString::number(n), "+");
            backupLedger(f.ledger.path);
        }
        ::umask(umaskBefore);
        for (int g = 0; g < 5; ++g) {
            const QString path = backupPath(f.ledger.path, g);
            Database backup(path);
            QCOMPARE(readCount(backup, "Select count(ID) as RecCnt From 科目テーブル"), 6 - g);
            struct stat st {};
            QCOMPARE(::stat(qPrintable(path), &st), 0);
            QCOMPARE(st.st_mode & 0777, mode_t(0600));
        }
        QCOMPARE(QDir(f.ledger.dir.path()).entryList(QDir::Files),
                 QStringList({"kotsu.mdb", "kotsu.mdb.bak", "kotsu.mdb.bak.1", "kotsu.mdb.bak.2",
                              "kotsu.mdb.bak.3", "kotsu.mdb.bak.4"}));
    }
};

QTEST_MAIN(TestInitialise)
#include "tst_initialise.moc"
