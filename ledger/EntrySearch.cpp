// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/EntrySearch.h"
#include "common/SearchFold.h"
#include "common/values.h"
#include "ledger/Database.h"
#include "ledger/Statement.h"
#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kotsu {

namespace {

struct BytesHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
// Keyed by the stored bytes, looked up without copying them.
using ByBytes = std::unordered_map<std::string, int, BytesHash, std::equal_to<>>;

QString text(std::string_view b) {
    return QString::fromUtf8(b.data(), qsizetype(b.size()));
}

QHash<qint64, FoundCategory> readCategories(Database& db) {
    QHash<qint64, FoundCategory> out;
    Statement st(db, "SELECT ID, 科目名前, 収支 FROM 科目テーブル");
    while (st.step())
        out.insert(st.number(0), {st.text(1), st.text(2)});
    return out;
}

// Index of a value in a list of the distinct values seen, adding it when new.
template <typename Make> int intern(ByBytes& seen, std::string_view key, Make&& make) {
    const auto it = seen.find(key);
    if (it != seen.end())
        return it->second;
    const int index = make();
    seen.emplace(std::string(key), index);
    return index;
}

// YYYYMMDD of a stored date text, for ordering; a text that is no date sorts oldest.
int dateKey(std::string_view b) {
    const QDate d = parseDate(text(b));
    return d.isValid() ? d.year() * 10000 + d.month() * 100 + d.day() : 0;
}

// Newer first: the later date, then the larger ID.
bool newer(const FoundEntry& a, const FoundEntry& b) {
    if (a.dateKey != b.dateKey)
        return a.dateKey > b.dateKey;
    return a.id > b.id;
}

} // namespace

EntrySearchResult searchEntries(Database& db, const QStringList& words,
                                std::optional<qint64> categoryId, int limit) {
    EntrySearchResult result;
    if (words.isEmpty())
        return result;
    result.categories = readCategories(db);

    // Few distinct comments (and dates) stand behind many entries: each is folded, matched
    // or read once. Only the newest rows to be listed are kept, whatever the number of matches.
    ByBytes commentIndex;
    ByBytes dateIndex;
    std::vector<int> keyOfDate;
    std::vector<FoundEntry> kept; // a heap whose top is the oldest row kept
    const size_t room = size_t(qMax(0, limit));
    kept.reserve(qMin<size_t>(room, 4096));
    Statement s(db, "SELECT ID, 日付, 科目ID, 金額, コメント FROM 明細テーブル");
    while (s.step()) {
        const qint64 category = s.number(2);
        if (categoryId && category != *categoryId)
            continue;
        const auto cat = result.categories.constFind(category);
        if (cat == result.categories.constEnd())
            continue;
        const int comment = intern(commentIndex, s.bytes(4), [&] {
            const QString c = text(s.bytes(4));
            if (!containsAllWords(foldForSearch(c), words))
                return -1;
            result.comments << c;
            return int(result.comments.size() - 1);
        });
        if (comment < 0)
            continue;
        const qint64 amount = s.number(3);
        if (cat->sign == QLatin1String("+"))
            result.income += amount;
        else if (cat->sign == QLatin1String("-"))
            result.expense += amount;
        ++result.matched;
        const int date = intern(dateIndex, s.bytes(1), [&] {
            result.dates << text(s.bytes(1));
            keyOfDate.push_back(dateKey(s.bytes(1)));
            return int(result.dates.size() - 1);
        });
        const FoundEntry e{s.number(0), category, amount, date, comment, keyOfDate[size_t(date)]};
        if (kept.size() < room) {
            kept.push_back(e);
            std::push_heap(kept.begin(), kept.end(), newer);
        } else if (room > 0 && newer(e, kept.front())) {
            std::pop_heap(kept.begin(), kept.end(), newer);
            kept.back() = e;
            std::push_heap(kept.begin(), kept.end(), newer);
        }
    }
    std::sort_heap(kept.begin(), kept.end(), newer);
    result.entries = QList<FoundEntry>(kept.begin(), kept.end());
    return result;
}

} // namespace kotsu
