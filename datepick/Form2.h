// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QElapsedTimer>
#include <array>

class QComboBox;
class QDate;
class QLabel;
class QListWidget;
class QPushButton;

namespace kotsu {

class MainPort;

// The calendar through which every date is chosen. Its mode is the main window's Tag
// when it opens; it writes its result where that mode says and is discarded on closing.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(MainPort& main, QWidget* parent = nullptr);

    QString Str年月日;
    int Lng選択位置 = 0;
    int Flg表示済 = 0;

    QListWidget* LstY;
    QComboBox* CmbM;
    std::array<QLabel*, 42> LblD;
    // Holds the keyboard for the day cells; the chosen cell shows where the focus is.
    QWidget* dayCells;
    QPushButton* Command1; // 年指定
    QPushButton* Command3; // 月指定
    QPushButton* Command4; // 日指定 / OK
    QPushButton* Command2; // キャンセル

    // The year shown in the list's single row.
    int visibleYear() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void Sub初期化();
    void Sub年月日設定();
    void rebuildFromControls();
    void onYearScrolled(int top);
    void onMonthChosen(int index);
    void onDayClicked(int cell);
    void choose(QChar letter);
    bool dayCellKey(int key, const QString& text);
    void moveTo(const QDate& date);
    void typeDay(const QString& digit);
    void showFocusMark();

    QString typedDay_;
    QElapsedTimer typedAt_;

    MainPort& main_;
};

} // namespace kotsu
