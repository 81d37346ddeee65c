// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/JetLike.h"
#include "ledger/JetSql.h"
#include "ledger/LedgerError.h"
#include <QTest>

using namespace kotsu;

class TestJetSql : public QObject {
    Q_OBJECT
private slots:
    void jetLike_followsTheOldWildcards_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("match");
        QTest::newRow("star all") << "食費"
                                  << "*" << true;
        QTest::newRow("star empty") << ""
                                    << "*" << true;
        QTest::newRow("exact") << "食費"
                               << "食費" << true;
        QTest::newRow("exact differs") << "食費"
                                       << "食" << false;
        QTest::newRow("question one") << "食費"
                                      << "食?" << true;
        QTest::newRow("question needs one") << "食"
                                            << "食?" << false;
        QTest::newRow("hash digit") << "A1"
                                    << "A#" << true;
        QTest::newRow("hash not letter") << "AB"
                                         << "A#" << false;
        QTest::newRow("class") << "b"
                               << "[abc]" << true;
        QTest::newRow("range") << "m"
                               << "[a-z]" << true;
        QTest::newRow("negated") << "m"
                                 << "[!a-z]" << false;
        QTest::newRow("negated hit") << "5"
                                     << "[!a-z]" << true;
        QTest::newRow("star inside") << "交通費(電車)"
                                     << "交通*)" << true;
        QTest::newRow("star backtracks") << "aXbXc"
                                         << "a*X*c" << true;
        QTest::newRow("name with star as pattern") << "雑費*"
                                                   << "雑費*" << true;
        QTest::newRow("star name matches others") << "雑費その他"
                                                  << "雑費*" << true;
        QTest::newRow("bracket literal via class") << "[x]"
                                                   << "[[]x]" << true;
        QTest::newRow("case kept") << "abc"
                                   << "ABC" << false;
        QTest::newRow("surrogate pair is one") << "𠮷"
                                               << "?" << true;
    }
    void jetLike_followsTheOldWildcards() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(bool, match);
        QCOMPARE(jetLike(text, pattern), match);
    }

    void translate_turnsDatesAndQuotesIntoSqlite() {
        const auto t = translateJetSql(
            "Select * From 明細クエリ Where 科目名前 Like \"*\" and 日付 Between #2005/3/1# and "
            "#2005/03/31# Order by 日付,科目ID Asc");
        QCOMPARE(t.source, QString("明細クエリ"));
        QVERIFY(t.sql.contains("Like '*'"));
        QVERIFY(t.sql.contains("Between '2005/03/01' and '2005/03/31'"));
        QVERIFY(t.sql.endsWith("Asc, ID"));
    }

    void translate_keepsQuotesInsideValues() {
        const auto a =
            translateJetSql("Select ID From 科目テーブル Where 科目名前 = 'it''s \"x\"'");
        QVERIFY(a.sql.endsWith("= 'it''s \"x\"'"));
        const auto b = translateJetSql(
            "select * from コメントテーブル where コメント名前 = \"say \"\"hi\"\" it's\"");
        QVERIFY(b.sql.endsWith("= 'say \"hi\" it''s'"));
    }

    void translate_refusesWhatTheProgramNeverWrites_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("two statements") << "Select * From 科目テーブル; Delete From 明細テーブル";
        QTest::newRow("comment") << "Select * From 科目テーブル -- x";
        QTest::newRow("open string") << "Select * From 科目テーブル Where 科目名前 = 'x";
        QTest::newRow("bad date") << "Select * From 明細テーブル Where 日付 = #2005/02/30#";
        QTest::newRow("bracket") << "Select [ID] From 科目テーブル";
    }
    void translate_refusesWhatTheProgramNeverWrites() {
        QFETCH(QString, sql);
        QVERIFY_THROWS_EXCEPTION(LedgerError, translateJetSql(sql));
    }
};

QTEST_GUILESS_MAIN(TestJetSql)
#include "tst_jetsql.moc"
