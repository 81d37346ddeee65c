// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window stand-in for the calendar: Tag and the date labels, nothing else.
#include "ledger/UndoHistory.h"
#include "ui/MainPort.h"
#include <QWidget>

namespace kotsu::test {

class FakePort : public MainPort {
public:
    QString tagText, registration = "2005/03/07", list = "2005/03/07", editorDate;
    QWidget host;
    UndoHistory history;

    QWidget* window() override { return &host; }
    QString ledgerPath() const override { return {}; }
    bool mayWrite() override { return true; }
    UndoHistory& undoHistory() override { return history; }
    QString tag() const override { return tagText; }
    void setTag(const QString& t) override { tagText = t; }
    QString registrationDate() const override { return registration; }
    void setRegistrationDate(const QString& d) override { registration = d; }
    QString listDate() const override { return list; }
    QString entryEditorDate() const override { return editorDate; }
    void setEntryEditorDate(const QString& d) override { editorDate = d; }
    QDate periodStart() const override { return {}; }
    QDate periodEnd() const override { return {}; }
    int entryRows() const override { return 1; }
    int entryRow() const override { return 0; }
    QString entryCell(int, int) const override { return {}; }
    qint64 entryNumber(int, int) const override { return 0; }
    void setEntryCurrent(int, int) override {}
    qint64 entryId(int) const override { return 0; }
    qint64 entryCategoryId(int) const override { return 0; }
    int summaryRows() const override { return 1; }
    int summaryRow() const override { return 0; }
    QString summaryCell(int, int) const override { return {}; }
    qint64 summaryNumber(int, int) const override { return 0; }
    qint64 summaryCategoryId(int) const override { return 0; }
    QStringList commentPhrases() const override { return {}; }
    void showEntryInMonth(const QDate&, qint64) override {}
    void resetData() override {}
    void reloadAll() override {}
    void reloadCategories() override {}
    void reloadEntries() override {}
    void reloadComments() override {}
};

} // namespace kotsu::test
