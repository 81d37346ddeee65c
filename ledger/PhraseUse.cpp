// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/PhraseUse.h"
#include "ledger/Database.h"
#include "ledger/Statement.h"
#include <QSet>
#include <algorithm>

namespace kotsu {

namespace {

// The rowid closes every index, so the latest entry of a comment is one seek from its end.
const char* const commentIndexSql =
    "CREATE INDEX IF NOT EXISTS 明細_コメント ON 明細テーブル(コメント, 日付)";

bool commentIndexPresent(Database& db) {
    Statement st(db, "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = "
                     "'明細_コメント'");
    return st.step() && st.number(0) > 0;
}

struct Ranked {
    PhraseUse use;
    QString date;
    qint64 entryId = 0;
    qint64 phraseId = 0;
};

bool before(const Ranked& a, const Ranked& b) {
    if (a.use.used != b.use.used)
        return a.use.used;
    if (!a.use.used)
        return a.phraseId > b.phraseId;
    if (a.date != b.date)
        return a.date > b.date;
    return a.entryId > b.entryId;
}

} // namespace

void addCommentIndex(Database& db) {
    if (commentIndexPresent(db))
        return;
    Transaction t(db);
    Statement(db, commentIndexSql).execute();
    t.commit();
}

QList<PhraseUse> phrasesByLatestUse(Database& db) {
    const bool indexed = commentIndexPresent(db);
    QList<Ranked> ranked;
    QSet<QString> seen;
    Statement phrases(db, "SELECT ID, コメント名前 FROM コメントテーブル");
    Statement latest(db, "SELECT 日付, ID, 科目ID, 金額 FROM 明細テーブル WHERE コメント = ? "
                         "ORDER BY 日付 DESC, ID DESC LIMIT 1");
    while (phrases.step()) {
        Ranked r;
        r.phraseId = phrases.number(0);
        r.use.phrase = phrases.text(1);
        // A phrase stored twice is offered once.
        if (seen.contains(r.use.phrase))
            continue;
        seen.insert(r.use.phrase);
        if (indexed) {
            latest.bind(1, r.use.phrase);
            if (latest.step()) {
                r.use.used = true;
                r.date = latest.text(0);
                r.entryId = latest.number(1);
                r.use.categoryId = latest.number(2);
                r.use.amount = latest.number(3);
            }
            latest.reset();
        }
        ranked << r;
    }
    std::sort(ranked.begin(), ranked.end(), before);
    QList<PhraseUse> out;
    out.reserve(ranked.size());
    for (Ranked& r : ranked)
        out << std::move(r.use);
    return out;
}

} // namespace kotsu
