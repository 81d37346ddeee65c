// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"
#include "dialogs/Form10.h"
#include "dialogs/Form11.h"
#include "dialogs/Form12.h"
#include "dialogs/Form7.h"
#include "ledger/FixedEntries.h"
#include "support/JetWriter.h"
#include "support/Keys.h"
#include "support/MainFixture.h"
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace kotsu;
using kotsu::test::commit;
using kotsu::test::MainFixture;
using kotsu::test::press;
using kotsu::test::TestLedger;
using kotsu::test::type;
using kotsu::test::whenModal;

namespace {

const QDate today(2026, 12, 8);

qint64 addFixed(TestLedger& l, qint64 category, int day, WeekendRule rule, qint32 amount,
                const QString& comment) {
    FixedEntry f;
    f.categoryId = category;
    f.day = day;
    f.weekend = rule;
    f.amount = amount;
    f.comment = comment;
    f.start = QDate(2026, 9, 1);
    Database db(l.path);
    return addFixedEntry(db, f);
}

QStringList rowTexts(QTableWidget* t, int row) {
    QStringList out;
    for (int c = 0; c < t->columnCount(); ++c)
        out << t->item(row, c)->text();
    return out;
}

// The fixed entries left, by their category's name.
QStringList fixedCategories(TestLedger& l) {
    Database db(l.path);
    QStringList out;
    for (const FixedEntry& f : fixedEntries(db))
        out << f.category;
    return out;
}

// No window manager hands the activation back when a nested dialog closes: the test does.
void backTo(QWidget* window) {
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

enum class Command { DeleteCategory, BulkChange, Initialise, Import };

} // namespace

Q_DECLARE_METATYPE(Command)

class TestFixed : public QObject {
    Q_OBJECT
private slots:
    void settings_byKeyboardAlone() {
        MainFixture f(today);
        f.ledger.addCategory("家賃", "-");
        f.ledger.addCategory("給与", "+");
        Form1& m = f.open();
        QVERIFY(f.showActive());
        bool proposedOnClose = false;
        whenModal<Form10>([&](Form10* list) {
            QCOMPARE(list->windowTitle(), QString("定期明細の設定"));
            whenModal<Form12>([](Form12* d) {
                QCOMPARE(d->windowTitle(), QString("定期明細の追加"));
                QCOMPARE(test::focused(), d->Cmb科目);
                press(Qt::Key_Return); // no amount yet
                QCOMPARE(MessageBox::log().last().text, QString("金額が不正です！！"));
                QCOMPARE(test::focused(), d->Txt金額);
                press(Qt::Key_A, Qt::ControlModifier);
                type("80,000");
                press(Qt::Key_Tab);
                commit("家賃");
                press(Qt::Key_Tab);
                type("27");
                press(Qt::Key_Tab);
                press(Qt::Key_Down); // 前の平日
                press(Qt::Key_Tab);
                type("2026");
                press(Qt::Key_Tab);
                type("9");
                press(Qt::Key_Tab);
                press(Qt::Key_Space); // an end, before the start
                press(Qt::Key_Tab);
                type("2025");
                press(Qt::Key_Return);
                QCOMPARE(MessageBox::log().last().text,
                         QString("終了は開始より後にしてください。"));
                QCOMPARE(test::focused(), d->Spn終了年);
                press(Qt::Key_Tab, Qt::ShiftModifier);
                press(Qt::Key_Space); // no end after all
                press(Qt::Key_Return);
            });
            QCOMPARE(test::focused(), list->Command1); // 追加, while the list is empty
            press(Qt::Key_Return);
            backTo(list);
            QCOMPARE(test::focused(), list->Flx定期);
            QCOMPARE(rowTexts(list->Flx定期, 0),
                     QStringList({"27", "家賃", "80,000", "家賃", "前の平日", "2026/09～"}));
            QCOMPARE(f.ledger.column("Select * From コメントテーブル", "コメント名前"),
                     QStringList{"家賃"});

            // Enter edits the row; Escape leaves it as it was.
            whenModal<Form12>([](Form12* d) {
                QCOMPARE(d->windowTitle(), QString("定期明細の修正"));
                QCOMPARE(d->Txt金額->text(), QString("80,000"));
                QCOMPARE(d->Cmb日->currentText(), QString("27"));
                press(Qt::Key_Down); // 給与
                press(Qt::Key_Escape);
            });
            press(Qt::Key_Return);
            backTo(list);
            QCOMPARE(list->entries().first().category, QString("家賃"));

            MessageBox::pushAnswer(MessageBox::Answer::No);
            press(Qt::Key_Delete);
            QCOMPARE(MessageBox::log().last().text,
                     QString("下記の定期明細を削除してもよろしいですか？\n日：27\n科目：家賃\n"
                             "金額：80,000\nコメント：家賃\n"));
            QCOMPARE(MessageBox::log().last().title, QString("削除確認"));
            QCOMPARE(list->Flx定期->rowCount(), 1);

            // Three months fell due: they are proposed once the list closes.
            whenModal<Form11>([&](Form11* p) {
                proposedOnClose = p->Flx定期->rowCount() == 3;
                press(Qt::Key_Escape);
            });
            press(Qt::Key_Escape);
        });
        m.MnuTeiki->trigger();
        QVERIFY(proposedOnClose);
        QCOMPARE(f.ledger.count("明細テーブル"), 0);
        QCOMPARE(m.commentPhrases(), QStringList{"家賃"});
    }

    void proposal_booksTheCheckedSkipsTheRestOrWritesNothing() {
        MainFixture f(today);
        const qint64 pay = f.ledger.addCategory("給与", "+");
        const qint64 rent = f.ledger.addCategory("家賃", "-");
        const qint64 phone = f.ledger.addCategory("電話", "-");
        addFixed(f.ledger, rent, 27, WeekendRule::Before, 80000, "家賃");
        addFixed(f.ledger, pay, 25, WeekendRule::Keep, 250000, "");
        addFixed(f.ledger, phone, MonthEnd, WeekendRule::Keep, 6000, "携帯");
        Form1& m = f.open();

        whenModal<Form11>([](Form11* p) {
            QCOMPARE(p->Lbl件数->text(), QString("9件の定期明細が未登録です。"
                                                 "チェックを外したものは、今後は提案されません。"));
            QCOMPARE(rowTexts(p->Flx定期, 1),
                     QStringList({"2026/09/25", "家賃", "80,000", "家賃"}));
            press(Qt::Key_Escape); // 後で
        });
        m.MnuMitouroku->trigger();
        QCOMPARE(f.ledger.count("明細テーブル"), 0);

        whenModal<Form11>([](Form11* p) {
            QStringList dates;
            for (int r = 0; r < p->Flx定期->rowCount(); ++r)
                dates << p->Flx定期->item(r, Form11::Date)->text();
            QCOMPARE(dates, QStringList({"2026/09/25", "2026/09/25", "2026/09/30", "2026/10/25",
                                         "2026/10/27", "2026/10/31", "2026/11/25", "2026/11/27",
                                         "2026/11/30"}));
            // The first salary's amount: a digit opens the cell's editor, which takes the rest,
            // also after the arrows went to another column of the row.
            press(Qt::Key_Left);
            type("1");
            type("2a");
            press(Qt::Key_Return);
            QCoreApplication::processEvents(); // the editor closes
            press(Qt::Key_Return);
            QCOMPARE(MessageBox::log().last().text, QString("金額が不正です！！"));
            QVERIFY(p->isVisible());
            press(Qt::Key_A, Qt::ControlModifier);
            type("260000");
            press(Qt::Key_Return);
            QCoreApplication::processEvents();
            QCOMPARE(p->Flx定期->item(0, Form11::Amount)->text(), QString("260,000"));
            press(Qt::Key_Down);
            press(Qt::Key_Space); // September's rent: skipped
            press(Qt::Key_Return);
        });
        m.MnuMitouroku->trigger();
        QCOMPARE(f.ledger.count("明細テーブル"), 8);
        QCOMPARE(
            f.ledger.scalar("Select 金額 as v From 明細テーブル Where 日付 = '2026/09/25'", "v"),
            260000);
        QCOMPARE(
            f.ledger.scalar("Select count(*) as v From 定期明細記録テーブル Where 明細ID = 0", "v"),
            1);
        QCOMPARE(f.ledger.totalsDrift(), 0);
        QCOMPARE(m.Lbl集計残高->text(), QString("582,000")); // 760,000 - 160,000 - 18,000
        QCOMPARE(f.ledger.column("Select * From コメントテーブル", "コメント名前"),
                 QStringList({"携帯", "家賃"}));

        m.MnuMitouroku->trigger();
        QCOMPARE(MessageBox::log().last().text, QString("登録する定期明細はありません。"));
        QCOMPARE(MessageBox::log().last().title, QString("定期明細"));
    }

    void seedCommands_takeTheFixedEntriesAlong_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("records");
        QTest::newRow("category deletion") << Command::DeleteCategory << QStringList{"外食"} << 0;
        QTest::newRow("bulk change") << Command::BulkChange << QStringList{"外食", "外食"} << 1;
        QTest::newRow("initialisation") << Command::Initialise << QStringList{} << 0;
        QTest::newRow("import") << Command::Import << QStringList{} << 0;
    }
    void seedCommands_takeTheFixedEntriesAlong() {
        QFETCH(Command, command);
        QFETCH(QStringList, left);
        QFETCH(int, records);
        MainFixture f(today);
        const qint64 food = f.ledger.addCategory("食費", "-");
        const qint64 out = f.ledger.addCategory("外食", "-");
        f.ledger.addEntry("2026/12/01", food, 900);
        addFixed(f.ledger, food, 1, WeekendRule::Keep, 500, "");
        addFixed(f.ledger, out, 31, WeekendRule::Keep, 700, "");
        {
            Database db(f.ledger.path);
            Transaction t(db);
            skipOccurrence(db, dueOccurrences(db, today).first());
            t.commit();
        }
        Form1& m = f.open();
        switch (command) {
        case Command::DeleteCategory:
            m.FLx科目->setRow(1);
            m.MnuKamDel->trigger();
            QCOMPARE(MessageBox::log().last().text,
                     QString("1件のデータが科目名「食費」で明細に登録されています。\n"
                             "科目を削除するとこれらのデータも削除されますがよろしいですか？\n"
                             "この科目の定期明細（1件）も削除されます。"));
            break;
        case Command::BulkChange:
            m.Flx明細->setRow(1);
            whenModal<Form7>([](Form7* d) {
                d->Cmb修正後->setCurrentIndex(1);
                d->Cmb登録->click();
            });
            m.MnuIkkatu->trigger();
            break;
        case Command::Initialise:
            m.MnuCls->trigger();
            break;
        case Command::Import: {
            const QString old = f.ledger.dir.filePath("old.mdb");
            QVERIFY(test::writeJet4(
                old, {{"項目",
                       {{"名前", test::JetColumn::Text}, {"収支出", test::JetColumn::Text}},
                       {{"食費", "-"}}},
                      {"明細",
                       {{"年月日", test::JetColumn::DateTime},
                        {"科目", test::JetColumn::Long},
                        {"収入", test::JetColumn::Long},
                        {"支出", test::JetColumn::Long},
                        {"備考", test::JetColumn::Text}},
                       {}}}));
            FileDialog::pushFileName(old);
            m.MnuInp->trigger();
            QCOMPARE(f.ledger.count("科目テーブル"), 2);
            break;
        }
        }
        QCOMPARE(fixedCategories(f.ledger), left);
        QCOMPARE(f.ledger.count("定期明細テーブル"), left.size());
        QCOMPARE(f.ledger.scalar("Select count(*) as v From 定期明細記録テーブル", "v"), records);
    }

    void startUp_proposesWhatFellDue_unlessReadOnly_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("version");
        QTest::newRow("writable") << false << 3;
        QTest::newRow("read-only") << true << 3;
        QTest::newRow("read-only, to be upgraded") << true << 2;
    }
    void startUp_proposesWhatFellDue_unlessReadOnly() {
        QFETCH(bool, readOnly);
        QFETCH(int, version);
        MainFixture f(today);
        const qint64 rent = f.ledger.addCategory("家賃", "-");
        addFixed(f.ledger, rent, 27, WeekendRule::Before, 80000, "");
        const QString path = QFileInfo(f.ledger.path).canonicalFilePath();
        if (version == 2)
            Database(path).exec("DROP TABLE 定期明細テーブル; DROP TABLE 定期明細記録テーブル; "
                                "PRAGMA user_version=2;");
        LedgerPlace place{path, f.ledger.dir.path(), f.ledger.dir.path()};
        if (readOnly)
            place.writable = [path](const QString& p) { return p != path; };
        Started s = startUp(place);
        if (version == 2) {
            QVERIFY(!s.window);
            const QString text = MessageBox::log().last().text;
            QVERIFY2(text.contains(path) && text.contains("新しい形式への更新が必要"),
                     qPrintable(text));
            return;
        }
        QVERIFY(s.window);
        int proposed = 0;
        s.window->show();
        if (!readOnly) {
            whenModal<Form11>([&](Form11* p) {
                proposed = p->Flx定期->rowCount();
                press(Qt::Key_Escape);
            });
            QTRY_COMPARE(proposed, 3);
            return;
        }
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        QCoreApplication::processEvents();
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(MessageBox::log().isEmpty());
        QVERIFY(!s.window->MnuTeiki->isEnabled());
        QVERIFY(!s.window->MnuMitouroku->isEnabled());
    }
};

QTEST_MAIN(TestFixed)
#include "tst_fixed.moc"
