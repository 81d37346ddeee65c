// SPDX-License-Identifier: GPL-3.0-or-later
#include "datepick/DateMod.h"
#include <QTest>

using namespace kotsu;

class TestDateMod : public QObject {
    Q_OBJECT
private slots:
    void monthLength_followsTheGregorianCalendar_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("days");
        const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int m = 1; m <= 12; ++m)
            QTest::addRow("2005-%02d", m) << QDate(2005, m, 1) << QString::number(lengths[m - 1]);
        QTest::newRow("leap 2004") << QDate(2004, 2, 1) << "29";
        QTest::newRow("leap 2000") << QDate(2000, 2, 10) << "29";
        QTest::newRow("century 1900") << QDate(1900, 2, 1) << "28";
        QTest::newRow("century 2100") << QDate(2100, 2, 28) << "28";
        QTest::newRow("december crosses year") << QDate(2099, 12, 31) << "31";
    }
    void monthLength_followsTheGregorianCalendar() {
        QFETCH(QDate, date);
        QFETCH(QString, days);
        QCOMPARE(Fnc月末日(date), days);
    }
};

QTEST_GUILESS_MAIN(TestDateMod)
#include "tst_datemod.moc"
