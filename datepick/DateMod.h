// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QString>

namespace kotsu {

// Days of the month of the given date as text ("28" … "31"); only year and month matter.
QString Fnc月末日(const QDate& date);

} // namespace kotsu
