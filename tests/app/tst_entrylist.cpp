// SPDX-License-Identifier: GPL-3.0-or-later
// A long entry list is read from the ledger as it is shown: what it shows, exports and
// acts on must be exactly the rows of the entry view, however far it is scrolled or read.
#include "ledger/LedgerError.h"
#include "support/MainFixture.h"
#include <QTest>

using namespace kotsu;
using kotsu::test::MainFixture;

namespace {

struct Ids {
    qint64 pay, food, star;
};

// Enough entries for several pages and runs of rows, with ties of date and category, a
// negative amount, an entry without category and neighbours outside the year.
Ids fill(MainFixture& f) {
    Ids c{f.ledger.addCategory("給与", "+"), f.ledger.addCategory("食費", "-", 30000),
          f.ledger.addCategory("雑費*", "-")};
    Database db(f.ledger.path);
    Transaction t(db);
    Recordset rs = db.openTable("明細テーブル");
    auto add = [&](const QDate& d, qint64 category, qint64 amount, const QString& comment) {
        rs.addNew();
        rs.setValue("日付", d);
        rs.setValue("科目ID", category);
        rs.setValue("金額", amount);
        rs.setValue("コメント", comment);
        rs.update();
    };
    for (int i = 0; i < 2600; ++i) {
        const qint64 category = i % 7 == 0 ? c.pay : i % 3 == 0 ? c.star : c.food;
        add(QDate(2005, 1, 1).addDays((i * 37) % 365), category, 100 + (i * 7919) % 90000,
            QStringLiteral("c%1").arg(i % 13));
    }
    add(QDate(2005, 6, 1), c.food, -1500, "返品");
    add(QDate(2005, 6, 1), 999, 5, "科目なし");
    add(QDate(2004, 12, 31), c.food, 1, "");
    add(QDate(2006, 1, 1), c.food, 1, "");
    t.commit();
    return c;
}

QStringList gridRow(Form1& m, int r) {
    QStringList out;
    for (int c = 0; c < 6; ++c)
        out << m.Flx明細->textMatrix(r, c);
    out << QString::number(m.entryId(r)) << QString::number(m.entryCategoryId(r));
    return out;
}

} // namespace

class TestEntryList : public QObject {
    Q_OBJECT
private slots:
    void longList_showsExactlyTheRowsOfTheEntryView() {
        MainFixture f;
        const Ids c = fill(f);
        Form1& m = f.open();
        const QString year = "日付 Between '2005/01/01' and '2005/12/31'";
        for (const auto& [filter, where] :
             {std::pair<QString, QString>{{}, year},
              {"雑費*", year + " and 科目ID = " + sql::number(c.star)}}) {
            f.search("y2005/03/07", filter);
            const QList<QStringList> expected = f.ledger.listRows(where);
            QCOMPARE(m.Flx明細->rows(), expected.size() + 1);
            // From the end back, then from the start on: pages read in either direction.
            for (int r = expected.size(); r >= 1; r -= 97)
                QCOMPARE(gridRow(m, r), expected[r - 1]);
            for (int r = 1; r <= expected.size(); ++r)
                QCOMPARE(gridRow(m, r), expected[r - 1]);
            qint64 income = 0, expense = 0;
            for (const QStringList& row : expected) {
                income += plainDigits(row[3]).toLongLong();
                expense += plainDigits(row[4]).toLongLong();
            }
            QCOMPARE(m.Lbl集計収入->text(), formatAmount(income));
            QCOMPARE(m.Lbl集計支出->text(), formatAmount(expense));
        }
    }

    void ledgerChangedBehindTheList_showsTheListedRowsOrSaysSo() {
        MainFixture f;
        const Ids c = fill(f);
        Form1& m = f.open();
        f.search("y2005/03/07");
        const QList<QStringList> listed =
            f.ledger.listRows("日付 Between '2005/01/01' and '2005/12/31'");
        // A new entry among them moves no listed row until the next reload.
        f.ledger.addEntry("2005/02/01", c.pay, 777, "後から");
        for (int r = 1; r <= listed.size(); r += 41)
            QCOMPARE(gridRow(m, r), listed[r - 1]);

        // An entry gone before its row was read: the row says so instead of showing nothing.
        f.search("y2005/03/07");
        const int gone = m.Flx明細->rows() - 3;
        {
            Database db(f.ledger.path);
            db.exec(QStringLiteral("DELETE FROM 明細テーブル WHERE ID = ") +
                    QString::number(m.entryId(gone)));
        }
        try {
            m.Flx明細->textMatrix(gone, 5);
            QFAIL("a row whose entry is gone was read as if it were there");
        } catch (const LedgerError& e) {
            QCOMPARE(e.number(), LedgerError::NoCurrentRecord);
        }
        const QString out = f.ledger.dir.filePath("year.csv");
        FileDialog::pushFileName(out);
        m.MnuExp->trigger();
        QVERIFY(MessageBox::log().last().text.startsWith("保存できませんでした！！\n"));
        QVERIFY(!QFile::exists(out));
        m.Flx明細->setRow(gone);
        m.MnuMeiEdit->trigger();
        QCOMPARE(MessageBox::log().last().text, QString("指定された明細が見つかりません！！"));
    }

    // A row that cannot be read is marked for the eye, its neighbours still show, and the
    // user is told once, not at every paint; a ledger gone marks what is not at hand.
    void unreadableRows_areMarkedAndToldOnce_data() {
        QTest::addColumn<bool>("ledgerGone");
        QTest::newRow("an entry deleted behind the list") << false;
        QTest::newRow("the ledger gone while shown") << true;
    }
    void unreadableRows_areMarkedAndToldOnce() {
        QFETCH(bool, ledgerGone);
        MainFixture f;
        fill(f);
        Form1& m = f.open();
        f.search("y2005/03/07");
        const QList<QStringList> listed =
            f.ledger.listRows("日付 Between '2005/01/01' and '2005/12/31'");
        const QAbstractItemModel* model = m.Flx明細->model();
        auto shown = [&](int row, int col) {
            return model->data(model->index(row - 1, col)).toString();
        };
        const int row = 300; // on a page not read yet
        const QString moved = f.ledger.path + ".away";
        if (ledgerGone)
            QVERIFY(QFile::rename(f.ledger.path, moved));
        else
            Database(f.ledger.path)
                .exec("DELETE FROM 明細テーブル WHERE ID = " + QString::number(m.entryId(row)));
        for (int paint = 0; paint < 3; ++paint) {
            shown(row, 5);
            QCoreApplication::processEvents();
        }
        QCOMPARE(shown(row, 0), QString::number(row));
        QCOMPARE(shown(row, 1), QString());
        QCOMPARE(shown(row, 5), QString("（読み込めません）"));
        QCOMPARE(shown(row + 1, 5), ledgerGone ? QString("（読み込めません）") : listed[row][5]);
        QCOMPARE(shown(2000, 5), ledgerGone ? QString("（読み込めません）") : listed[1999][5]);
        QCoreApplication::processEvents();
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().title, QString("読み込みエラー"));
        QVERIFY(MessageBox::log().first().text.endsWith("検索(&F)で読み直してください。"));
        QVERIFY_THROWS_EXCEPTION(LedgerError, m.Flx明細->textMatrix(row, 5));
        if (ledgerGone)
            QVERIFY(QFile::rename(moved, f.ledger.path));
        f.search("y2005/03/07");
        QCOMPARE(shown(row, 5),
                 f.ledger.listRows("日付 Between '2005/01/01' and '2005/12/31'").at(row - 1).at(5));
    }

    void ctrlEnd_reachesTheLastRowWithItsNumber() {
        MainFixture f;
        fill(f);
        Form1& m = f.open();
        f.search("y2005/03/07");
        QVERIFY(f.showActive());
        m.Flx明細->setFocus();
        const int last = m.Flx明細->rows() - 1;
        QTest::keyClick(m.Flx明細, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(m.Flx明細->row(), last);
        QCOMPARE(m.Flx明細->textMatrix(last, 0), QString::number(last));
        const QModelIndex shown = m.Flx明細->indexAt(m.Flx明細->currentRowRect().center());
        QCOMPARE(shown.row() + 1, last);
        QCOMPARE(shown.data().toString(), QString::number(last));
        QTest::keyClick(m.Flx明細, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(m.Flx明細->row(), 1);
    }
};

QTEST_MAIN(TestEntryList)
#include "tst_entrylist.moc"
