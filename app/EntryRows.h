#pragma once
#include "app/RowSource.h"
#include <QList>
#include <QString>

namespace kotsu {

// The rows of the entry list: the IDs of the period's entries in list order, their texts
// read from the ledger a page at a time.
class EntryRows : public RowSource {
public:
    EntryRows(const QString& ledgerPath, QList<qint64> ids, QList<qint64> categoryIds);

    int count() const override { return int(ids_.size()); }
    qint64 key(int index, int slot) const override;
    QList<QStringList> texts(int first, int n) const override;

private:
    QString ledgerPath_;
    QList<qint64> ids_;
    QList<qint64> categoryIds_;
};

} // namespace kotsu
