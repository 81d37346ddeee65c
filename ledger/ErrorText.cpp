// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/ErrorText.h"
#include "ledger/LedgerError.h"
#include <QDir>
#include <sqlite3.h>

namespace kotsu {

QString japaneseDescription(const LedgerError& error) {
    // The layer's own numbers (from 1000 up) already carry Japanese text.
    if (error.number() >= 1000)
        return error.description();
    QString text;
    switch (error.number() & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        text = QStringLiteral("台帳ファイルは他のプログラムが使用中です。");
        break;
    case SQLITE_READONLY:
        text = QStringLiteral("台帳ファイルに書き込めません（読み取り専用です）。");
        break;
    case SQLITE_FULL:
        text = QStringLiteral("ディスクがいっぱいです。");
        break;
    case SQLITE_IOERR:
        text = QStringLiteral("台帳ファイルの読み書きに失敗しました。");
        break;
    case SQLITE_NOTADB:
        text = QStringLiteral("台帳ファイルではありません。");
        break;
    case SQLITE_CORRUPT:
        text = QStringLiteral("台帳ファイルが壊れています。");
        break;
    case SQLITE_CANTOPEN:
        text = QStringLiteral("台帳ファイルを開けません。");
        break;
    case SQLITE_CONSTRAINT:
        text = QStringLiteral("データの整合性が保てないため、書き込めませんでした。");
        break;
    default:
        // Anything rarer keeps the engine's own words, below a Japanese line.
        text = QStringLiteral("データベースの操作に失敗しました。\n") + error.description();
        break;
    }
    if (!error.file().isEmpty())
        text += QStringLiteral("\n（%1）").arg(QDir::toNativeSeparators(error.file()));
    return text;
}

} // namespace kotsu
