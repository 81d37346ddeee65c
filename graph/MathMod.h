// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>

namespace kotsu {

// Each positive amount's share of their sum in hundredths of a percent, rounded so that the
// shares add up to exactly 100.00 % (largest remainder first).
QList<int> shareHundredths(const QList<qint64>& amounts);

// "(38.20%)"; a positive amount whose share rounded away shows as "(<0.01%)".
QString shareText(int hundredths, qint64 amount);

} // namespace kotsu
