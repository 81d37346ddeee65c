// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/JetSql.h"
#include "ledger/LedgerError.h"
#include <QTest>

using namespace kotsu;

class TestJetSql : public QObject {
    Q_OBJECT
private slots:
    void translate_keepsQuotesInsideValues() {
        const auto t = translateJetSql(
            "Select ID From 科目テーブル Where 科目名前 = 'it''s \"x\"' Order by ID");
        QCOMPARE(t.source, QString("科目テーブル"));
        QVERIFY(t.sql.endsWith("= 'it''s \"x\"' Order by ID"));
    }

    void translate_refusesWhatTheProgramNeverWrites_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("two statements") << "Select * From 科目テーブル; Delete From 明細テーブル";
        QTest::newRow("comment") << "Select * From 科目テーブル -- x";
        QTest::newRow("open string") << "Select * From 科目テーブル Where 科目名前 = 'x";
        QTest::newRow("double quotes") << "Select * From 科目テーブル Where 科目名前 = \"x\"";
        QTest::newRow("date literal") << "Select * From 明細テーブル Where 日付 = #2005/02/28#";
        QTest::newRow("bracket") << "Select [ID] From 科目テーブル";
    }
    void translate_refusesWhatTheProgramNeverWrites() {
        QFETCH(QString, sql);
        QVERIFY_THROWS_EXCEPTION(LedgerError, translateJetSql(sql));
    }
};

QTEST_GUILESS_MAIN(TestJetSql)
#include "tst_jetsql.moc"
