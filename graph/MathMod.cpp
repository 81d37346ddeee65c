// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/MathMod.h"
#include <cfenv>
#include <cmath>

namespace kotsu {

qint64 roundHalfEven(double x) {
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(x);
    std::fesetround(mode);
    return qint64(r);
}

double percentRound(double x, int n) {
    const qint64 c = qint64(std::pow(10, n));
    qint64 v = roundHalfEven(double(c) * x);
    if (v % 10 != 0)
        v += 1;
    return double(v) / double(c);
}

} // namespace kotsu
