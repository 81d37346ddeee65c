// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

namespace kotsu {

class Form3;
class Form7;
class LedgerError;
class MainPort;

// One entry row: the texts it shows and the IDs behind them. The record is found again by
// its ID, so two rows showing the same values are never confused.
struct EntryRow {
    QString date;
    QString category;
    qint64 amount = 0;
    QString comment;
    qint64 entryId = 0;
    qint64 categoryId = 0;
    QString recordSql() const;
};

// The entry popup's commands: edit, delete, bulk category change.
class EntryCommands {
public:
    EntryCommands(MainPort& main, Form3& form3, Form7& form7);

    void MnuMeiEdit_Click();
    void MnuMeiDel_Click();
    void MnuIkkatu_Click();

private:
    std::optional<EntryRow> currentRow();
    // An entry gone from the ledger is not found; anything else is reported as it is.
    void failed(const LedgerError& e);

    MainPort& main_;
    Form3& form3_;
    Form7& form7_;
};

} // namespace kotsu
