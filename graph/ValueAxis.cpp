// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ValueAxis.h"
#include "common/values.h"

namespace kotsu {

namespace {

qint64 bandsFor(qint64 value, qint64 step) {
    return value / step + (value % step != 0 ? 1 : 0);
}

constexpr qint64 TenThousand = 10000;
constexpr qint64 HundredMillion = 100000000;

} // namespace

ValueAxis::ValueAxis(qint64 lowest, qint64 highest, int maxBands) : bands_(0) {
    const qint64 above = qMax<qint64>(0, highest);
    const qint64 below = qMax<qint64>(0, -lowest);
    if (above == 0 && below == 0)
        return;
    const qint64 factors[] = {1, 2, 5};
    for (qint64 power = 1; step_ == 0; power *= 10) {
        for (qint64 f : factors) {
            const qint64 step = f * power;
            if (bandsFor(above, step) + bandsFor(below, step) <= maxBands) {
                step_ = step;
                below_ = int(bandsFor(below, step));
                bands_ = below_ + int(bandsFor(above, step));
                break;
            }
        }
    }
}

double ValueAxis::fraction(qint64 value) const {
    return double(value - bottom()) / (double(step_) * bands_);
}

qint64 ValueAxis::divisor() const {
    const qint64 largest = qMax(top(), -bottom());
    if (largest >= TenThousand * HundredMillion)
        return HundredMillion;
    if (largest >= HundredMillion)
        return TenThousand;
    return 1;
}

QString ValueAxis::label(int n) const {
    return formatAmount((bottom() + n * step_) / divisor());
}

QString ValueAxis::unit() const {
    switch (divisor()) {
    case HundredMillion:
        return QStringLiteral("（億円）");
    case TenThousand:
        return QStringLiteral("（万円）");
    default:
        return {};
    }
}

} // namespace kotsu
