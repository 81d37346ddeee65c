// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace kotsu {

class MainPort;

// Deletes comment phrases, picked several at a time.
class Form6 : public QDialog {
    Q_OBJECT
public:
    Form6(MainPort& main, QWidget* parent = nullptr);

    QLabel* Lblタイトル;
    QListWidget* LstKom;
    QPushButton* Command2; // select all
    QPushButton* Command3; // clear selection
    QPushButton* Command1; // delete
    QPushButton* Cmb登録;  // close

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    MainPort& main_;
};

// The menu command: the editor, then the main window's phrase lists reloaded.
void MnuKom_Click(MainPort& main);

} // namespace kotsu
