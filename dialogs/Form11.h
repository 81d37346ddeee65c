// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ledger/FixedEntries.h"
#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace kotsu {

class MainPort;

// The fixed entries that fell due: the checked ones are booked, the others never proposed
// again; 後で leaves them all for next time.
class Form11 : public QDialog {
    Q_OBJECT
public:
    Form11(MainPort& main, QList<DueOccurrence> due, QWidget* parent = nullptr);

    enum Column { Date, Category, Amount, Comment, Columns };

    QLabel* Lbl件数;
    QTableWidget* Flx定期;
    QPushButton* Cmb登録;
    QPushButton* Command1; // later

    void Cmb登録_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    void commitEditor();
    void keepAmountCurrent(int row, int column);
    void showAmount(QTableWidgetItem* item);
    bool checked(int row) const;

    MainPort& main_;
    QList<DueOccurrence> due_;
};

// Shows what is due, if anything; only the menu command says when nothing is.
void proposeFixedEntries(MainPort& main, bool sayWhenNone);

} // namespace kotsu
