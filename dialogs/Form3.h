// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kotsu {

class MainPort;
class QuickFill;

// The entry editor. It lives as long as the main window, whose reloads fill its lists;
// its buttons only hide it. Tag holds the ID of the entry being edited.
class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3(MainPort& main, QWidget* parent = nullptr);

    QString Tag;
    QLabel* Label1;
    QLabel* Lbl登録日付;
    QPushButton* Btn日付;
    QComboBox* Cmb登録科目;
    QLineEdit* Txt登録金額;
    QComboBox* Cmb登録コメント;
    // The phrases holding what was typed; the main window gives it their order.
    QuickFill* commentFill;
    QPushButton* Cmb登録;
    QPushButton* Command1;

    void Btn日付_Click();
    void Cmb登録_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MainPort& main_;
};

} // namespace kotsu
