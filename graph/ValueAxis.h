// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QtGlobal>

namespace kotsu {

// A value scale a reader can trust: lines a round step apart (1, 2 or 5 × 10^k yen), zero on
// one of them, and only as many bands above and below zero as the values need.
class ValueAxis {
public:
    // The smallest round step that fits lowest ≤ 0 ≤ highest into at most maxBands bands
    // (so at least four are used); empty when both are 0.
    ValueAxis(qint64 lowest, qint64 highest, int maxBands);

    bool empty() const { return step_ == 0; }
    qint64 step() const { return step_; }
    int bands() const { return bands_; }
    int bandsBelowZero() const { return below_; }
    qint64 bottom() const { return -below_ * step_; }
    qint64 top() const { return (bands_ - below_) * step_; }
    // 0 at the bottom line, 1 at the top one.
    double fraction(qint64 value) const;
    // The label of line n, counted from the bottom (0 .. bands), in the axis' unit.
    QString label(int n) const;
    // "（万円）" or "（億円）" where labels in yen would run to nine digits or more.
    QString unit() const;

private:
    qint64 divisor() const;

    qint64 step_ = 0;
    int bands_;
    int below_ = 0;
};

} // namespace kotsu
