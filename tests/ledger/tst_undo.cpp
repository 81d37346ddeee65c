// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/LedgerError.h"
#include "ledger/UndoHistory.h"
#include "support/TestLedger.h"
#include "support/UserTables.h"
#include <QTest>

using namespace kotsu;
using kotsu::test::TestLedger;
using kotsu::test::userTables;

namespace {

// One action as the program makes it: its own connection, one transaction, recorded.
void step(TestLedger& l, UndoHistory& h, const QString& name, const QString& sql) {
    Database db(l.path);
    StepRecorder recorder(db, h, name);
    Transaction t(db);
    db.exec(sql);
    t.commit();
    recorder.finish();
}

QString insertEntry(qint64 category, int amount) {
    return QStringLiteral("INSERT INTO 明細テーブル(日付, 科目ID, 金額, コメント) "
                          "VALUES ('2005/03/07', %1, %2, '')")
        .arg(category)
        .arg(amount);
}

qint64 maxEntryId(TestLedger& l) {
    return l.scalar(QStringLiteral("Select max(ID) as RecCnt From 明細テーブル"));
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void registration_undoneKeepsItsIdTakenAndRedoneComesBackAsItWas() {
        TestLedger l;
        const qint64 food = l.addCategory("食費", "-");
        l.addEntry("2005/03/01", food, 500);
        UndoHistory h;
        const QStringList before = userTables(l.path);
        step(l, h, "登録", insertEntry(food, 1200));
        const QStringList after = userTables(l.path);
        const qint64 id = maxEntryId(l);
        QCOMPARE(h.undoName(), QString("登録"));

        QCOMPARE(h.undo(l.path).entryId, 0);
        QCOMPARE(userTables(l.path), before);
        QCOMPARE(l.totalsDrift(), 0);
        QCOMPARE(h.redoName(), QString("登録"));
        QCOMPARE(h.redo(l.path).entryId, id);
        QCOMPARE(userTables(l.path), after);
        QCOMPARE(l.totalsDrift(), 0);

        h.undo(l.path);
        step(l, h, "登録", insertEntry(food, 300));
        QVERIFY(maxEntryId(l) > id);
        QVERIFY2(!h.canRedo(), "a new step drops what was undone");
    }

    void categoryDeletion_undoneBringsBackTheSameEntriesWithTheirIds() {
        TestLedger l;
        const qint64 food = l.addCategory("食費", "-", 30000);
        const qint64 pay = l.addCategory("給料", "+");
        l.addEntry("2005/03/01", food, 500, "昼食");
        l.addEntry("2004/12/31", food, 700);
        l.addEntry("2005/03/02", pay, 200000);
        l.addPhrase("昼食");
        UndoHistory h;
        const QStringList before = userTables(l.path);
        step(l, h, "科目の削除",
             QStringLiteral("DELETE FROM 明細テーブル WHERE 科目ID = %1; "
                            "DELETE FROM 科目テーブル WHERE ID = %1;")
                 .arg(food));
        const QStringList after = userTables(l.path);
        QCOMPARE(h.undo(l.path).entryId, 0);
        QCOMPARE(userTables(l.path), before);
        QCOMPARE(l.totalsDrift(), 0);
        h.redo(l.path);
        QCOMPARE(userTables(l.path), after);
        QCOMPARE(l.totalsDrift(), 0);
    }

    void nothingChanged_isNoStep() {
        TestLedger l;
        const qint64 food = l.addCategory("食費", "-");
        l.addEntry("2005/03/01", food, 500);
        UndoHistory h;
        // The bulk change onto the category itself.
        step(l, h, "一括修正", QStringLiteral("UPDATE 明細テーブル SET 科目ID = %1").arg(food));
        QVERIFY(!h.canUndo());
        {
            Database db(l.path);
            StepRecorder recorder(db, h, "登録");
            Transaction t(db);
            db.exec(insertEntry(food, 1));
        }
        QVERIFY2(!h.canUndo(), "a step rolled back is no step");
    }

    void changeLeftUnrecorded_emptiesTheHistory() {
        TestLedger l;
        const qint64 food = l.addCategory("食費", "-");
        UndoHistory h;
        step(l, h, "登録", insertEntry(food, 1));
        {
            Database db(l.path);
            StepRecorder recorder(db, h, "科目の追加");
            db.exec(QStringLiteral("INSERT INTO 科目テーブル(科目名前) VALUES ('雑費')"));
        }
        QVERIFY(!h.canUndo());
    }

    void failingApply_changesNothingAndEmptiesTheHistory() {
        TestLedger l;
        const qint64 food = l.addCategory("食費", "-");
        UndoHistory h;
        step(l, h, "登録", insertEntry(food, 1));
        step(l, h, "一括修正", QStringLiteral("UPDATE 明細テーブル SET 金額 = 2"));
        // Changed behind the history's back.
        {
            Database db(l.path);
            db.exec(QStringLiteral("UPDATE 明細テーブル SET 金額 = 3"));
        }
        const QStringList before = userTables(l.path);
        try {
            h.undo(l.path);
            QFAIL("the undo went through");
        } catch (const LedgerError& e) {
            QCOMPARE(e.number(), LedgerError::StepConflict);
        }
        QCOMPARE(userTables(l.path), before);
        QCOMPARE(l.totalsDrift(), 0);
        QVERIFY(!h.canUndo() && !h.canRedo());
    }

    void history_keepsTheNewestHundredSteps() {
        TestLedger l;
        const qint64 food = l.addCategory("食費", "-");
        UndoHistory h;
        for (int i = 1; i <= UndoHistory::MaxSteps + 1; ++i)
            step(l, h, "登録", insertEntry(food, i));
        QCOMPARE(h.steps(), UndoHistory::MaxSteps);
        while (h.canUndo())
            h.undo(l.path);
        QCOMPARE(l.column("Select 金額 From 明細テーブル", "金額"), QStringList{"1"});
    }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
