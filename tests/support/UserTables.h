// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every row of the user's tables as SQLite quotes it, types and all, for before-and-after
// comparisons that must be exact.
#include "ledger/Database.h"
#include "ledger/Statement.h"
#include <QStringList>

namespace kotsu::test {

inline QStringList userTables(const QString& path) {
    Database db(path);
    QStringList rows;
    for (const char* table : {"科目テーブル", "明細テーブル", "コメントテーブル",
                              "定期明細テーブル", "定期明細記録テーブル"}) {
        QStringList quoted;
        {
            const QByteArray info =
                QByteArray("SELECT name FROM pragma_table_info('") + table + "') ORDER BY cid";
            Statement columns(db, info.constData());
            while (columns.step())
                quoted << QStringLiteral("quote(\"%1\")").arg(columns.text(0));
        }
        const QByteArray sql =
            (QStringLiteral("SELECT ") + quoted.join(QStringLiteral("||','||")) +
             QStringLiteral(" FROM \"%1\" ORDER BY 1").arg(QString::fromUtf8(table)))
                .toUtf8();
        Statement all(db, sql.constData());
        while (all.step())
            rows << QString::fromUtf8(table) + QLatin1Char(':') + all.text(0);
    }
    return rows;
}

} // namespace kotsu::test
