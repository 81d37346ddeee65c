// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EntryRows.h"
#include "common/values.h"
#include "ledger/Database.h"

namespace kotsu {

EntryRows::EntryRows(const QString& ledgerPath, PeriodList list)
    : ledgerPath_(ledgerPath), list_(std::move(list)) {}

qint64 EntryRows::key(int index, int slot) const {
    if (index < 0 || index >= list_.count())
        return 0;
    return slot == 0 ? list_.id(index) : list_.categoryId(index);
}

bool EntryRows::available() const {
    return !LongWrite::underway();
}

QList<GridRow> EntryRows::rows(int first, int n) const {
    Database db(ledgerPath_);
    const QList<std::optional<EntryTexts>> entries = list_.texts(db, first, n);
    QList<GridRow> out;
    out.reserve(entries.size());
    int r = first;
    for (const std::optional<EntryTexts>& found : entries) {
        ++r;
        if (!found) {
            out << GridRow();
            continue;
        }
        const EntryTexts& e = *found;
        const QString amount = formatAmount(e.amount);
        const bool income = e.sign == QLatin1String("+");
        out << GridRow{QStringList{QString::number(r), e.date, e.category,
                                   income ? amount : QStringLiteral("0"),
                                   income ? QStringLiteral("0") : amount, e.comment},
                       {std::nullopt, std::nullopt, std::nullopt, income ? e.amount : 0,
                        income ? 0 : e.amount}};
    }
    return out;
}

} // namespace kotsu
