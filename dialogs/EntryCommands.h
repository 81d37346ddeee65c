#pragma once
#include <QString>
#include <optional>

namespace kotsu {

class Form3;
class Form7;
class MainPort;

// The shown texts of one entry row and the query that finds its record again.
struct EntryRow {
    QString date;
    QString category;
    QString amountCell; // as displayed, with grouping
    QString comment;
    QString matchSql() const;
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
    void notFound();
    void categoryNotFound();

    MainPort& main_;
    Form3& form3_;
    Form7& form7_;
};

} // namespace kotsu
