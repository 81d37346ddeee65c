// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/Operations.h"
#include "ledger/Database.h"
#include "ledger/Queries.h"
#include "ledger/Quote.h"

namespace kotsu {

void addPhraseIfNew(Database& db, const QString& comment) {
    const qint64 count = readCount(
        db,
        QStringLiteral(
            "Select count(コメント名前) as RecCnt From コメントテーブル Where コメント名前 = ") +
            sql::text(comment));
    if (count == 0 && !comment.isEmpty()) {
        Recordset rs = db.openTable(QStringLiteral("コメントテーブル"));
        rs.addNew();
        rs.setValue(QStringLiteral("コメント名前"), comment);
        rs.update();
    }
}

bool categoryExists(Database& db, qint64 id) {
    return readCount(db,
                     QStringLiteral("Select count(ID) as RecCnt From 科目テーブル Where ID = ") +
                         sql::number(id)) > 0;
}

void appendEntry(Database& db, const QString& date, qint64 categoryId, qint32 amount,
                 const QString& comment) {
    Recordset rs = db.openTable(QStringLiteral("明細テーブル"));
    rs.addNew();
    rs.setValue(QStringLiteral("日付"), date);
    rs.setValue(QStringLiteral("科目ID"), categoryId);
    rs.setValue(QStringLiteral("金額"), amount);
    rs.setValue(QStringLiteral("コメント"), comment);
    rs.update();
}

bool registerEntry(Database& db, const QString& date, qint64 categoryId, qint32 amount,
                   const QString& comment) {
    if (!categoryExists(db, categoryId))
        return false;
    addPhraseIfNew(db, comment);
    appendEntry(db, date, categoryId, amount, comment);
    return true;
}

} // namespace kotsu
