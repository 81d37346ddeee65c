// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/values.h"
#include <QTest>

using namespace kotsu;

class TestValues : public QObject {
    Q_OBJECT
private slots:
    void formatAmount_groupsThousandsWithLeadingMinus_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0";
        QTest::newRow("small") << qint64(999) << "999";
        QTest::newRow("thousand") << qint64(1000) << "1,000";
        QTest::newRow("negative") << qint64(-1500) << "-1,500";
        QTest::newRow("max32") << qint64(2147483647) << "2,147,483,647";
        QTest::newRow("beyond32") << qint64(12345678901) << "12,345,678,901";
        QTest::newRow("min64") << std::numeric_limits<qint64>::min()
                               << "-9,223,372,036,854,775,808";
    }
    void formatAmount_groupsThousandsWithLeadingMinus() {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(formatAmount(value), text);
    }

    void toYen_acceptsWhatTheNumericTestAccepts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<int>("yen");
        QTest::newRow("plain") << "1500" << true << 1500;
        QTest::newRow("grouped") << "1,500" << true << 1500;
        QTest::newRow("blanks") << "  42  " << true << 42;
        QTest::newRow("negative") << "-500" << true << -500;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("full width") << "１，２００" << true << 1200;
        QTest::newRow("ideographic space") << "\u3000３\u3000" << true << 3;
        QTest::newRow("half to even down") << "2.5" << true << 2;
        QTest::newRow("half to even up") << "3.5" << true << 4;
        QTest::newRow("above half") << "2.51" << true << 3;
        QTest::newRow("below half") << "2.49" << true << 2;
        QTest::newRow("negative half") << "-2.5" << true << -2;
        QTest::newRow("fraction only") << ".5" << true << 0;
        QTest::newRow("max") << "2147483647" << true << 2147483647;
        QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("over max") << "2147483648" << false << 0;
        QTest::newRow("ten nines") << "9999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blank") << "   " << false << 0;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("trailing letter") << "12a" << false << 0;
        QTest::newRow("two signs") << "--1" << false << 0;
        QTest::newRow("lone point") << "." << false << 0;
        QTest::newRow("leading comma") << ",1" << false << 0;
    }
    void toYen_acceptsWhatTheNumericTestAccepts() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(int, yen);
        const auto v = toYen(text);
        QCOMPARE(v.has_value(), numeric);
        if (numeric)
            QCOMPARE(*v, yen);
    }

    void plainDigits_dropsGroupingAndLeavesOtherTextAlone() {
        QCOMPARE(plainDigits("1,200"), QString("1200"));
        QCOMPARE(plainDigits("0"), QString("0"));
        QCOMPARE(plainDigits("-12,345"), QString("-12345"));
        QCOMPARE(plainDigits(""), QString(""));
        QCOMPARE(plainDigits("　　収入"), QString("　　収入"));
        QCOMPARE(plainDigits("12,345,678,901"), QString("12345678901"));
    }

    void dates_areWrittenZeroPaddedAndReadLeniently() {
        QCOMPARE(dateText(QDate(2005, 3, 7)), QString("2005/03/07"));
        QCOMPARE(parseDate("2005/3/7"), QDate(2005, 3, 7));
        QCOMPARE(parseDate("2005/03/07"), QDate(2005, 3, 7));
        QVERIFY(!parseDate("2005/02/30").isValid());
        QVERIFY(!parseDate("2005/03/").isValid());
        QVERIFY(!parseDate("m2005/03/07").isValid());
    }
};

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"
