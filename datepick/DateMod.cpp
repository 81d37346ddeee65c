// SPDX-License-Identifier: GPL-3.0-or-later
#include "datepick/DateMod.h"

namespace kotsu {

QString Fnc月末日(const QDate& date) {
    const QDate first(date.year(), date.month(), 1);
    for (int n = 2; n <= 31; ++n) {
        if (first.addDays(n).day() == 1)
            return QString::number(n);
    }
    return QString();
}

} // namespace kotsu
