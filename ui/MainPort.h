// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

namespace kotsu {
class UndoHistory;
}

namespace kotsu {

// What the dialogs, the calendar, the charts and the exchange commands need of the main
// window: its period, its Tag, its date labels, the cell texts of its grids, its reloads.
class MainPort {
public:
    virtual ~MainPort() = default;

    virtual QWidget* window() = 0;
    virtual QString ledgerPath() const = 0;
    // False, after telling the user why, when the ledger may not be written: every command
    // that writes asks this before anything else.
    virtual bool mayWrite() = 0;
    // Where every change the user makes is recorded as one step (StepRecorder).
    virtual UndoHistory& undoHistory() = 0;

    virtual QString tag() const = 0;
    virtual void setTag(const QString& tag) = 0;
    virtual QString registrationDate() const = 0;
    virtual void setRegistrationDate(const QString& date) = 0;
    virtual QString listDate() const = 0;
    virtual QString entryEditorDate() const = 0;
    virtual void setEntryEditorDate(const QString& date) = 0;

    virtual QDate periodStart() const = 0;
    virtual QDate periodEnd() const = 0;

    // Grids: row 0 is the title row; the current row is what a command acts on.
    virtual int entryRows() const = 0;
    virtual int entryRow() const = 0;
    // An entry row's texts are read from the ledger when they are not at hand: a failure
    // raises LedgerError (NoCurrentRecord when the entry is gone).
    virtual QString entryCell(int row, int col) const = 0;
    // The number behind an amount cell, read as its text is; 0 for a cell without one.
    virtual qint64 entryNumber(int row, int col) const = 0;
    virtual void setEntryCurrent(int row, int col) = 0;
    // The IDs behind an entry row: its entry and its category.
    virtual qint64 entryId(int row) const = 0;
    virtual qint64 entryCategoryId(int row) const = 0;
    virtual int summaryRows() const = 0;
    virtual int summaryRow() const = 0;
    virtual QString summaryCell(int row, int col) const = 0;
    virtual qint64 summaryNumber(int row, int col) const = 0;
    virtual qint64 summaryCategoryId(int row) const = 0;

    virtual QStringList commentPhrases() const = 0;

    // The month of that date over all categories, as a month chosen in the calendar and
    // searched would show it, with that entry's row current and in view.
    virtual void showEntryInMonth(const QDate& date, qint64 entryId) = 0;

    // Deletes every row of the ledger (the caller asks first).
    virtual void resetData() = 0;

    // Reloads for the shown period.
    virtual void reloadAll() = 0;        // entries, categories, comments
    virtual void reloadCategories() = 0; // category summary and lists
    virtual void reloadEntries() = 0;    // entry list and totals
    virtual void reloadComments() = 0;
};

} // namespace kotsu
