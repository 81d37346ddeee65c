// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>

namespace kotsu {

// Today's date, the only clock value the program uses; tests set it.
class Clock {
public:
    static QDate today();
    static void setToday(const QDate& date); // an invalid date returns to the real clock
};

} // namespace kotsu
