// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/JetSql.h"
#include "common/values.h"
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

// Reads a literal quoted with q starting at i (on the opening quote); i ends past it.
QString readQuoted(const QString& s, int& i, QChar q, const QString& jet) {
    QString value;
    ++i;
    while (i < s.size()) {
        if (s[i] == q) {
            if (i + 1 < s.size() && s[i + 1] == q) {
                value += q;
                i += 2;
                continue;
            }
            ++i;
            return value;
        }
        value += s[i++];
    }
    refuse(jet, QStringLiteral("文字列が閉じていません"));
}

QString sqliteText(const QString& value) {
    QString v = value;
    v.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

} // namespace

TranslatedSql translateJetSql(const QString& jet) {
    TranslatedSql out;
    QString& sql = out.sql;
    sql.reserve(jet.size() + 16);
    QString previousWord;
    bool inOrder = false;
    bool orderHasId = false;
    bool wantSource = false;
    int i = 0;
    const int n = jet.size();
    while (i < n) {
        const QChar c = jet[i];
        if (c.isSpace()) {
            sql += QLatin1Char(' ');
            ++i;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            sql += sqliteText(readQuoted(jet, i, c, jet));
        } else if (c == QLatin1Char('#')) {
            const int close = jet.indexOf(QLatin1Char('#'), i + 1);
            if (close < 0)
                refuse(jet, QStringLiteral("日付が閉じていません"));
            const QDate d = parseDate(jet.mid(i + 1, close - i - 1));
            if (!d.isValid())
                refuse(jet, QStringLiteral("日付が不正です"));
            sql += sqliteText(dateText(d));
            i = close + 1;
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
            if (upper == QLatin1String("BY") && previousWord == QLatin1String("ORDER"))
                inOrder = true;
            if (inOrder && upper == QLatin1String("ID"))
                orderHasId = true;
            previousWord = upper;
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
    // The entry ID is the final key, so rows equal in the asked order list in creation order.
    if (inOrder && !orderHasId)
        sql += QStringLiteral(", ID");
    return out;
}

} // namespace kotsu
