// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/FixedEntries.h"
#include "ledger/LedgerError.h"
#include "support/TestLedger.h"
#include <QTest>

using namespace kotsu;
using kotsu::test::TestLedger;

namespace {

QDate month(const QString& text) {
    return text.isEmpty() ? QDate() : QDate::fromString(text + "/01", "yyyy/MM/dd");
}

FixedEntry fixedOn(int day, WeekendRule rule, const QString& start, const QString& end = {}) {
    FixedEntry f;
    f.day = day;
    f.weekend = rule;
    f.start = month(start);
    f.end = month(end);
    return f;
}

QStringList dueDates(const FixedEntry& f, const QDate& today) {
    QStringList out;
    for (const QDate& m : dueMonths(f, today))
        out << dateText(occurrenceDate(m.year(), m.month(), f.day, f.weekend));
    return out;
}

QStringList proposed(TestLedger& l, const QDate& today) {
    Database db(l.path);
    QStringList out;
    for (const DueOccurrence& o : dueOccurrences(db, today))
        out << monthText(o.month) + " " + dateText(o.date);
    return out;
}

} // namespace

class TestFixedEntries : public QObject {
    Q_OBJECT
private slots:
    void dueRule_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("dates");
        const int keep = int(WeekendRule::Keep);
        const int before = int(WeekendRule::Before);
        const int after = int(WeekendRule::After);
        QTest::newRow("31 in February and April, today on the last")
            << 31 << keep << "2026/02"
            << "" << QDate(2026, 4, 30) << QStringList{"2026/02/28", "2026/03/31", "2026/04/30"};
        QTest::newRow("31 in a leap February")
            << 31 << keep << "2028/02"
            << "2028/02" << QDate(2028, 3, 10) << QStringList{"2028/02/29"};
        QTest::newRow("month end, today the day before")
            << MonthEnd << keep << "2026/04"
            << "" << QDate(2026, 5, 30) << QStringList{"2026/04/30"};
        QTest::newRow("Saturday to Friday")
            << 28 << before << "2026/02"
            << "2026/02" << QDate(2026, 3, 1) << QStringList{"2026/02/27"};
        QTest::newRow("Sunday to Friday")
            << 27 << before << "2026/09"
            << "2026/09" << QDate(2026, 12, 8) << QStringList{"2026/09/25"};
        QTest::newRow("a 1st on Sunday is due on the Friday before")
            << 1 << before << "2026/11"
            << "" << QDate(2026, 10, 30) << QStringList{"2026/10/30"};
        QTest::newRow("... and not the day before that")
            << 1 << before << "2026/11"
            << "" << QDate(2026, 10, 29) << QStringList{};
        QTest::newRow("month end on Saturday, next weekday: not yet on the 1st")
            << MonthEnd << after << "2026/10"
            << "" << QDate(2026, 11, 1) << QStringList{};
        QTest::newRow("... due on Monday the 2nd")
            << MonthEnd << after << "2026/10"
            << "2026/10" << QDate(2026, 11, 2) << QStringList{"2026/11/02"};
        QTest::newRow("Sunday to Monday")
            << 25 << after << "2026/10"
            << "2026/10" << QDate(2026, 12, 8) << QStringList{"2026/10/26"};
        QTest::newRow("Sunday kept")
            << 25 << keep << "2026/10"
            << "2026/10" << QDate(2026, 10, 25) << QStringList{"2026/10/25"};
        QTest::newRow("start in the future") << 1 << keep << "2027/01"
                                             << "" << QDate(2026, 12, 8) << QStringList{};
        QTest::newRow("end passed")
            << 10 << keep << "2026/09"
            << "2026/10" << QDate(2026, 12, 8) << QStringList{"2026/09/10", "2026/10/10"};
        QTest::newRow("today before the day")
            << 25 << keep << "2026/11"
            << "" << QDate(2026, 12, 24) << QStringList{"2026/11/25"};
        QTest::newRow("today on the day")
            << 25 << keep << "2026/11"
            << "" << QDate(2026, 12, 25) << QStringList{"2026/11/25", "2026/12/25"};
    }
    void dueRule() {
        QFETCH(int, day);
        QFETCH(int, rule);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QDate, today);
        QFETCH(QStringList, dates);
        QCOMPARE(dueDates(fixedOn(day, WeekendRule(rule), start, end), today), dates);
    }

    void bookedOrSkipped_isNeverProposedAgain() {
        TestLedger l;
        const qint64 rent = l.addCategory("家賃", "-");
        const QDate today(2026, 12, 8);
        FixedEntry f = fixedOn(27, WeekendRule::Before, "2026/09");
        f.categoryId = rent;
        f.amount = 80000;
        f.comment = "家賃";
        {
            Database db(l.path);
            f.id = addFixedEntry(db, f);
        }
        QCOMPARE(proposed(l, today),
                 (QStringList{"2026/09 2026/09/25", "2026/10 2026/10/27", "2026/11 2026/11/27"}));
        {
            Database db(l.path);
            Transaction t(db);
            const QList<DueOccurrence> due = dueOccurrences(db, today);
            bookOccurrence(db, due[0], 81000);
            skipOccurrence(db, due[1]);
            t.commit();
        }
        QCOMPARE(l.column("Select 日付, 金額, コメント From 明細テーブル", "日付"),
                 QStringList{"2026/09/25"});
        QCOMPARE(l.scalar("Select 金額 as v From 明細テーブル", "v"), 81000);
        QCOMPARE(l.column("Select * From コメントテーブル", "コメント名前"), QStringList{"家賃"});
        QCOMPARE(l.totalsDrift(), 0);
        QCOMPARE(proposed(l, today), QStringList{"2026/11 2026/11/27"});

        // Neither editing the fixed entry nor deleting the booked entry brings a month back.
        {
            Database db(l.path);
            f.day = 20;
            f.amount = 1;
            updateFixedEntry(db, f);
            db.exec("DELETE FROM 明細テーブル");
        }
        QCOMPARE(proposed(l, today), QStringList{"2026/11 2026/11/20"});

        // A month booked meanwhile is refused as a whole: nothing is written twice.
        Database db(l.path);
        const QList<DueOccurrence> due = dueOccurrences(db, today);
        {
            Transaction t(db);
            bookOccurrence(db, due[0], 1);
            t.commit();
        }
        {
            Transaction t(db);
            QVERIFY_THROWS_EXCEPTION(LedgerError, bookOccurrence(db, due[0], 1));
        }
        QCOMPARE(l.count("明細テーブル"), 1);
        QCOMPARE(l.totalsDrift(), 0);
        QCOMPARE(proposed(l, today), QStringList{});
    }

    void versionTwoLedger_isUpgradedKeepingEveryEntry() {
        TestLedger l;
        const qint64 food = l.addCategory("食費", "-");
        l.addEntry("2005/03/01", food, 100);
        l.addEntry("2005/03/02", food, 250, "昼食");
        {
            // The ledger as the version before left it.
            Database db(l.path);
            db.exec("DROP TABLE 定期明細テーブル; DROP TABLE 定期明細記録テーブル; "
                    "PRAGMA user_version=2;");
        }
        ensureLedger(l.path);
        QCOMPARE(l.scalar("Select * From pragma_user_version", "user_version"), 3);
        QCOMPARE(l.count("明細テーブル"), 2);
        QCOMPARE(l.totalsDrift(), 0);
        FixedEntry f = fixedOn(1, WeekendRule::Keep, "2005/03");
        f.categoryId = food;
        Database db(l.path);
        addFixedEntry(db, f);
        QCOMPARE(dueOccurrences(db, QDate(2005, 3, 1)).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestFixedEntries)
#include "tst_fixedentries.moc"
