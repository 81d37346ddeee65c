// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace kotsu {

class LedgerError;

// A failing database operation told the way the old runtime told it: number and text, then
// what the user can do about it, where the caller knows.
void reportLedgerError(QWidget* parent, const LedgerError& error, const QString& advice = {});

} // namespace kotsu
