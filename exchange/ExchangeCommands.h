// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kotsu {

class MainPort;

// The file menu's export and import, and the initialisation of all data.
class ExchangeCommands {
public:
    explicit ExchangeCommands(MainPort& main) : main_(main) {}

    void MnuExp_Click();
    void MnuInp_Click();
    void MnuCls_Click();

private:
    MainPort& main_;
};

} // namespace kotsu
