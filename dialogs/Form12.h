// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ledger/FixedEntries.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kotsu {

class MainPort;

// The editor of one fixed entry, new or existing. OK writes it and closes the window.
class Form12 : public QDialog {
    Q_OBJECT
public:
    Form12(MainPort& main, QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* Cmb科目;
    QLineEdit* Txt金額;
    QComboBox* Cmbコメント;
    QComboBox* Cmb日;
    QComboBox* Cmb土日;
    QSpinBox* Spn開始年;
    QSpinBox* Spn開始月;
    QCheckBox* Chk終了;
    QSpinBox* Spn終了年;
    QSpinBox* Spn終了月;
    QPushButton* Cmb登録;
    QPushButton* Command1;

    // A new fixed entry starting this month.
    void startNew(const QDate& today);
    void load(const FixedEntry& f);
    void Cmb登録_Click();

    // The fixed entry written by OK.
    qint64 savedId() const { return id_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadCategories();
    void Chk終了_Click();

    MainPort& main_;
    qint64 id_ = 0;
};

// The text of a day of month as the fixed entries show it: "1"–"31" or "月末".
QString dayText(int day);
// "そのまま", "前の平日" or "次の平日".
QString weekendText(WeekendRule rule);

} // namespace kotsu
