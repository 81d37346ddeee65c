// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/JetSql.h"
#include "ledger/LedgerError.h"

namespace kotsu {

namespace {

[[noreturn]] void refuse(const QString& jet, const QString& why) {
    throw LedgerError(LedgerError::SyntaxError,
                      QStringLiteral("クエリ式 '%1' の構文エラー: %2").arg(jet, why));
}

bool isWordChar(QChar c) {
    return !c.isSpace() && (c.isLetterOrNumber() || c == QLatin1Char('_') || c.unicode() > 127);
}

// The text literal starting at i (on its opening quote), inner quotes doubled as SQLite
// reads them too; i ends past it.
QString quotedText(const QString& jet, int& i) {
    const int start = i++;
    while (i < jet.size()) {
        if (jet[i] != QLatin1Char('\'')) {
            ++i;
        } else if (i + 1 < jet.size() && jet[i + 1] == QLatin1Char('\'')) {
            i += 2;
        } else {
            ++i;
            return jet.mid(start, i - start);
        }
    }
    refuse(jet, QStringLiteral("文字列が閉じていません"));
}

} // namespace

TranslatedSql translateJetSql(const QString& jet) {
    TranslatedSql out;
    QString& sql = out.sql;
    sql.reserve(jet.size() + 16);
    bool wantSource = false;
    int i = 0;
    const int n = jet.size();
    while (i < n) {
        const QChar c = jet[i];
        if (c.isSpace()) {
            sql += QLatin1Char(' ');
            ++i;
        } else if (c == QLatin1Char('\'')) {
            sql += quotedText(jet, i);
        } else if (isWordChar(c)) {
            int j = i;
            while (j < n && isWordChar(jet[j]))
                ++j;
            const QString word = jet.mid(i, j - i);
            const QString upper = word.toUpper();
            if (wantSource) {
                out.source = word;
                wantSource = false;
            }
            if ((upper == QLatin1String("FROM") || upper == QLatin1String("UPDATE")) &&
                out.source.isEmpty())
                wantSource = true;
            sql += word;
            i = j;
        } else if (c == QLatin1Char('-') && i + 1 < n && jet[i + 1] == QLatin1Char('-')) {
            refuse(jet, QStringLiteral("使用できない記号 '--'"));
        } else if (QStringLiteral("=<>,()*.+-").contains(c)) {
            sql += c;
            ++i;
        } else {
            refuse(jet, QStringLiteral("使用できない文字 '%1'").arg(c));
        }
    }
    return out;
}

} // namespace kotsu
