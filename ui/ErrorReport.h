// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kotsu {

class LedgerError;

// A failing database operation told the way the old runtime told it: number and text.
void reportLedgerError(QWidget* parent, const LedgerError& error);

} // namespace kotsu
