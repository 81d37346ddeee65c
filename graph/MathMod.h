// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>

namespace kotsu {

// Rounds x to n decimals, then goes up one unit of the last decimal unless that digit is 0.
double percentRound(double x, int n);

// Rounds half to even, as the old runtime's integer conversion did.
qint64 roundHalfEven(double x);

} // namespace kotsu
