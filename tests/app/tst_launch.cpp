// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FlexGrid.h"
#include "app/Form1.h"
#include "app/LedgerLocation.h"
#include "app/Startup.h"
#include "dialogs/Form6.h"
#include "ledger/Database.h"
#include "ledger/Schema.h"
#include "support/JetWriter.h"
#include "support/TestLedger.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace kotsu;
using kotsu::test::digest;
using kotsu::test::JetColumn;
using kotsu::test::JetTable;

namespace {

// A Windows ledger that a start would take over, were it allowed to.
bool writeWindowsLedger(const QString& path) {
    return test::writeJet4(path, test::windowsLedger({{1, "食費", "-", 30000}},
                                                     {{1, QDate(2005, 3, 1), 1, 1200, "昼食"}},
                                                     {{1, "昼食"}}));
}

unsigned modeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

QString canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

// A program folder as the install step or a build leaves it.
struct Layout {
    QTemporaryDir root;
    QString bin = root.filePath("usr/bin");
    QString data = root.filePath("home/.local/share/kotsu");
    explicit Layout(bool installed) {
        QDir().mkpath(bin);
        if (installed)
            QDir().mkpath(root.filePath("usr/libexec/kotsu"));
    }
    LedgerPlace place(const QString& named = {}) const { return {named, bin, data}; }
};

// Root may write whatever the modes say, so the start-up is told what may not be written.
LedgerPlace denying(const LedgerPlace& place, const QString& denied) {
    LedgerPlace p = place;
    p.writable = [denied](const QString& path) { return path != denied; };
    return p;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

class Umask {
public:
    explicit Umask(mode_t m) : old_(::umask(m)) {}
    ~Umask() { ::umask(old_); }

private:
    mode_t old_;
};

} // namespace

class TestLaunch : public QObject {
    Q_OBJECT
private slots:
    void init() {
        MessageBox::setScripted(true);
        MessageBox::reset();
    }

    void ledgerPath_followsTheLocationRule_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("ledgerBeside");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("expected"); // relative to the layout's root
        QTest::newRow("a named file wins") << true << true << "elsewhere/mine.mdb"
                                           << "elsewhere/mine.mdb";
        QTest::newRow("build folder") << false << false << ""
                                      << "usr/bin/kotsu.mdb";
        QTest::newRow("installed, a ledger beside wins") << true << true << ""
                                                         << "usr/bin/kotsu.mdb";
        QTest::newRow("installed") << true << false << ""
                                   << "home/.local/share/kotsu/kotsu.mdb";
        QTest::newRow("a link names its target") << false << false << "link.mdb"
                                                 << "elsewhere/real.mdb";
    }
    void ledgerPath_followsTheLocationRule() {
        QFETCH(bool, installed);
        QFETCH(bool, ledgerBeside);
        QFETCH(QString, named);
        QFETCH(QString, expected);
        Layout l(installed);
        QDir().mkpath(l.root.filePath("elsewhere"));
        if (ledgerBeside)
            ensureLedger(QDir(l.bin).filePath("kotsu.mdb"));
        ensureLedger(l.root.filePath("elsewhere/real.mdb"));
        QFile::link(l.root.filePath("elsewhere/real.mdb"), l.root.filePath("link.mdb"));
        const QString given = named.isEmpty() ? QString() : l.root.filePath(named);
        QCOMPARE(resolveLedgerPath(l.place(given)),
                 QDir(canonical(l.root.path())).filePath(expected));
        QCOMPARE(QFileInfo::exists(l.data), installed && !ledgerBeside && named.isEmpty());
    }

    void newLedgerAndDataFolder_areTheOwnersAlone_whateverTheUmask() {
        Umask open(0);
        Layout l(true);
        const QString path = resolveLedgerPath(l.place());
        ensureLedger(path);
        QCOMPARE(modeOf(l.data), 0700u);
        QCOMPARE(modeOf(path), 0600u);
    }

    void windowsLedgerInTheDataFolder_isTakenOver() {
        Layout l(true);
        QVERIFY(QDir().mkpath(l.data));
        const QString ledger = QDir(l.data).filePath("kotsu.mdb");
        QVERIFY(writeWindowsLedger(ledger));
        const Started started = startUp(l.place());
        QVERIFY(started.window);
        QCOMPARE(started.window->ledgerPath(), canonical(ledger));
        QVERIFY(QFileInfo::exists(ledger + ".jet"));
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().title, QString("データの引き継ぎ"));
        QCOMPARE(started.window->Lbl集計残高->text(), QString("-1,200"));
    }

    void secondStart_onAnOpenLedger_saysSoAndTouchesNothing() {
        Layout l(false);
        const QString ledger = QDir(l.bin).filePath("kotsu.mdb");
        QVERIFY(writeWindowsLedger(ledger));
        const QByteArray before = digest(ledger);
        QLockFile first(ledger + ".lock");
        QVERIFY(first.tryLock(0));

        const Started second = startUp(l.place());
        QVERIFY(!second.window);
        QCOMPARE(second.exitCode, 1);
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().title, QString("コツコツ帳。"));
        QVERIFY(MessageBox::log().first().text.startsWith("この台帳はすでに開かれています！！"));
        QCOMPARE(digest(ledger), before);
        QCOMPARE(QDir(l.bin).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"kotsu.mdb", "kotsu.mdb.lock"}));
        QVERIFY(first.isLocked());
    }

    // The ledger file itself is locked too, and a lock that cannot be taken ends the start.
    void otherNameOrUnusableLock_endsTheStartUntouched_data() {
        QTest::addColumn<bool>("hardLink");
        QTest::newRow("a hard link to an open ledger") << true;
        QTest::newRow("a lock file name one too long") << false;
    }
    void otherNameOrUnusableLock_endsTheStartUntouched() {
        QFETCH(bool, hardLink);
        Layout l(false);
        Started first;
        QString second = l.root.filePath(QString(251, 'x'));
        if (hardLink) {
            first = startUp(l.place(l.root.filePath("kotsu.mdb")));
            QVERIFY(first.window);
            second = l.root.filePath("another-name.mdb");
            QCOMPARE(::link(qPrintable(l.root.filePath("kotsu.mdb")), qPrintable(second)), 0);
        }
        const QStringList before = filesIn(l.root.path());
        const QByteArray bytes = hardLink ? digest(second) : QByteArray();
        {
            const Started s = startUp(l.place(second));
            QVERIFY(!s.window);
            QCOMPARE(s.exitCode, 1);
        }
        QCOMPARE(MessageBox::log().size(), 1);
        const QString text = MessageBox::log().first().text;
        QVERIFY2(text.startsWith(hardLink ? "この台帳はすでに開かれています！！"
                                          : "台帳のロックファイルを作れません！！"),
                 qPrintable(text));
        QCOMPARE(filesIn(l.root.path()), before);
        if (hardLink)
            QCOMPARE(digest(second), bytes);
    }

    void differentLedger_startsNormally_andHoldsItsOwnLock() {
        Layout l(false);
        QLockFile other(QDir(l.bin).filePath("kotsu.mdb.lock"));
        QVERIFY(other.tryLock(0));
        const QString mine = l.root.filePath("mine.mdb");

        const Started started = startUp(l.place(mine));
        QVERIFY(started.window);
        QVERIFY(MessageBox::log().isEmpty());
        QVERIFY(QFileInfo::exists(mine));
        QVERIFY(!startUp(l.place(mine)).window);
    }

    void staleLockLeftByACrash_isTakenOver() {
        Layout l(false);
        const QString lockPath = QDir(l.bin).filePath("kotsu.mdb.lock");
        QByteArray content;
        {
            QLockFile crashed(lockPath);
            QVERIFY(crashed.tryLock(0));
            QFile f(lockPath);
            QVERIFY(f.open(QIODevice::ReadOnly));
            content = f.readAll();
        }
        // The same lock, written by a process that is gone.
        content = "2147483600" + content.mid(content.indexOf('\n'));
        QFile f(lockPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();

        const Started started = startUp(l.place());
        QVERIFY(started.window);
        QVERIFY(MessageBox::log().isEmpty());
        QVERIFY(started.lock->isLocked());
    }

    void unusableLedgerFile_isReported_andEndsWithCode1_data() {
        QTest::addColumn<QByteArray>("content"); // empty: a folder
        QTest::newRow("a folder") << QByteArray();
        QTest::newRow("not a ledger") << QByteArray("家計簿のメモ\n");
    }
    void unusableLedgerFile_isReported_andEndsWithCode1() {
        QFETCH(QByteArray, content);
        Layout l(false);
        const QString file = l.root.filePath("given.mdb");
        if (content.isEmpty()) {
            QVERIFY(QDir().mkpath(file));
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const Started started = startUp(l.place(file));
        QVERIFY(!started.window);
        QCOMPARE(started.exitCode, 1);
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().title, QString("コツコツ帳。"));
        QVERIFY(MessageBox::log().first().text.startsWith("実行時エラー"));
        QVERIFY(MessageBox::log().first().text.contains(canonical(file)));
        QVERIFY(MessageBox::log().first().text.endsWith("（kotsu ファイル名）。"));
        if (!content.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), content);
        }
    }

    void missingOrUnwritableFolder_isToldBeforeAnyLock_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("told");
        QTest::newRow("missing") << false << "台帳ファイルのフォルダがありません！！";
        QTest::newRow("unwritable") << true << "台帳ファイルを作れません！！";
    }
    void missingOrUnwritableFolder_isToldBeforeAnyLock() {
        QFETCH(bool, exists);
        QFETCH(QString, told);
        Layout l(false);
        const QString folder = canonical(l.root.path()) + "/box";
        if (exists)
            QVERIFY(QDir().mkpath(folder));
        const Started s = startUp(denying(l.place(folder + "/mine.mdb"), folder));
        QVERIFY(!s.window);
        QCOMPARE(s.exitCode, 1);
        QCOMPARE(MessageBox::log().size(), 1);
        QVERIFY(MessageBox::log().first().text.startsWith(told + "\n" + folder + "\n"));
        QVERIFY(filesIn(folder).isEmpty());
    }

    void emptyFile_becomesANewLedgerOnlyIfTheUserSaysSo_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void emptyFile_becomesANewLedgerOnlyIfTheUserSaysSo() {
        QFETCH(bool, yes);
        Layout l(false);
        const QString file = canonical(l.root.path()) + "/touched.mdb";
        writeFile(file, {});
        MessageBox::pushAnswer(yes ? MessageBox::Answer::Yes : MessageBox::Answer::No);
        {
            const Started s = startUp(l.place(file));
            QCOMPARE(bool(s.window), yes);
            QCOMPARE(s.exitCode, yes ? 0 : 1);
        }
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().text,
                 "台帳ファイル " + file + " は空です（0 バイト）。新しい台帳として使いますか？");
        QCOMPARE(QFileInfo(file).size() > 0, yes);
        if (yes)
            QCOMPARE(modeOf(file), 0600u);
        QCOMPARE(filesIn(l.root.path()), QStringList({"touched.mdb"}));
    }

    void windowsFileThatIsNoLedger_isLeftAlone_andTheUserToldWhatToDo_data() {
        QTest::addColumn<bool>("olderVersion");
        QTest::addColumn<QString>("advice");
        QTest::newRow("another database") << false << "（kotsu ファイル名）";
        QTest::newRow("older version's data") << true << "「Ver2.0の明細データの取込み(&I)」";
    }
    void windowsFileThatIsNoLedger_isLeftAlone_andTheUserToldWhatToDo() {
        QFETCH(bool, olderVersion);
        QFETCH(QString, advice);
        Layout l(false);
        const QString ledger = canonical(l.bin) + "/kotsu.mdb";
        QList<JetTable> tables;
        if (olderVersion) {
            tables << JetTable{"項目", {{"名前", JetColumn::Text}}, {{"食費"}}};
            tables << JetTable{"明細", {{"科目", JetColumn::Long}}, {{0}}};
        } else {
            tables << JetTable{"住所録", {{"名前", JetColumn::Text}}, {{"山田"}}};
        }
        QVERIFY(test::writeJet4(ledger, tables));
        const QByteArray before = digest(ledger);
        {
            const Started s = startUp(l.place());
            QVERIFY(!s.window);
        }
        QCOMPARE(MessageBox::log().size(), 1);
        const QString text = MessageBox::log().first().text;
        QVERIFY2(text.contains("\n" + ledger + "\n") && text.contains(advice), qPrintable(text));
        QCOMPARE(digest(ledger), before);
        QCOMPARE(filesIn(l.bin), QStringList({"kotsu.mdb"}));
    }

    void readOnlyLedger_showsEverything_andRefusesEveryWrite_data() {
        QTest::addColumn<bool>("folderDenied");
        QTest::newRow("file not writable") << false;
        QTest::newRow("folder not writable") << true;
    }
    void readOnlyLedger_showsEverything_andRefusesEveryWrite() {
        QFETCH(bool, folderDenied);
        Layout l(false);
        const QString folder = canonical(l.bin);
        const QString ledger = folder + "/kotsu.mdb";
        ensureLedger(ledger);
        {
            Database db(ledger);
            db.exec("INSERT INTO 科目テーブル(科目名前, 収支, 予算) VALUES('食費', '-', 0);"
                    "INSERT INTO 明細テーブル(日付, 科目ID, 金額) VALUES('2005/03/07', 1, 1200)");
        }
        const QByteArray before = digest(ledger);
        Clock::setToday(QDate(2005, 3, 7));
        const Started s = startUp(denying(l.place(), folderDenied ? folder : ledger));
        QVERIFY(s.window);
        QVERIFY(!s.lock);
        Form1& m = *s.window;
        QCOMPARE(m.windowTitle(), QString("コツコツ帳。　Ver3.2　［読み取り専用］"));
        QCOMPARE(m.Lbl集計残高->text(), QString("-1,200"));
        QCOMPARE(m.Flx明細->rows(), 2);
        for (QAction* a : {m.MnuUndo, m.MnuRedo, m.MnuInp, m.MnuCls, m.MnuKom, m.MnuMeiEdit,
                           m.MnuMeiDel, m.MnuIkkatu, m.MnuKamAdd, m.MnuKamEdit, m.MnuKamDel})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        for (QAction* a : {m.MnuExp, m.MnuGraph, m.MnuMeiFind, m.MnuVer})
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));

        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        m.Cmb登録科目->setCurrentIndex(0);
        QTest::keyClicks(m.Txt登録金額, "500");
        QTest::mouseClick(m.Cmb登録, Qt::LeftButton);
        MnuKom_Click(m); // what a command reached some other way meets
        const QString refusal = "この台帳は読み取り専用です。変更はできません。\n" + ledger;
        QCOMPARE(MessageBox::log().size(), 2);
        QCOMPARE(MessageBox::log()[0].text, refusal);
        QCOMPARE(MessageBox::log()[1].text, refusal);
        QCOMPARE(m.Flx明細->rows(), 2);
        QCOMPARE(digest(ledger), before);
        QCOMPARE(filesIn(folder), QStringList({"kotsu.mdb"}));
    }

    void readOnlyLedger_thatNeedsAWrite_isRefusedUntouched_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("Windows ledger") << "windows"
                                        << "引き継ぎのために書き込みが必要です";
        QTest::newRow("older ledger") << "older"
                                      << "新しい形式への更新が必要";
        QTest::newRow("empty file") << "empty"
                                    << "空です（0 バイト）";
    }
    void readOnlyLedger_thatNeedsAWrite_isRefusedUntouched() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        Layout l(false);
        const QString ledger = canonical(l.bin) + "/kotsu.mdb";
        if (kind == "windows") {
            QVERIFY(writeWindowsLedger(ledger));
        } else if (kind == "older") {
            ensureLedger(ledger);
            Database(ledger).exec("PRAGMA user_version=1");
        } else {
            writeFile(ledger, {});
        }
        const QByteArray before = digest(ledger);
        const Started s = startUp(denying(l.place(), ledger));
        QVERIFY(!s.window);
        QCOMPARE(s.exitCode, 1);
        QCOMPARE(MessageBox::log().size(), 1);
        const QString text = MessageBox::log().first().text;
        QVERIFY2(text.contains(ledger) && text.contains(why), qPrintable(text));
        QCOMPARE(digest(ledger), before);
        QCOMPARE(filesIn(l.bin), QStringList({"kotsu.mdb"}));
    }

    void commandLine_answersWithoutADisplay_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("--version") << "--version" << 0 << "3.2";
        QTest::newRow("--help") << "--help" << 0 << "使い方: kotsu [オプション] [FILE]\n";
        QTest::newRow("unknown option")
            << "--bogus" << 1 << "「--bogus」というオプションはありません。";
        QTest::newRow("missing value")
            << "--platform" << 1 << "オプション「--platform」には値が必要です。";
        QTest::newRow("an empty FILE") << "" << 1 << "台帳ファイルの名前が空です";
    }
    void commandLine_answersWithoutADisplay() {
        QFETCH(QString, argument);
        QFETCH(int, exitCode);
        QFETCH(QString, shown);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // A window system that is not there: building a QApplication would abort.
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "xcb");
        p.setProcessEnvironment(env);
        p.start(KOTSU_PROGRAM, {argument});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), exitCode);
        QVERIFY(QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())
                    .contains(shown));
    }
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
