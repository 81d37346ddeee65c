// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ledger/FixedEntries.h"
#include <QDialog>

class QPushButton;
class QTableWidget;

namespace kotsu {

class MainPort;

// The list of fixed entries, where they are added, edited and deleted.
class Form10 : public QDialog {
    Q_OBJECT
public:
    Form10(MainPort& main, QWidget* parent = nullptr);

    enum Column { Day, Category, Amount, Comment, Weekend, Months, Columns };

    QTableWidget* Flx定期;
    QPushButton* Command1; // add
    QPushButton* Command2; // edit
    QPushButton* Command3; // delete
    QPushButton* Command4; // close

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    const QList<FixedEntry>& entries() const { return entries_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The list read again, with the row of that fixed entry current (else the same row).
    void reload(qint64 currentId);
    const FixedEntry* currentEntry();

    MainPort& main_;
    QList<FixedEntry> entries_;
};

// The menu command: the list, then what fell due meanwhile.
void MnuTeiki_Click(MainPort& main);

} // namespace kotsu
