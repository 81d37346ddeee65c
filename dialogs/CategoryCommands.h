// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <optional>

namespace kotsu {

class Form4;
class MainPort;

// The category popup's commands: add, edit, delete.
class CategoryCommands {
public:
    explicit CategoryCommands(MainPort& main);
    ~CategoryCommands();

    void MnuKamAdd_Click();
    void MnuKamEdit_Click();
    void MnuKamDel_Click();

    // The editor while it is loaded (after OK it is only hidden).
    Form4* form4() const { return form4_.get(); }

private:
    std::optional<int> selectedRow();
    Form4& loadForm4();
    void showForm4();

    MainPort& main_;
    std::unique_ptr<Form4> form4_;
};

} // namespace kotsu
