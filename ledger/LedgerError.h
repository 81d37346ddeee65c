// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <stdexcept>

namespace kotsu {

// A failing database operation: a number and a description, as the user is shown them.
class LedgerError : public std::runtime_error {
public:
    LedgerError(int number, const QString& description, const QString& file = {})
        : std::runtime_error(description.toStdString()), number_(number), description_(description),
          file_(file) {}
    int number() const { return number_; }
    const QString& description() const { return description_; }
    // The file the operation was on, when it is worth naming.
    const QString& file() const { return file_; }

    // Numbers of the layer's own refusals (SQLite's numbers are below 1000).
    static constexpr int NoCurrentRecord = 3021;
    // A row to change or delete was gone by the time it was written.
    static constexpr int RowGone = 3167;
    static constexpr int TableMissing = 3078;
    static constexpr int SyntaxError = 3075;
    static constexpr int TypeConversion = 3421;
    static constexpr int NewerVersion = 3343;
    // A file of ours could not be made or put in its place; the text says why.
    static constexpr int FilePlace = 3044;
    // An undo or redo that no longer fits the ledger.
    static constexpr int StepConflict = 3197;

private:
    int number_;
    QString description_;
    QString file_;
};

} // namespace kotsu
