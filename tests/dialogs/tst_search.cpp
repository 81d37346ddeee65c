// SPDX-License-Identifier: GPL-3.0-or-later
// Finding entries by their comment: the folding, then the dialog as keys drive it.
#include "common/SearchFold.h"
#include "dialogs/Form9.h"
#include "dialogs/FoundEntriesModel.h"
#include "support/Keys.h"
#include "support/MainFixture.h"
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace kotsu;
using kotsu::test::commit;
using kotsu::test::focused;
using kotsu::test::MainFixture;
using kotsu::test::press;
using kotsu::test::whenModal;

namespace {

QStringList listed(Form9* d, int column) {
    QStringList out;
    for (int r = 0; r < d->model()->rowCount(); ++r)
        out << d->model()->cell(r, column);
    return out;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void folding_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<bool>("found");
        struct Case {
            const char* name;
            const char* typed;
            const char* comment;
            bool found;
        };
        const Case cases[] = {
            {"half-width kana", "ｺｰﾋｰ", "コーヒー豆", true},
            {"voiced half-width", "ｶﾞｽ", "ガス代", true},
            {"hiragana for katakana", "こーひー", "缶コーヒー", true},
            {"full-width letters", "ＡＢＣ", "abcマート", true},
            {"letter case", "abc", "ＡＢＣストア", true},
            {"kanji stay distinct", "高島屋", "髙島屋", false},
            {"words in any order", "治療 歯医者", "歯医者：治療", true},
            {"full-width blank", "歯医者　治療", "治療（歯医者）", true},
            {"every word needed", "歯医者 眼科", "歯医者：治療", false},
            {"percent", "%", "50%引き", true},
            {"percent is no wildcard", "5%き", "50%引き", false},
            {"underscore", "a_b", "axb", false},
            {"star", "*", "何でも", false},
            {"brackets", "[a]", "x[A]y", true},
            {"quotes", "it's \"x\"", "It's \"X\" day", true},
        };
        for (const Case& c : cases)
            QTest::newRow(c.name) << QString(c.typed) << QString(c.comment) << c.found;
    }
    void folding() {
        QFETCH(QString, typed);
        QFETCH(QString, comment);
        QFETCH(bool, found);
        QCOMPARE(containsAllWords(foldForSearch(comment), searchWords(typed)), found);
    }

    void ctrlF_findsNewestFirst_andEnterOnARow_showsItsMonthWithTheRowCurrent() {
        MainFixture f;
        const qint64 pay = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-");
        const qint64 misc = f.ledger.addCategory("雑費", "-");
        f.ledger.addEntry("2004/12/01", food, 1200, "ｺｰﾋｰ豆");
        const qint64 wanted = f.ledger.addEntry("2005/01/10", misc, 500, "こーひー代");
        f.ledger.addEntry("2005/01/10", food, 300, "缶コーヒー");
        f.ledger.addEntry("2005/02/25", pay, 250000, "給料 コーヒー手当");
        f.ledger.addEntry("2005/03/01", food, 800, "昼食");
        // A long January, so the entry found lies below the first screen.
        for (int i = 0; i < 80; ++i)
            f.ledger.addEntry("2005/01/05", food, 1, "パン");
        Form1& m = f.open();
        QVERIFY(f.showActive());
        m.Cmb明細科目->setCurrentIndex(2);

        whenModal<Form9>([&](Form9* d) {
            QCOMPARE(d->windowTitle(), QString("明細の検索"));
            QCOMPARE(focused(), d->Txtコメント);
            commit("コーヒー");
            press(Qt::Key_Return);
            QCOMPARE(listed(d, FoundEntriesModel::Date),
                     QStringList({"2005/02/25", "2005/01/10", "2005/01/10", "2004/12/01"}));
            QCOMPARE(listed(d, FoundEntriesModel::Comment),
                     QStringList({"給料 コーヒー手当", "缶コーヒー", "こーひー代", "ｺｰﾋｰ豆"}));
            QCOMPARE(listed(d, FoundEntriesModel::Income), QStringList({"250,000", "0", "0", "0"}));
            QCOMPARE(listed(d, FoundEntriesModel::Expense),
                     QStringList({"0", "300", "500", "1,200"}));
            QCOMPARE(d->Lbl件数->text(), QString("4件　収入：250,000　支出：2,000"));
            QCOMPARE(d->Flx明細->currentIndex().row(), 0);

            press(Qt::Key_Tab); // the category list: Enter still searches
            press(Qt::Key_Down);
            press(Qt::Key_Down);
            QCOMPARE(d->Cmb科目->currentText(), QString("食費"));
            press(Qt::Key_Return);
            QCOMPARE(listed(d, FoundEntriesModel::Category), QStringList({"食費", "食費"}));
            press(Qt::Key_Home);
            press(Qt::Key_Return);
            QCOMPARE(d->Lbl件数->text(), QString("4件　収入：250,000　支出：2,000"));

            press(Qt::Key_Tab);
            press(Qt::Key_Tab); // past 検索(&F), onto the list
            QCOMPARE(focused(), d->Flx明細);
            press(Qt::Key_Down);
            press(Qt::Key_Down);
            press(Qt::Key_Return);
            QVERIFY(!d->isVisible());
        });
        press(Qt::Key_F, Qt::ControlModifier);

        QCOMPARE(m.Tag, QString("m2005/01/10"));
        QCOMPARE(m.Lbl明細日付->text(), QString("2005/01/10"));
        QCOMPARE(m.Label2[6]->text(), QString("月指定："));
        QCOMPARE(m.Cmb明細科目->currentIndex(), 0);
        QCOMPARE(m.Dat期間開始, QDate(2005, 1, 1));
        QCOMPARE(m.Dat期間終了, QDate(2005, 1, 31));
        QCOMPARE(m.Flx明細->rows(), 83);
        QCOMPARE(m.Flx明細->rowKey(m.Flx明細->row(), 0), wanted);
        const QRect shown = m.Flx明細->visualRect(m.Flx明細->currentIndex());
        QVERIFY(m.Flx明細->viewport()->rect().contains(shown.center()));

        // Escape closes and leaves the main window as it was.
        QVERIFY(f.showActive());
        whenModal<Form9>([](Form9* d) {
            press(Qt::Key_Escape);
            QVERIFY(!d->isVisible());
        });
        press(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(m.Tag, QString("m2005/01/10"));
    }

    void blanksAlone_listNothing_andALedgerError_leavesTheDialogOpen() {
        MainFixture f;
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/01", food, 100, "昼食");
        Form1& m = f.open();
        QVERIFY(f.showActive());
        whenModal<Form9>([&](Form9* d) {
            commit("昼食");
            press(Qt::Key_Return);
            QCOMPARE(d->model()->rowCount(), 1);
            d->Txtコメント->selectAll();
            commit("　 ");
            press(Qt::Key_Return);
            QCOMPARE(d->model()->rowCount(), 0);
            QCOMPARE(d->Lbl件数->text(), QString("検索する文字を入力してください。"));

            QVERIFY(QFile::rename(f.ledger.path, f.ledger.path + ".away"));
            commit("昼食");
            press(Qt::Key_Return);
            QCOMPARE(MessageBox::log().size(), 1);
            QVERIFY(d->isVisible());
            QVERIFY(QFile::rename(f.ledger.path + ".away", f.ledger.path));
            press(Qt::Key_X, Qt::AltModifier);
            QTRY_VERIFY(!d->isVisible());
        });
        m.MnuMeiFind->trigger();
    }

    void moreThanTenThousand_listsTheNewest_andCountsAndSumsThemAll() {
        MainFixture f;
        const qint64 pay = f.ledger.addCategory("給与", "+");
        const qint64 food = f.ledger.addCategory("食費", "-");
        {
            Database db(f.ledger.path);
            Transaction t(db);
            Recordset rs = db.openTable(QStringLiteral("明細テーブル"));
            for (int i = 0; i < 10003; ++i) {
                rs.addNew();
                rs.setValue("日付", dateText(QDate(2001, 1, 1).addDays(i)));
                rs.setValue("科目ID", i % 2 ? food : pay);
                rs.setValue("金額", 2000000000);
                rs.setValue("コメント", i % 2 ? "食材" : "給料 食材手当");
                rs.update();
            }
            t.commit();
        }
        Form1& m = f.open();
        QVERIFY(f.showActive());
        whenModal<Form9>([&](Form9* d) {
            commit("食材");
            press(Qt::Key_Return);
            QCOMPARE(d->model()->rowCount(), Form9::MaxRows);
            QCOMPARE(d->model()->cell(0, FoundEntriesModel::Date),
                     dateText(QDate(2001, 1, 1).addDays(10002)));
            QCOMPARE(d->model()->cell(9999, FoundEntriesModel::Date),
                     dateText(QDate(2001, 1, 1).addDays(3)));
            QCOMPARE(d->Lbl件数->text(),
                     QString("10,000件を表示（全10,003件）　"
                             "収入：10,004,000,000,000　支出：10,002,000,000,000"));
            // Numbers are never cut short.
            const QString widest = d->model()->cell(0, FoundEntriesModel::Income);
            QVERIFY(d->Flx明細->fontMetrics().horizontalAdvance(widest) <
                    d->Flx明細->columnWidth(FoundEntriesModel::Income));
            press(Qt::Key_Escape);
        });
        m.MnuMeiFind->trigger();
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
