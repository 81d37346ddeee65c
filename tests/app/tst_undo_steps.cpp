// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of change undone with Ctrl+Z and redone with Ctrl+Y, pressed in the window.
#include "dialogs/Form10.h"
#include "dialogs/Form11.h"
#include "dialogs/Form12.h"
#include "dialogs/Form3.h"
#include "dialogs/Form4.h"
#include "dialogs/Form6.h"
#include "dialogs/Form7.h"
#include "ledger/FixedEntries.h"
#include "support/Keys.h"
#include "support/MainFixture.h"
#include "support/UserTables.h"
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

using namespace kotsu;
using namespace kotsu::test;

namespace {

using Action = std::function<void(MainFixture&)>;

// The fixed-entry settings, closed once `act` is done.
void inSettings(MainFixture& f, std::function<void(Form10*)> act) {
    whenModal<Form10>([act](Form10* list) {
        act(list);
        list->Command4->click();
    });
    f.main->MnuTeiki->trigger();
}

// The editor that `open` opens, saved with this amount on the 20th: not due while the test runs.
void throughEditor(QPushButton* open, const QString& amount) {
    whenModal<Form12>([amount](Form12* d) {
        d->Txt金額->setText(amount);
        d->Cmb日->setCurrentIndex(19);
        d->Cmb登録->click();
    });
    open->click();
}

struct Kind {
    const char* step;
    Action act;
    qint64 currentAfterUndo; // the entry whose row is current then; 0 when none is asked
    qint64 currentAfterRedo;
};

// Over the ledger of fill(): entries 1 and 2 in the shown month, 3 in an older one; a fixed
// entry of the first category due on the 10th, after the first day shown.
const QList<Kind>& kinds() {
    static const QList<Kind> all = {
        {"登録", [](MainFixture& f) { f.register_("食費", "1,500", "夕食"); }, 0, 4},
        {"明細の修正",
         [](MainFixture& f) {
             f.main->Flx明細->setRow(1);
             whenModal<Form3>([](Form3* d) {
                 d->Txt登録金額->setText("1300");
                 d->Cmb登録->click();
             });
             f.main->MnuMeiEdit->trigger();
         },
         1, 4},
        {"明細の削除",
         [](MainFixture& f) {
             f.main->Flx明細->setRow(2);
             MessageBox::pushAnswer(MessageBox::Answer::Ok);
             f.main->MnuMeiDel->trigger();
         },
         2, 0},
        {"一括修正",
         [](MainFixture& f) {
             f.main->Flx明細->setRow(1);
             whenModal<Form7>([](Form7* d) {
                 d->Cmb修正後->setCurrentIndex(d->Cmb修正後->findText("交通費"));
                 d->Cmb登録->click();
             });
             f.main->MnuIkkatu->trigger();
         },
         0, 0},
        {"科目の追加",
         [](MainFixture& f) {
             whenModal<Form4>([](Form4* d) {
                 d->Txt科目名->setText("雑費");
                 d->Cmb登録->click();
             });
             f.main->MnuKamAdd->trigger();
         },
         0, 0},
        {"科目の修正",
         [](MainFixture& f) {
             f.main->FLx科目->setRow(1);
             whenModal<Form4>([](Form4* d) {
                 d->Txt予算->setText("25000");
                 d->Cmb登録->click();
             });
             f.main->MnuKamEdit->trigger();
         },
         0, 0},
        {"科目の削除",
         [](MainFixture& f) {
             f.main->FLx科目->setRow(1);
             MessageBox::pushAnswer(MessageBox::Answer::Ok);
             f.main->MnuKamDel->trigger();
         },
         0, 0},
        {"コメントの削除",
         [](MainFixture& f) {
             whenModal<Form6>([](Form6* d) {
                 d->LstKom->item(1)->setSelected(true);
                 d->Command1->click();
                 d->Cmb登録->click();
             });
             f.main->MnuKom->trigger();
         },
         0, 0},
        {"定期明細の追加",
         [](MainFixture& f) {
             inSettings(f, [](Form10* l) { throughEditor(l->Command1, "5,000"); });
         },
         0, 0},
        {"定期明細の修正",
         [](MainFixture& f) {
             inSettings(f, [](Form10* l) { throughEditor(l->Command2, "1,000"); });
         },
         0, 0},
        {"定期明細の削除",
         [](MainFixture& f) {
             MessageBox::pushAnswer(MessageBox::Answer::Yes);
             inSettings(f, [](Form10* l) { l->Command3->click(); });
         },
         0, 0},
        {"定期明細の登録",
         [](MainFixture& f) {
             Clock::setToday(QDate(2005, 3, 10));
             whenModal<Form11>([](Form11* p) { p->Cmb登録->click(); });
             f.main->MnuMitouroku->trigger();
         },
         0, 4},
    };
    return all;
}

void fill(TestLedger& l) {
    const qint64 food = l.addCategory("食費", "-", 30000);
    const qint64 fare = l.addCategory("交通費", "-");
    l.addCategory("給料", "+");
    l.addEntry("2005/03/05", food, 1200, "昼食");
    l.addEntry("2005/03/06", fare, 640, "電車");
    l.addEntry("2004/12/01", food, 800);
    l.addPhrase("昼食");
    l.addPhrase("電車");
    FixedEntry lunch;
    lunch.categoryId = food;
    lunch.amount = 900;
    lunch.comment = "昼食";
    lunch.day = 10;
    lunch.start = QDate(2005, 3, 1);
    Database db(l.path);
    addFixedEntry(db, lunch);
}

QString menuTexts(Form1& m) {
    return m.MnuUndo->text() + (m.MnuUndo->isEnabled() ? "" : " off") + " | " + m.MnuRedo->text() +
           (m.MnuRedo->isEnabled() ? "" : " off");
}

void pressIn(QWidget* w, Qt::Key key) {
    w->setFocus();
    press(key, Qt::ControlModifier);
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void everyKindOfStep_isUndoneAndRedoneExactly_data() {
        QTest::addColumn<int>("kind");
        for (int i = 0; i < kinds().size(); ++i)
            QTest::newRow(kinds()[i].step) << i;
    }
    void everyKindOfStep_isUndoneAndRedoneExactly() {
        QFETCH(int, kind);
        const Kind& k = kinds()[kind];
        const QString step = QString::fromUtf8(k.step);
        MainFixture f;
        fill(f.ledger);
        Form1& m = f.open();
        QVERIFY(f.showActive());
        QCOMPARE(menuTexts(m), QString("元に戻す(&U) off | やり直し(&R) off"));
        const QStringList before = userTables(f.ledger.path);
        k.act(f);
        QVERIFY(f.showActive()); // back from the dialog
        const auto messages = MessageBox::log().size();
        const QStringList after = userTables(f.ledger.path);
        QVERIFY(after != before);
        QCOMPARE(menuTexts(m), "元に戻す：" + step + "(&U) | やり直し(&R) off");

        // The amount box was emptied by the program, not typed in: the step is undone.
        pressIn(m.Txt登録金額, Qt::Key_Z);
        QCOMPARE(userTables(f.ledger.path), before);
        QCOMPARE(f.ledger.totalsDrift(), 0);
        QCOMPARE(menuTexts(m), "元に戻す(&U) off | やり直し：" + step + "(&R)");
        if (k.currentAfterUndo)
            QCOMPARE(m.entryId(m.entryRow()), k.currentAfterUndo);

        pressIn(m.Cmb登録科目, Qt::Key_Y);
        QCOMPARE(userTables(f.ledger.path), after);
        QCOMPARE(f.ledger.totalsDrift(), 0);
        QCOMPARE(menuTexts(m), "元に戻す：" + step + "(&U) | やり直し(&R) off");
        if (k.currentAfterRedo)
            QCOMPARE(m.entryId(m.entryRow()), k.currentAfterRedo);
        QCOMPARE(MessageBox::log().size(), messages);
    }

    void typingInABox_isUndoneBeforeTheLedgersStep() {
        MainFixture f;
        fill(f.ledger);
        Form1& m = f.open();
        QVERIFY(f.showActive());
        f.register_("食費", "100");
        m.Txt登録金額->setFocus();
        type("12");
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m.Txt登録金額->text(), QString());
        QCOMPARE(f.ledger.count("明細テーブル"), 4);
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(m.Txt登録金額->text(), QString("12"));
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.ledger.count("明細テーブル"), 4);
        m.Txt登録金額->setText(QString());
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.ledger.count("明細テーブル"), 3);
        // A new change drops what was undone.
        f.register_("食費", "200");
        QVERIFY(!m.MnuRedo->isEnabled());
    }

    void failingUndo_saysWhyChangesNothingAndEmptiesTheHistory() {
        MainFixture f;
        fill(f.ledger);
        Form1& m = f.open();
        f.register_("食費", "100");
        {
            Database db(f.ledger.path);
            db.exec("UPDATE 明細テーブル SET 金額 = 101 WHERE 金額 = 100");
        }
        const QStringList before = userTables(f.ledger.path);
        m.MnuUndo->trigger();
        QCOMPARE(userTables(f.ledger.path), before);
        QCOMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().title, QString("元に戻すエラー"));
        QVERIFY(MessageBox::log().first().text.startsWith("元に戻せませんでした！！\n"));
        QCOMPARE(menuTexts(m), QString("元に戻す(&U) off | やり直し(&R) off"));
    }

    void initialisation_emptiesTheHistory() {
        MainFixture f;
        fill(f.ledger);
        Form1& m = f.open();
        f.register_("食費", "100");
        m.MnuUndo->trigger();
        f.register_("食費", "200");
        MessageBox::pushAnswer(MessageBox::Answer::Yes);
        MessageBox::pushAnswer(MessageBox::Answer::Yes);
        m.MnuCls->trigger();
        QCOMPARE(f.ledger.count("明細テーブル"), 0);
        QCOMPARE(menuTexts(m), QString("元に戻す(&U) off | やり直し(&R) off"));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo_steps.moc"
