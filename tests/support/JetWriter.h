// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes small Jet 4 (Access 2000) database files for tests: tables of text, long
// integer, 16-bit integer, double and date columns, NULLs included. Enough of the format
// for readers to list the tables and read every row; no indexes, no memo pages.
#include <QList>
#include <QString>
#include <QVariant>

namespace kotsu::test {

struct JetColumn {
    enum Type { Text = 0x0A, Long = 0x04, Int16 = 0x03, Double = 0x07, DateTime = 0x08 };
    QString name;
    Type type;
};

struct JetTable {
    QString name;
    QList<JetColumn> columns;
    QList<QList<QVariant>> rows; // a null QVariant is a NULL; dates as QDate
};

// Returns false when the file cannot be written.
bool writeJet4(const QString& path, const QList<JetTable>& tables);

using JetRows = QList<QList<QVariant>>;

// The Windows program's ledger: categories (ID, 科目名前, 収支, 予算), entries (ID, 日付,
// 科目ID, 金額, コメント) and phrases (ID, コメント名前).
QList<JetTable> windowsLedger(const JetRows& categories, const JetRows& entries,
                              const JetRows& phrases);

// The older version's tables: 項目 (名前, 収支出) and 明細 (年月日, 科目, 収入, 支出, 備考).
JetTable oldCategories(const QList<QPair<QString, QString>>& rows);
JetTable oldEntries(const JetRows& rows);

} // namespace kotsu::test
