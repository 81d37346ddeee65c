// SPDX-License-Identifier: GPL-3.0-or-later
#include "datepick/Form2.h"
#include "support/FakePort.h"
#include "support/Keys.h"
#include "ui/Clock.h"
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace kotsu;
using namespace kotsu::test;

namespace {
int filledCells(const Form2& f, int* first = nullptr) {
    int n = 0;
    for (int i = 0; i < 42; ++i) {
        if (!f.LblD[i]->text().isEmpty()) {
            if (n == 0 && first)
                *first = i;
            ++n;
        }
    }
    return n;
}
int borderedCell(const Form2& f) {
    for (int i = 0; i < 42; ++i)
        if (f.LblD[i]->frameStyle() != QFrame::NoFrame)
            return i;
    return -1;
}
} // namespace

class TestForm2 : public QObject {
    Q_OBJECT
private slots:
    void monthLayout_startsInItsWeekdayColumn_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("cells");
        QTest::newRow("starts Sunday") << "2005/05/10" << 0 << 31;
        QTest::newRow("starts Saturday, six rows") << "2005/10/01" << 6 << 31;
        QTest::newRow("Feb 2000") << "2000/02/01" << 2 << 29;
        QTest::newRow("Feb 2004") << "2004/02/01" << 0 << 29;
        QTest::newRow("Feb 2005") << "2005/02/01" << 2 << 28;
        QTest::newRow("Feb 2099") << "2099/02/01" << 0 << 28;
    }
    void monthLayout_startsInItsWeekdayColumn() {
        QFETCH(QString, date);
        QFETCH(int, firstCell);
        QFETCH(int, cells);
        FakePort port;
        port.tagText = "MEISAI";
        port.list = date;
        Form2 f(port);
        int first = -1;
        QCOMPARE(filledCells(f, &first), cells);
        QCOMPARE(first, firstCell);
        QCOMPARE(f.LblD[firstCell]->text(), QString("1"));
        if (firstCell == 6 && cells == 31)
            QCOMPARE(f.LblD[36]->text(), QString("31"));
    }

    void registrationModes_showOnlyOkAndCancel_andWriteZeroPadded() {
        for (const QString mode : {"TOUROKU", "EDIT"}) {
            FakePort port;
            port.tagText = mode;
            // An edited entry's calendar opens on that entry's date.
            port.registration = "1999/12/31";
            (mode == "TOUROKU" ? port.registration : port.editorDate) = "2005/3/7";
            Form2 f(port);
            QCOMPARE(f.windowTitle(), QString("登録日の指定"));
            QVERIFY(f.Command1->isHidden());
            QVERIFY(f.Command3->isHidden());
            QCOMPARE(f.Command4->text(), QString("OK(&O)"));
            QVERIFY(!f.Command2->isHidden());
            f.Command4->click();
            if (mode == "TOUROKU")
                QCOMPARE(port.registration, QString("2005/03/07"));
            else
                QCOMPARE(port.editorDate, QString("2005/03/07"));
            QCOMPARE(port.tagText, mode);
        }
    }

    // The cells hold the keyboard from the start; the lists follow every move.
    void dayCells_byKeyboard() {
        Clock::setToday(QDate(2005, 11, 10));
        FakePort port;
        port.tagText = "TOUROKU";
        port.registration = "2005/12/30";
        Form2 f(port);
        f.show();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(focused(), f.dayCells);
        press(Qt::Key_Right);
        press(Qt::Key_Right);
        QCOMPARE(f.Str年月日, QString("2006/01/01"));
        QCOMPARE(f.visibleYear(), 2006);
        QCOMPARE(f.CmbM->currentText(), QString("1"));
        press(Qt::Key_Up);
        QCOMPARE(f.Str年月日, QString("2005/12/25"));
        press(Qt::Key_PageUp);
        press(Qt::Key_End);
        QCOMPARE(f.Str年月日, QString("2005/11/30"));
        press(Qt::Key_Home);
        QCOMPARE(f.Str年月日, QString("2005/11/01"));
        type("25");
        QCOMPARE(f.Str年月日, QString("2005/11/25"));
        QCOMPARE(f.LblD[borderedCell(f)]->text(), QString("25"));
        // Today is marked in whatever month is shown; November 2005 starts on a Tuesday.
        QCOMPARE(f.LblD[2 + 9]->palette().color(QPalette::Window), QColor(255, 244, 200));
        press(Qt::Key_Return);
        QCOMPARE(port.registration, QString("2005/11/25"));
        QVERIFY(!f.isVisible());
        Clock::setToday(QDate());
    }

    void periodMode_returnsLetterAndFullDate() {
        const struct {
            const char* button;
            const char* result;
        } cases[] = {
            {"Command1", "y2005/03/07"}, {"Command3", "m2005/03/07"}, {"Command4", "d2005/03/07"}};
        for (const auto& c : cases) {
            FakePort port;
            port.tagText = "MEISAI";
            port.list = "2005/3/7";
            Form2 f(port);
            QCOMPARE(f.windowTitle(), QString("検索日の指定"));
            f.findChild<QPushButton*>(c.button)->click();
            QCOMPARE(port.tagText, QString(c.result));
        }
    }

    void cancel_writesNothing() {
        FakePort port;
        port.tagText = "MEISAI";
        Form2 f(port);
        f.Command2->click();
        QCOMPARE(port.tagText, QString("MEISAI"));
        QCOMPARE(f.result(), int(QDialog::Rejected));
    }

    void dayClicked_thenMonthChanged_keepsTheDay_andClampsBeyondTheEnd() {
        FakePort port;
        port.tagText = "MEISAI";
        port.list = "2005/03/07";
        Form2 f(port);
        const int cell15 = 2 + 14; // March 2005 starts on Tuesday
        QTest::mouseClick(f.LblD[cell15], Qt::LeftButton);
        QCOMPARE(f.Str年月日, QString("2005/03/15"));
        f.CmbM->setCurrentIndex(3); // April
        QCOMPARE(f.Str年月日, QString("2005/04/15"));
        QCOMPARE(f.LblD[borderedCell(f)]->text(), QString("15"));
        f.CmbM->setCurrentIndex(0);
        QTest::mouseClick(f.LblD[6 + 30], Qt::LeftButton); // Jan 2005 starts Saturday: day 31
        QCOMPARE(f.Str年月日, QString("2005/01/31"));
        f.CmbM->setCurrentIndex(1);
        QCOMPARE(f.Str年月日, QString("2005/02/28"));
        QCOMPARE(borderedCell(f), 2 + 27);
    }

    void yearArrows_stepTheYear_andClampTheLeapDay() {
        FakePort port;
        port.tagText = "TOUROKU";
        port.registration = "2004/02/29";
        Form2 f(port);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QScrollBar* arrows = f.LstY->verticalScrollBar();
        arrows->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.LstY->indexAt(QPoint(2, 2)).data().toString(), QString("2005"));
        QCOMPARE(f.Str年月日, QString("2005/02/28"));
        arrows->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(f.LstY->indexAt(QPoint(2, 2)).data().toString(), QString("2004"));
        QCOMPARE(f.Str年月日, QString("2004/02/28"));
        f.Command4->click();
        QCOMPARE(port.registration, QString("2004/02/28"));
    }

    void highlightedDay_showsAllFourSidesInBlack_onEveryColumn() {
        FakePort port;
        port.tagText = "MEISAI";
        port.list = "2005/05/08"; // a Sunday
        Form2 f(port);
        for (int cell : {7, 10, 13}) { // Sunday 8th, Wednesday 11th, Saturday 14th
            QTest::mouseClick(f.LblD[cell], Qt::LeftButton);
            const QImage shot = f.grab().toImage();
            const QRect r = f.LblD[cell]->geometry();
            const QPoint sides[4] = {{r.center().x(), r.top()},
                                     {r.center().x(), r.bottom()},
                                     {r.left(), r.center().y()},
                                     {r.right(), r.center().y()}};
            for (const QPoint& p : sides)
                QCOMPARE(shot.pixelColor(p), QColor(Qt::black));
        }
    }

    void emptyCell_clickIsIgnored() {
        FakePort port;
        port.tagText = "MEISAI";
        port.list = "2005/03/07";
        Form2 f(port);
        QTest::mouseClick(f.LblD[0], Qt::LeftButton);
        QCOMPARE(f.Str年月日, QString("2005/03/07"));
        QCOMPARE(borderedCell(f), 2 + 6);
    }

    void yearOutsideTheList_opensOnTheNearestYear() {
        FakePort port;
        port.tagText = "TOUROKU";
        port.registration = "1975/06/10";
        Form2 early(port);
        QCOMPARE(early.Str年月日, QString("1980/06/10"));
        port.registration = "2150/06/10";
        Form2 late(port);
        QCOMPARE(late.Str年月日, QString("2099/06/10"));
    }

    void weekdayColours_stayWithTheirColumns() {
        FakePort port;
        port.tagText = "MEISAI";
        Form2 f(port);
        auto textColour = [](const QLabel* l) { return l->palette().color(l->foregroundRole()); };
        QCOMPARE(textColour(f.LblD[7]), QColor(255, 0, 0));
        QCOMPARE(textColour(f.LblD[13]), QColor(0, 0, 255));
        QCOMPARE(f.LstY->count(), 120);
        QCOMPARE(f.CmbM->count(), 12);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
