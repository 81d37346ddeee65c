// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard as a user meets it: every step is a key sent to whatever has the focus.
#include "datepick/Form2.h"
#include "dialogs/Form3.h"
#include "dialogs/Form4.h"
#include "dialogs/Form7.h"
#include "ledger/ErrorText.h"
#include "ledger/LedgerError.h"
#include "support/Keys.h"
#include "support/MainFixture.h"
#include "ui/ListColumns.h"
#include "ui/QuickFill.h"
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace kotsu;
using namespace kotsu::test;

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void wholeEntry_isTypedFromTheStartFocus_andCommentsStayAsTyped() {
        MainFixture f;
        f.ledger.addCategory("給与", "+");
        f.ledger.addCategory("食費", "-");
        f.ledger.addPhrase("amt");
        Form1& m = f.open();
        QVERIFY(f.showActive());
        QCOMPARE(focused(), m.Cmb登録科目);
        press(Qt::Key_Down);
        press(Qt::Key_Tab);
        type("1500");
        press(Qt::Key_Tab);
        type("AMT");
        press(Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(f.ledger.count("明細テーブル"), 1);
        m.Cmb登録科目->setFocus();
        press(Qt::Key_Tab);
        type("20");
        press(Qt::Key_Tab);
        type("am");
        press(Qt::Key_Tab); // onto 登録(&S)
        QCOMPARE(focused(), m.Cmb登録);
        press(Qt::Key_Return);
        QCOMPARE(f.ledger.column("Select * From 明細クエリ Order by ID", "コメント"),
                 QStringList({"AMT", "am"}));
        QCOMPARE(f.ledger.column("Select * From 明細クエリ Order by ID", "科目名前"),
                 QStringList({"食費", "給与"}));
    }

    // Enter registers from the amount and the comment, except the Enter that confirms an
    // input method's conversion; in the filter list it searches.
    void enter_registers_andSearches() {
        MainFixture f;
        f.ledger.addCategory("食費", "-");
        f.ledger.addCategory("給与", "+");
        Form1& m = f.open();
        QVERIFY(f.showActive());
        press(Qt::Key_Down);
        press(Qt::Key_Tab);
        type("300");
        press(Qt::Key_Return);
        QCOMPARE(f.ledger.count("明細テーブル"), 1);
        QCOMPARE(focused(), m.Cmb登録科目);
        QCOMPARE(m.Cmb登録科目->currentText(), QString("食費"));
        press(Qt::Key_Tab);
        type("40");
        press(Qt::Key_Tab);
        type("lunch ");
        QInputMethodEvent preedit("ひる", {});
        QApplication::sendEvent(focused(), &preedit);
        press(Qt::Key_Return);
        QCOMPARE(f.ledger.count("明細テーブル"), 1);
        commit("昼");
        press(Qt::Key_Return);
        QCOMPARE(f.ledger.column("Select * From 明細クエリ Order by ID", "コメント"),
                 QStringList({"", "lunch 昼"}));
        m.Cmb明細科目->setFocus();
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        QCOMPARE(m.Flx明細->rows(), 2);
        QCOMPARE(m.Lbl集計支出->text(), QString("40"));
    }

    // The quick fill lists phrases by their latest use, kana-, width- and case-blind; the
    // typed text stays as typed until a row is picked, and a pick fills only what is unset.
    void quickFill_offersPhrases_andPicksOnlyWhenAsked() {
        MainFixture f;
        const qint64 fare = f.ledger.addCategory("交通費", "-");
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addPhrase("ランチ代");
        f.ledger.addPhrase("電車");
        f.ledger.addPhrase("amt");
        f.ledger.addEntry("2005/03/01", fare, 500, "ランチ代");
        f.ledger.addEntry("2005/02/20", fare, 200, "電車");
        f.ledger.addEntry("2005/03/03", food, 800, "ランチ代");
        f.ledger.addEntry("2005/03/03", fare, 150, "電車");
        Form1& m = f.open();
        QVERIFY(f.showActive());
        QListWidget* list = m.findChild<QuickFill*>()->list();
        auto rows = [list] {
            QStringList out;
            for (int i = 0; list->isVisible() && i < list->count(); ++i)
                out << list->item(i)->text();
            return out;
        };
        m.Cmb登録コメント->setFocus();
        press(Qt::Key_Down);
        QCOMPARE(rows(), QStringList({"電車", "ランチ代", "amt"}));
        press(Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        type("AMT");
        QCOMPARE(rows(), QStringList({"amt"}));
        press(Qt::Key_Down);
        press(Qt::Key_Escape);
        QCOMPARE(m.Cmb登録コメント->currentText(), QString("AMT"));
        // With no row highlighted, Enter registers what was typed.
        m.Txt登録金額->setText("5");
        press(Qt::Key_Backspace);
        type("T");
        QVERIFY(list->isVisible());
        press(Qt::Key_Return);
        QCOMPARE(f.ledger.column("Select * From 明細テーブル Order by ID", "コメント").last(),
                 QString("AMT"));
        m.Cmb登録コメント->setFocus();
        commit("ﾗﾝﾁ");
        QCOMPARE(rows(), QStringList({"ランチ代"}));
        QCOMPARE(m.Cmb登録コメント->currentText(), QString("ﾗﾝﾁ"));
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        QCOMPARE(m.Cmb登録コメント->currentText(), QString("ランチ代"));
        QCOMPARE(m.Cmb登録科目->currentText(), QString("食費"));
        QCOMPARE(m.Txt登録金額->selectedText(), QString("800"));
        press(Qt::Key_Return);
        QCOMPARE(f.ledger.column("Select * From 明細クエリ Order by ID", "金額").last(),
                 QString("800"));
        // A category chosen by hand and a typed amount stay.
        QCOMPARE(focused(), m.Cmb登録科目);
        press(Qt::Key_Down);
        press(Qt::Key_Tab);
        type("70");
        press(Qt::Key_Tab);
        commit("電");
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        QCOMPARE(m.Cmb登録コメント->currentText(), QString("電車"));
        QCOMPARE(m.Cmb登録科目->currentText(), QString("食費"));
        QCOMPARE(m.Txt登録金額->text(), QString("70"));
        // The entry editor offers the same list.
        m.Flx明細->setRow(1);
        whenModal<Form3>([](Form3* d) {
            QApplication::setActiveWindow(d);
            QVERIFY(QTest::qWaitForWindowActive(d));
            d->Cmb登録コメント->setFocus();
            d->Cmb登録コメント->setEditText({});
            press(Qt::Key_Down);
            QCOMPARE(d->commentFill->list()->item(0)->text(), QString("ランチ代"));
            press(Qt::Key_Escape);
            QVERIFY(d->isVisible());
            press(Qt::Key_Escape);
        });
        m.MnuMeiEdit->trigger();
    }

    // Ctrl+D opens the calendar of the band or dialog the focus is in; the editor's opens
    // on the edited entry's own date.
    void ctrlD_opensTheCalendarWhereTheFocusIs() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/05", cat, 100);
        Form1& m = f.open();
        QVERIFY(f.showActive());
        m.Txt登録金額->setFocus();
        whenModal<Form2>([](Form2* d) {
            QCOMPARE(d->windowTitle(), QString("登録日の指定"));
            QCOMPARE(focused(), d->dayCells);
            press(Qt::Key_Right);
            press(Qt::Key_Return);
        });
        press(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(m.Lbl登録日付->text(), QString("2005/03/08"));
        QVERIFY(f.showActive());
        m.Cmb明細科目->setFocus();
        whenModal<Form2>([](Form2* d) {
            QCOMPARE(d->windowTitle(), QString("検索日の指定"));
            press(Qt::Key_Return); // a period needs one of its three buttons
            QVERIFY(d->isVisible());
            press(Qt::Key_Escape);
        });
        press(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(m.Tag, QString("m2005/03/07"));
        QVERIFY(f.showActive());
        m.Flx明細->setRow(1);
        whenModal<Form3>([](Form3* d) {
            whenModal<Form2>([](Form2* c) {
                QCOMPARE(c->Str年月日, QString("2005/03/05"));
                press(Qt::Key_Return);
            });
            press(Qt::Key_D, Qt::ControlModifier);
            QCOMPARE(d->Lbl登録日付->text(), QString("2005/03/05"));
            // Offscreen, no window manager gives the editor the keyboard back.
            QApplication::setActiveWindow(d);
            QVERIFY(QTest::qWaitForWindowActive(d));
            press(Qt::Key_Return);
        });
        m.MnuMeiEdit->trigger();
        QCOMPARE(f.ledger.column("Select * From 明細テーブル", "日付"),
                 QStringList({"2005/03/05"}));
    }

    void editMenu_addsACategory() {
        MainFixture f;
        Form1& m = f.open();
        QVERIFY(f.showActive());
        QMenu* edit = m.menuBar()->actions().at(1)->menu();
        const QList<QAction*> items = edit->actions();
        QCOMPARE(items.at(items.indexOf(m.MnuMeiFind) + 1)->text(), QString("科目の追加(&A)..."));
        press(Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(edit->isVisible());
        whenModal<Form4>([](Form4* d) {
            QCOMPARE(d->windowTitle(), QString("科目の新規追加"));
            press(Qt::Key_Escape);
        });
        QTest::keyClick(edit, Qt::Key_A); // the open menu has the keyboard
        QTRY_VERIFY(!edit->isVisible());
        QCOMPARE(f.ledger.count("科目テーブル"), 0);
    }

    void noCategory_refusal_returnsTheFocusToTheCategoryList() {
        MainFixture f;
        Form1& m = f.open();
        QVERIFY(f.showActive());
        m.Txt登録金額->setFocus();
        type("5");
        press(Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(MessageBox::log().size(), 1);
        QCOMPARE(MessageBox::log().first().text, QString("科目が登録されていません！！"));
        QCOMPARE(focused(), m.Cmb登録科目);
    }

    void altF_andF10_reachTheFileMenu_beforeTheSearchButton() {
        MainFixture f;
        Form1& m = f.open();
        QVERIFY(f.showActive());
        QMenu* file = m.menuBar()->actions().first()->menu();
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(file->isVisible());
        press(Qt::Key_Escape);
        press(Qt::Key_Escape);
        QTRY_VERIFY(!file->isVisible());
        m.Cmb登録科目->setFocus();
        press(Qt::Key_F10);
        QCOMPARE(m.menuBar()->activeAction(), file->menuAction());
        press(Qt::Key_Down);
        QTRY_VERIFY(file->isVisible());
        QCOMPARE(m.Command2->text(), QString("検索(&F)"));
    }

    void shiftF10_andTheTitleRow_openTheGridsPopup() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/01", cat, 1);
        f.ledger.addEntry("2005/03/02", cat, 2);
        Form1& m = f.open();
        QVERIFY(f.showActive());
        m.Flx明細->setFocus();
        m.Flx明細->setRow(2);
        press(Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(m.MnuMeiPop->isVisible());
        m.MnuMeiPop->close();
        QHeaderView* title = m.FLx科目->horizontalHeader();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                title->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(title->viewport(), &click);
        QTRY_VERIFY(m.MnuKamPop->isVisible());
        m.MnuKamPop->close();
        QCOMPARE(m.Flx明細->row(), 2);
    }

    void enter_savesTheEditor_andPressesTheFocusedButtonOfTheCalendar() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/01", cat, 100);
        Form1& m = f.open();
        QVERIFY(f.showActive());
        m.Flx明細->setRow(1);
        whenModal<Form3>([](Form3* d) {
            QCOMPARE(focused(), d->Cmb登録科目);
            QVERIFY(d->Cmb登録->isDefault());
            press(Qt::Key_Tab);
            QCOMPARE(focused(), d->Txt登録金額);
            d->Txt登録金額->selectAll();
            type("250");
            press(Qt::Key_Return);
        });
        m.MnuMeiEdit->trigger();
        QCOMPARE(f.ledger.scalar("Select 金額 as v From 明細テーブル", "v"), 250);

        QVERIFY(f.showActive());
        m.Command1->setFocus();
        whenModal<Form2>([](Form2* d) {
            d->Command3->setFocus();
            press(Qt::Key_Return);
            QVERIFY(!d->isVisible());
        });
        press(Qt::Key_Space);
        QCOMPARE(m.Tag, QString("m2005/03/07"));
        QVERIFY(f.showActive());
        whenModal<Form2>([](Form2*) { press(Qt::Key_Escape); });
        press(Qt::Key_Space);
        QCOMPARE(m.Label2[6]->text(), QString("月指定："));
    }

    void dialogs_openOnTheirFirstInput() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/01", cat, 100);
        f.ledger.addPhrase("昼食");
        Form1& m = f.open();
        QVERIFY(f.showActive());
        m.Flx明細->setRow(1);
        whenModal<Form7>([](Form7* d) {
            QCOMPARE(focused(), d->Cmb修正後);
            press(Qt::Key_Escape);
        });
        m.MnuIkkatu->trigger();
        QVERIFY(f.showActive());
        whenModal<QDialog>([](QDialog* d) {
            QCOMPARE(focused(), d->findChild<QLineEdit*>());
            press(Qt::Key_Escape);
        });
        m.MnuKamAdd->trigger();
        QVERIFY(f.showActive());
        whenModal<QDialog>([](QDialog* d) {
            QCOMPARE(focused(), d->findChild<QListWidget*>());
            press(Qt::Key_Escape);
        });
        m.MnuKom->trigger();
    }

    // Numbers are never cut short: each number cell's text fits its column.
    void numberCells_fitTheirColumns() {
        MainFixture f;
        const qint64 cat = f.ledger.addCategory("食費", "-", 2000000000);
        for (int d = 1; d <= 12; ++d)
            f.ledger.addEntry(QString("2005/03/%1").arg(d, 2, 10, QChar('0')), cat,
                              d == 5 ? -2147483647 : 2000000000);
        Form1& m = f.open();
        QVERIFY(f.showActive());
        for (FlexGrid* grid : {m.Flx明細, m.FLx科目}) {
            for (int c : {0, 3, 4, 5}) {
                if (grid == m.Flx明細 && c == 5)
                    continue;
                for (int r = 1; r < grid->rows(); ++r) {
                    const QString text = grid->textMatrix(r, c);
                    QVERIFY2(cellWidth(grid, text) <= grid->columnWidth(c),
                             qPrintable(QString("%1 in column %2").arg(text).arg(c)));
                }
            }
        }
        QCOMPARE(m.FLx科目->textMatrix(1, 4), QString("19,852,516,353"));
    }

    void userText_isShownAsPlainText() {
        MainFixture f;
        const QString name = "<b>太</b>&amp;";
        const qint64 cat = f.ledger.addCategory(name, "-");
        f.ledger.addEntry("2005/03/01", cat, 1);
        Form1& m = f.open();
        QVERIFY(f.showActive());
        QCOMPARE(m.form7()->Lbl修正前->textFormat(), Qt::PlainText);
        MessageBox::setScripted(false);
        m.FLx科目->setRow(1);
        whenModal<QMessageBox>([&](QMessageBox* box) {
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QVERIFY(box->text().contains("科目名「" + name + "」"));
            box->button(QMessageBox::Cancel)->click();
        });
        m.MnuKamDel->trigger();
        MessageBox::setScripted(true);
        QCOMPARE(f.ledger.count("科目テーブル"), 1);
    }

    void databaseErrors_areDescribedInJapanese() {
        QCOMPARE(japaneseDescription(LedgerError(5, "database is locked")),
                 QString("台帳ファイルは他のプログラムが使用中です。"));
        QCOMPARE(japaneseDescription(LedgerError(26, "file is not a database", "/x/kotsu.mdb")),
                 QString("台帳ファイルではありません。\n（/x/kotsu.mdb）"));
        QCOMPARE(japaneseDescription(LedgerError(1, "no such table: x")),
                 QString("データベースの操作に失敗しました。\nno such table: x"));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
