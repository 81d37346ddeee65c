// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kotsu {

class FoundEntriesModel;
class MainPort;

// Finds entries by their comment over all dates and picks one to show in the main window.
class Form9 : public QDialog {
    Q_OBJECT
public:
    Form9(MainPort& main, QWidget* parent = nullptr);

    // More matches than this are counted and summed, not listed.
    static constexpr int MaxRows = 10000;

    QLineEdit* Txtコメント;
    QComboBox* Cmb科目;
    QPushButton* Command1; // search
    QTableView* Flx明細;
    QLabel* Lbl件数;
    QPushButton* Command2; // show
    QPushButton* Command3; // close

    void Command1_Click();
    void Command2_Click();

    FoundEntriesModel* model() const { return model_; }
    // The entry picked with 表示(&D), Enter on the list or a double click.
    qint64 chosenId() const { return chosenId_; }
    QDate chosenDate() const { return chosenDate_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void loadCategories();
    void fitAmountColumns();
    void showStatus();

    MainPort& main_;
    FoundEntriesModel* model_;
    qint64 chosenId_ = 0;
    QDate chosenDate_;
};

// The menu command: the search, then the main window at the entry picked.
void MnuMeiFind_Click(MainPort& main);

} // namespace kotsu
