// SPDX-License-Identifier: GPL-3.0-or-later
#include "datepick/Form2.h"
#include "common/values.h"
#include "datepick/DateMod.h"
#include "ui/Clock.h"
#include "ui/Fonts.h"
#include "ui/KeyHabits.h"
#include "ui/MainPort.h"
#include "ui/Style.h"
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace kotsu {

namespace {

constexpr int FirstYear = 1980;
constexpr int LastYear = 2099;
// A second digit typed within this long makes a two-digit day.
constexpr int DayTypingMs = 1000;
const QColor TodayBackground(255, 244, 200);

QString twoDigits(const QString& number) {
    return number.rightJustified(2, QLatin1Char('0'));
}

struct Ymd {
    int y = 0, m = 0, d = 0;
};

// Reads Y/M/D without requiring a valid date: the day may stand beyond the month's end.
Ymd splitDate(const QString& text) {
    const QStringList p = text.split(QLatin1Char('/'));
    Ymd r;
    if (p.size() == 3) {
        r.y = p[0].trimmed().toInt();
        r.m = p[1].trimmed().toInt();
        r.d = p[2].trimmed().toInt();
    }
    return r;
}

// The style draws a label's border in its text colour; the chosen day's is black on every
// column, with a dotted mark inside while the cells hold the keyboard.
class DayCell : public QLabel {
public:
    using QLabel::QLabel;
    bool focusMark = false;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (frameShape() == QFrame::NoFrame)
            return;
        QPainter p(this);
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        if (focusMark) {
            p.setPen(QPen(Qt::black, 0, Qt::DotLine));
            p.drawRect(rect().adjusted(2, 2, -3, -3));
        }
    }
};

} // namespace

Form2::Form2(MainPort& main, QWidget* parent) : QDialog(parent), main_(main) {
    buildControls();
    // Opening.
    Flg表示済 = 0;
    const QString mode = main_.tag();
    if (mode == QLatin1String("EDIT") || mode == QLatin1String("TOUROKU")) {
        setWindowTitle(QStringLiteral("登録日の指定"));
        // An edited entry keeps its own date unless another is chosen.
        Str年月日 =
            mode == QLatin1String("EDIT") ? main_.entryEditorDate() : main_.registrationDate();
        Command1->hide();
        Command3->hide();
        Command4->setText(QStringLiteral("OK(&O)"));
    } else {
        setWindowTitle(QStringLiteral("検索日の指定"));
        Str年月日 = main_.listDate();
    }
    Sub初期化();
    Sub年月日設定();
    Flg表示済 = 1;
}

void Form2::buildControls() {
    setWindowTitle(QStringLiteral("日付の指定"));
    setFixedSize(4845 / 15, 3555 / 15);

    auto* title = new QLabel(QStringLiteral("カレンダ"), this);
    title->setGeometry(twips(150, 240, 1005, 255));
    styleFormTitle(title);
    orangeRule(this, twips(120, 450, 4605, 45));

    LstY = new QListWidget(this);
    LstY->setObjectName(QStringLiteral("LstY"));
    LstY->setFont(gothicFont(12));
    LstY->addItem(QStringLiteral("2000"));
    // Exactly one row shows: the year in it is the chosen one.
    const int oneRow = LstY->sizeHintForRow(0) + 2 * LstY->frameWidth();
    LstY->clear();
    LstY->setGeometry(QRect(120 / 15, 630 / 15, 1125 / 15, qMax(300 / 15, oneRow)));
    LstY->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    LstY->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LstY->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* yearCaption = new QLabel(QStringLiteral("年"), this);
    yearCaption->move(1320 / 15, 750 / 15);

    CmbM = new QComboBox(this);
    CmbM->setObjectName(QStringLiteral("CmbM"));
    CmbM->setGeometry(QRect(1740 / 15, 600 / 15, 1215 / 15, 330 / 15 + 4));
    CmbM->setFont(gothicFont(11.25));
    auto* monthCaption = new QLabel(QStringLiteral("月"), this);
    monthCaption->move(3060 / 15, 750 / 15);

    const QStringList weekdays = {QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
                                  QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"),
                                  QStringLiteral("土")};
    for (int c = 0; c < 7; ++c) {
        auto* h = new QLabel(weekdays[c], this);
        h->setGeometry(twips(120 + 450 * c, 1110, 465, 315));
        h->setAlignment(Qt::AlignCenter);
        const QString colour = c == 0   ? QStringLiteral("red")
                               : c == 6 ? QStringLiteral("blue")
                                        : QStringLiteral("black");
        h->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    }
    // Made before the cells, so they lie over it and take the clicks; between the month
    // list and the buttons in the Tab order.
    dayCells = new QWidget(this);
    dayCells->setObjectName(QStringLiteral("dayCells"));
    dayCells->setGeometry(twips(120, 1470, 450 * 6 + 465, 300 * 5 + 315));
    dayCells->setFocusPolicy(Qt::StrongFocus);
    dayCells->installEventFilter(this);
    for (int i = 0; i < 42; ++i) {
        auto* cell = new DayCell(this);
        cell->setObjectName(QStringLiteral("LblD%1").arg(i));
        cell->setGeometry(twips(120 + 450 * (i % 7), 1470 + 300 * (i / 7), 465, 315));
        cell->setAlignment(Qt::AlignCenter);
        cell->setFont(proportionalGothic(11.25));
        cell->setAutoFillBackground(true);
        QPalette pal = cell->palette();
        if (i % 7 == 0)
            pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
        else if (i % 7 == 6)
            pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        else
            pal.setColor(QPalette::WindowText, palette().color(QPalette::Text));
        cell->setPalette(pal);
        cell->installEventFilter(this);
        LblD[i] = cell;
    }

    auto button = [this](const char* name, const QString& caption, int top) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(twips(3480, top, 1215, 345));
        b->setAutoDefault(false);
        return b;
    };
    Command1 = button("Command1", QStringLiteral("年指定(&Y)"), 1110);
    Command3 = button("Command3", QStringLiteral("月指定(&Y)"), 1590);
    Command4 = button("Command4", QStringLiteral("日指定(&Y)"), 2070);
    Command2 = button("Command2", QStringLiteral("ｷｬﾝｾﾙ(&C)"), 2940);

    connect(Command1, &QPushButton::clicked, this, [this] { choose(QLatin1Char('y')); });
    connect(Command3, &QPushButton::clicked, this, [this] { choose(QLatin1Char('m')); });
    connect(Command4, &QPushButton::clicked, this, [this] { choose(QLatin1Char('d')); });
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    pressFocusedButtonOnEnter(this);
    connect(LstY->verticalScrollBar(), &QScrollBar::valueChanged, this, &Form2::onYearScrolled);
    connect(LstY, &QListWidget::currentRowChanged, this, &Form2::onYearScrolled);
    connect(CmbM, &QComboBox::currentIndexChanged, this, &Form2::onMonthChosen);
}

int Form2::visibleYear() const {
    return FirstYear + qMax(0, LstY->currentRow());
}

void Form2::Sub初期化() {
    for (int y = FirstYear; y <= LastYear; ++y)
        LstY->addItem(QString::number(y));
    for (int m = 1; m <= 12; ++m)
        CmbM->addItem(QString::number(m));
    const Ymd d = splitDate(Str年月日);
    // A year outside the list opens on the nearest year it has.
    const int year = qBound(FirstYear, d.y, LastYear);
    LstY->setCurrentRow(year - FirstYear);
    LstY->scrollToItem(LstY->item(year - FirstYear), QAbstractItemView::PositionAtTop);
    CmbM->setCurrentIndex(qBound(1, d.m, 12) - 1);
    if (d.y != year)
        Str年月日 = QStringLiteral("%1/%2/%3").arg(year).arg(d.m).arg(d.d);
}

void Form2::Sub年月日設定() {
    for (QLabel* cell : LblD) {
        cell->setText(QString());
        cell->setFrameStyle(QFrame::NoFrame);
        QPalette pal = cell->palette();
        pal.setColor(QPalette::Window, palette().color(QPalette::Base));
        cell->setPalette(pal);
    }
    Ymd d = splitDate(Str年月日);
    d.y = qBound(FirstYear, d.y, LastYear);
    d.m = qBound(1, d.m, 12);
    const QDate first(d.y, d.m, 1);
    // A day beyond the new month's end moves to its last day.
    d.d = qBound(1, d.d, Fnc月末日(first).toInt());
    const int offset = first.dayOfWeek() % 7;
    int k = 0;
    for (int i = offset; i <= 41; ++i) {
        LblD[i]->setText(QString::number(k + 1));
        ++k;
        if (first.addDays(k).day() == 1)
            break;
    }
    const QDate today = Clock::today();
    if (today.year() == d.y && today.month() == d.m) {
        QLabel* cell = LblD[offset + today.day() - 1];
        QPalette pal = cell->palette();
        pal.setColor(QPalette::Window, TodayBackground);
        cell->setPalette(pal);
    }
    Lng選択位置 = offset + d.d - 1;
    LblD[Lng選択位置]->setFrameStyle(QFrame::Box | QFrame::Plain);
    LblD[Lng選択位置]->setLineWidth(1);
    // Cells overlap their neighbours by a pixel: on top, all four sides of the frame show.
    LblD[Lng選択位置]->raise();
    showFocusMark();
    Str年月日 = QString::number(visibleYear()) + QLatin1Char('/') + twoDigits(CmbM->currentText()) +
                QLatin1Char('/') + twoDigits(LblD[Lng選択位置]->text());
}

void Form2::rebuildFromControls() {
    Str年月日 = QString::number(visibleYear()) + QLatin1Char('/') + twoDigits(CmbM->currentText()) +
                QLatin1Char('/') + twoDigits(LblD[Lng選択位置]->text());
    Sub年月日設定();
}

void Form2::onYearScrolled(int top) {
    if (Flg表示済 == 0 || top < 0)
        return;
    if (LstY->currentRow() != top) {
        LstY->setCurrentRow(top); // re-enters with the row now current
        return;
    }
    LstY->scrollToItem(LstY->item(top), QAbstractItemView::PositionAtTop);
    rebuildFromControls();
}

void Form2::onMonthChosen(int) {
    if (Flg表示済 == 0)
        return;
    rebuildFromControls();
}

void Form2::onDayClicked(int cell) {
    if (Flg表示済 == 0 || LblD[cell]->text().isEmpty())
        return;
    Lng選択位置 = cell;
    rebuildFromControls();
    dayCells->setFocus(Qt::MouseFocusReason);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dayCells) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            showFocusMark();
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->modifiers() & ~Qt::KeypadModifier) == 0 &&
                dayCellKey(key->key(), key->text()))
                return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 42; ++i) {
            if (watched == LblD[i]) {
                onDayClicked(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The list learns its scroll range only when shown: bring the chosen year into its row.
    LstY->scrollToItem(LstY->currentItem(), QAbstractItemView::PositionAtTop);
    // The year list would take typed digits for itself: a day is what is chosen most.
    dayCells->setFocus();
}

void Form2::showFocusMark() {
    for (int i = 0; i < 42; ++i) {
        auto* cell = static_cast<DayCell*>(LblD[i]);
        const bool mark = i == Lng選択位置 && dayCells->hasFocus();
        if (cell->focusMark != mark) {
            cell->focusMark = mark;
            cell->update();
        }
    }
}

void Form2::moveTo(const QDate& date) {
    const QDate d = qBound(QDate(FirstYear, 1, 1), date, QDate(LastYear, 12, 31));
    // The lists follow without their handlers rebuilding from the old layout.
    Flg表示済 = 0;
    LstY->setCurrentRow(d.year() - FirstYear);
    LstY->scrollToItem(LstY->currentItem(), QAbstractItemView::PositionAtTop);
    CmbM->setCurrentIndex(d.month() - 1);
    Flg表示済 = 1;
    Str年月日 = dateText(d);
    Sub年月日設定();
}

void Form2::typeDay(const QString& digit) {
    const QDate shown = parseDate(Str年月日);
    const bool goesOn =
        typedAt_.isValid() && typedAt_.elapsed() < DayTypingMs && typedDay_.size() == 1;
    typedAt_.start();
    typedDay_ = goesOn ? typedDay_ + digit : digit;
    int day = typedDay_.toInt();
    if (day > shown.daysInMonth()) {
        // Not a day of this month: the digit starts a new day number.
        typedDay_ = digit;
        day = digit.toInt();
    }
    if (day >= 1)
        moveTo(QDate(shown.year(), shown.month(), day));
}

bool Form2::dayCellKey(int key, const QString& text) {
    const QDate shown = parseDate(Str年月日);
    if (!shown.isValid())
        return false;
    switch (key) {
    case Qt::Key_Left:
        moveTo(shown.addDays(-1));
        return true;
    case Qt::Key_Right:
        moveTo(shown.addDays(1));
        return true;
    case Qt::Key_Up:
        moveTo(shown.addDays(-7));
        return true;
    case Qt::Key_Down:
        moveTo(shown.addDays(7));
        return true;
    case Qt::Key_PageUp:
        moveTo(shown.addMonths(-1));
        return true;
    case Qt::Key_PageDown:
        moveTo(shown.addMonths(1));
        return true;
    case Qt::Key_Home:
        moveTo(QDate(shown.year(), shown.month(), 1));
        return true;
    case Qt::Key_End:
        moveTo(QDate(shown.year(), shown.month(), shown.daysInMonth()));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A period needs its kind: one of the three buttons, not Enter.
        if (!Command1->isHidden())
            return true;
        Command4->click();
        return true;
    default:
        break;
    }
    if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) {
        typeDay(text);
        return true;
    }
    return false;
}

void Form2::choose(QChar letter) {
    const QString mode = main_.tag();
    if (mode == QLatin1String("TOUROKU"))
        main_.setRegistrationDate(Str年月日);
    else if (mode == QLatin1String("EDIT"))
        main_.setEntryEditorDate(Str年月日);
    else
        main_.setTag(letter + Str年月日);
    accept();
}

} // namespace kotsu
