// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Form3.h"
#include "dialogs/Form6.h"
#include "support/MainFixture.h"
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace kotsu;
using kotsu::test::MainFixture;
using kotsu::test::whenModal;

class TestCommentEditor : public QObject {
    Q_OBJECT
private slots:
    void delete_removesSelectedPhrasesOnce() {
        MainFixture f;
        for (const char* p : {"昼食", "say \"hi\"", "昼食", "交通費"})
            f.ledger.addPhrase(p);
        const qint64 food = f.ledger.addCategory("食費", "-");
        f.ledger.addEntry("2005/03/01", food, 1, "昼食");
        Form1& m = f.open();
        whenModal<Form6>([](Form6* d) {
            QCOMPARE(d->windowTitle(), QString("コメントの編集"));
            QCOMPARE(d->LstKom->count(), 4);
            QVERIFY(d->LstKom->selectedItems().isEmpty());
            d->Command1->click(); // nothing selected
            QCOMPARE(d->LstKom->count(), 4);
            d->LstKom->item(1)->setSelected(true);
            d->LstKom->item(2)->setSelected(true);
            d->Command1->click();
            QStringList left;
            for (int i = 0; i < d->LstKom->count(); ++i)
                left << d->LstKom->item(i)->text();
            QCOMPARE(left, QStringList({"昼食", "交通費"}));
            d->Cmb登録->click();
        });
        m.MnuKom->trigger();
        QCOMPARE(m.commentPhrases(), QStringList({"昼食", "交通費"}));
        QCOMPARE(m.form3()->Cmb登録コメント->count(), 2);
        QCOMPARE(f.entryRow(1).at(5), QString("昼食"));
    }

    void selectAllThenDelete_emptiesTheTable_clearSelectionKeepsIt() {
        MainFixture f;
        f.ledger.addPhrase("a");
        f.ledger.addPhrase("b");
        Form1& m = f.open();
        whenModal<Form6>([&](Form6* d) {
            d->Command2->click();
            QCOMPARE(d->LstKom->selectedItems().size(), 2);
            d->Command3->click();
            d->Command1->click();
            QCOMPARE(f.ledger.count("コメントテーブル"), 2);
            d->Command2->click();
            {
                Database db(f.ledger.path); // one phrase vanishes meanwhile: skipped
                db.exec("DELETE FROM コメントテーブル WHERE コメント名前 = 'a'");
            }
            d->Command1->click();
            QCOMPARE(d->LstKom->count(), 0);
            d->close();
        });
        m.MnuKom->trigger();
        QCOMPARE(f.ledger.count("コメントテーブル"), 0);
        QVERIFY(MessageBox::log().isEmpty());
        QCOMPARE(m.Cmb登録コメント->count(), 0);
    }
};

QTEST_MAIN(TestCommentEditor)
#include "tst_comment_editor.moc"
