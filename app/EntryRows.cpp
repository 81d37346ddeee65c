#include "app/EntryRows.h"
#include "common/values.h"
#include "ledger/Database.h"
#include "ledger/EntryList.h"

namespace kotsu {

EntryRows::EntryRows(const QString& ledgerPath, QList<qint64> ids, QList<qint64> categoryIds)
    : ledgerPath_(ledgerPath), ids_(std::move(ids)), categoryIds_(std::move(categoryIds)) {}

qint64 EntryRows::key(int index, int slot) const {
    if (index < 0 || index >= ids_.size())
        return 0;
    return slot == 0 ? ids_[index] : categoryIds_[index];
}

QList<QStringList> EntryRows::texts(int first, int n) const {
    Database db(ledgerPath_);
    const QList<EntryTexts> entries = readEntries(db, ids_.mid(first, n));
    QList<QStringList> out;
    out.reserve(entries.size());
    int r = first;
    for (const EntryTexts& e : entries) {
        const QString amount = formatAmount(e.amount);
        const bool income = e.sign == QLatin1String("+");
        out << QStringList{QString::number(++r),
                           e.date,
                           e.category,
                           income ? amount : QStringLiteral("0"),
                           income ? QStringLiteral("0") : amount,
                           e.comment};
    }
    return out;
}

} // namespace kotsu
