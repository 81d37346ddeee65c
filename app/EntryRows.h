// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/RowSource.h"
#include "ledger/EntryList.h"
#include <QString>

namespace kotsu {

// The rows of the entry list: the period's entries in list order, their texts read from
// the ledger a run at a time.
class EntryRows : public RowSource {
public:
    EntryRows(const QString& ledgerPath, PeriodList list);

    int count() const override { return list_.count(); }
    qint64 key(int index, int slot) const override;
    QList<GridRow> rows(int first, int n) const override;
    bool available() const override;

private:
    QString ledgerPath_;
    PeriodList list_;
};

} // namespace kotsu
