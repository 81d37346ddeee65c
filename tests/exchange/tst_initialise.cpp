// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Files.h"
#include "ledger/Backup.h"
#include "support/MainFixture.h"
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTest>
#include <cstdio>
#include <sys/stat.h>

using namespace kotsu;
using kotsu::test::MainFixture;

namespace {

// Every file beside the ledger but the ledger itself and its journal, with its bytes.
QMap<QString, QByteArray> backups(const QString& ledgerPath) {
    QMap<QString, QByteArray> out;
    const QDir dir = QFileInfo(ledgerPath).dir();
    for (const QString& name : dir.entryList({"*.bak*"}, QDir::Files)) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::ReadOnly);
        out.insert(name, f.readAll());
    }
    return out;
}

// Five generations, each of a different ledger.
void fiveBackups(MainFixture& f) {
    for (int n = 1; n <= BackupGenerations; ++n) {
        f.ledger.addCategory(QString::number(n), "+");
        backupLedger(f.ledger.path);
    }
}

// The first move onto the fourth generation fails, as a rename on a failing disk may.
bool failOnceOntoBak3(const QString& from, const QString& to) {
    static bool failed = false;
    if (to.endsWith(".bak.3") && !failed)
        return !(failed = true);
    return std::rename(qPrintable(from), qPrintable(to)) == 0;
}

} // namespace

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
        // The reason itself, not a database failure it never was.
        QCOMPARE(
            MessageBox::log().last().text,
            "バックアップを作成できませんでした！！\nバックアップの場所にファイル以外のものがあ"
            "ります。(" +
                f.ledger.path + ".bak)");
        QCOMPARE(f.ledger.count("科目テーブル"), 1);
        QVERIFY(!QFile::exists(f.ledger.path + ".bak.new"));
    }

    void rotationFailingPartway_putsEveryGenerationBack() {
        MainFixture f;
        fiveBackups(f);
        const auto before = backups(f.ledger.path);
        f.ledger.addCategory("新", "+");
        setRenameFunction(failOnceOntoBak3);
        QVERIFY_THROWS_EXCEPTION(BackupFailed, backupLedger(f.ledger.path));
        setRenameFunction(nullptr);
        QCOMPARE(backups(f.ledger.path), before);
    }

    void refusedOrFailedInitialisation_leavesEveryBackupByteForByte_data() {
        QTest::addColumn<bool>("busy");
        QTest::newRow("ledger busy in another program") << true;
        QTest::newRow("the wipe failing after the backup") << false;
    }
    void refusedOrFailedInitialisation_leavesEveryBackupByteForByte() {
        QFETCH(bool, busy);
        MainFixture f;
        fiveBackups(f);
        const auto before = backups(f.ledger.path);
        Form1& m = f.open();
        Database other(f.ledger.path);
        if (busy)
            other.exec("BEGIN IMMEDIATE; INSERT INTO コメントテーブル(コメント名前) VALUES('x');");
        else
            other.exec("CREATE TRIGGER 拒否 BEFORE DELETE ON 科目テーブル "
                       "BEGIN SELECT RAISE(ABORT, '拒否'); END;");
        for (int n = 0; n < 2; ++n)
            m.MnuCls->trigger();
        QCOMPARE(MessageBox::log().last().icon, MessageBox::Icon::Critical);
        QCOMPARE(backups(f.ledger.path), before);
        other.close();
        QCOMPARE(f.ledger.count("科目テーブル"), BackupGenerations);
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
