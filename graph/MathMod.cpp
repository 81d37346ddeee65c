// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/MathMod.h"
#include <algorithm>
#include <numeric>

namespace kotsu {

QList<int> shareHundredths(const QList<qint64>& amounts) {
    constexpr qint64 Whole = 10000;
    __int128 total = 0;
    for (qint64 a : amounts)
        total += qMax<qint64>(0, a);
    QList<int> shares(amounts.size(), 0);
    if (total == 0)
        return shares;
    QList<qint64> remainder(amounts.size(), 0);
    qint64 given = 0;
    for (int i = 0; i < amounts.size(); ++i) {
        // Exact in 128 bits: even a ledger of trillions keeps every remainder.
        const __int128 scaled = __int128(qMax<qint64>(0, amounts[i])) * Whole;
        shares[i] = int(scaled / total);
        remainder[i] = qint64(scaled % total);
        given += shares[i];
    }
    QList<int> order(amounts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return remainder[a] > remainder[b]; });
    for (int i = 0; given < Whole; ++i, ++given)
        ++shares[order[i]];
    return shares;
}

QString shareText(int hundredths, qint64 amount) {
    if (hundredths == 0 && amount > 0)
        return QStringLiteral("(<0.01%)");
    return QStringLiteral("(%1.%2%)")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace kotsu
