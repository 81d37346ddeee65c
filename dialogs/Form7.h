// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace kotsu {

class MainPort;

// Moves every entry of one category to another. Lives as long as the main window,
// whose category reload fills the target list.
class Form7 : public QDialog {
    Q_OBJECT
public:
    Form7(MainPort& main, QWidget* parent = nullptr);

    // The ID of the category shown in Lbl修正前; set by the opener.
    qint64 sourceId = 0;
    QLabel* Label1;
    QLabel* Lbl修正前;
    QComboBox* Cmb修正後;
    QPushButton* Cmb登録;
    QPushButton* Command1;

    void Cmb登録_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    MainPort& main_;
};

} // namespace kotsu
