// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Import.h"
#include "common/values.h"
#include "exchange/Progress.h"
#include "ledger/Backup.h"
#include "ledger/Database.h"
#include "ledger/ErrorText.h"
#include "ledger/LedgerError.h"
#include "ledger/Reset.h"
#include "ledger/Statement.h"
#include "ledger/TotalsTable.h"
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>

namespace kotsu {

namespace {

const QString categoriesTable = QStringLiteral("項目");
const QString entriesTable = QStringLiteral("明細");
const QString unknownCategory = QStringLiteral("不明な科目");

std::optional<QString> checkTable(const JetTableRows& t, const QStringList& columns) {
    if (!t.found)
        return QStringLiteral("テーブル「%1」がありません。").arg(t.name);
    for (const QString& c : columns)
        if (t.column(c) < 0)
            return QStringLiteral("テーブル「%1」に列「%2」がありません。").arg(t.name, c);
    if (t.rows.size() != t.declaredRows)
        return QStringLiteral(
                   "テーブル「%1」は%2件のはずが%3件しか読めません（ファイルが壊れています）。")
            .arg(t.name)
            .arg(t.declaredRows)
            .arg(t.rows.size());
    return std::nullopt;
}

// A value that must be present; the reason names its table, row and column.
std::optional<QString> required(const JetTableRows& t, int row, const QString& column,
                                QString& out) {
    const JetValue& v = t.rows[row][t.column(column)];
    if (v.isNull)
        return QStringLiteral("テーブル「%1」の%2件目の「%3」が空です。")
            .arg(t.name)
            .arg(row + 1)
            .arg(column);
    out = v.text;
    return std::nullopt;
}

// The old category position: a whole number within the old list, else none.
std::optional<int> position(const QString& text, int count) {
    bool ok = false;
    const double v = toHalfWidth(text).trimmed().toDouble(&ok);
    if (!ok || std::floor(v) != v || v < 0 || v >= count)
        return std::nullopt;
    return int(v);
}

// The old entry's amount: its income when that is a number above 0, whatever its size,
// else its expense. The text of the column that counts.
const QString& amountText(const OldLedger::Entry& e) {
    const QString income = toHalfWidth(e.income).trimmed();
    const bool above0 = isNumeric(income) && !income.startsWith(QLatin1Char('-')) &&
                        std::any_of(income.begin(), income.end(), [](QChar c) {
                            return c >= QLatin1Char('1') && c <= QLatin1Char('9');
                        });
    const auto yen = toYen(e.income);
    // Within range the amount decides as it always did: 0.4 rounds to no income.
    return (yen ? *yen > 0 : above0) ? e.income : e.expense;
}

// Every few hundred rows the windows are painted and a cancel is taken.
void tick(Progress* progress, int& done) {
    if (progress && ++done % 512 == 0)
        progress->check(done);
}

} // namespace

std::optional<QString> checkOldLedger(const JetReadResult& read, OldLedger& out) {
    if (!read.ok)
        return read.error;
    const JetTableRows& cats = read.tables.value(0);
    const JetTableRows& ents = read.tables.value(1);
    const QStringList catColumns = {QStringLiteral("名前"), QStringLiteral("収支出")};
    const QStringList entColumns = {QStringLiteral("年月日"), QStringLiteral("科目"),
                                    QStringLiteral("収入"), QStringLiteral("支出"),
                                    QStringLiteral("備考")};
    if (auto why = checkTable(cats, catColumns))
        return why;
    if (auto why = checkTable(ents, entColumns))
        return why;
    out = {};
    for (int r = 0; r < cats.rows.size(); ++r) {
        OldLedger::Category c;
        if (auto why = required(cats, r, catColumns[0], c.name))
            return why;
        if (auto why = required(cats, r, catColumns[1], c.sign))
            return why;
        out.categories << c;
    }
    for (int r = 0; r < ents.rows.size(); ++r) {
        OldLedger::Entry e;
        for (auto [column, field] :
             {std::pair{0, &e.date}, {1, &e.category}, {2, &e.income}, {3, &e.expense}})
            if (auto why = required(ents, r, entColumns[column], *field))
                return why;
        if (!parseDate(e.date).isValid())
            return QStringLiteral("テーブル「明細」の%1件目の「年月日」が日付ではありません。")
                .arg(r + 1);
        const QString& amount = amountText(e);
        if (!isNumeric(amount))
            return QStringLiteral("テーブル「明細」の%1件目の金額が数値ではありません。")
                .arg(r + 1);
        if (!toYen(amount))
            return QStringLiteral("テーブル「明細」の%1件目の金額「%2」は記録できる範囲（±%3"
                                  "円）を超えています。")
                .arg(r + 1)
                .arg(amount.trimmed(), formatAmount(std::numeric_limits<qint32>::max()));
        const JetValue& remark = ents.rows[r][ents.column(entColumns[4])];
        e.remark = remark.isNull ? QString() : remark.text;
        out.entries << e;
    }
    return std::nullopt;
}

void writeImport(Database& db, const OldLedger& old, Progress* progress) {
    if (progress)
        progress->setStage(QStringLiteral("台帳に書き込んでいます…"),
                           int(old.categories.size() + old.entries.size()));
    int done = 0;
    BulkWrite bulk(db);
    deleteAllRows(db);
    Recordset categories = db.openTable(QStringLiteral("科目テーブル"));
    QHash<QString, qint64> firstIdOf;
    for (const auto& c : old.categories) {
        categories.addNew();
        categories.setValue(QStringLiteral("科目名前"), c.name);
        categories.setValue(QStringLiteral("収支"), c.sign);
        categories.update();
        // Every lookup by name takes the first category of that name.
        if (!firstIdOf.contains(c.name))
            firstIdOf.insert(c.name, db.lastInsertId());
        tick(progress, done);
    }
    categories.addNew();
    categories.setValue(QStringLiteral("科目名前"), unknownCategory);
    categories.setValue(QStringLiteral("収支"), QStringLiteral("+"));
    categories.update();
    const qint64 unknownId = firstIdOf.value(unknownCategory, db.lastInsertId());

    // Values already checked and converted: one prepared insert serves every entry.
    Statement insert(db, "INSERT INTO 明細テーブル(日付, 科目ID, 金額, コメント) "
                         "VALUES (?1, ?2, ?3, ?4)");
    QSet<QString> remarks;
    for (const auto& e : old.entries) {
        const auto at = position(e.category, int(old.categories.size()));
        const qint64 categoryId = at ? firstIdOf.value(old.categories[*at].name) : unknownId;
        const QDate date = parseDate(e.date);
        if (!date.isValid())
            throw LedgerError(LedgerError::TypeConversion,
                              QStringLiteral("データ型変換エラー: 日付 = '%1'").arg(e.date));
        insert.bind(1, dateText(date));
        insert.bind(2, categoryId);
        const auto amount = toYen(amountText(e));
        if (!amount)
            throw LedgerError(LedgerError::TypeConversion,
                              QStringLiteral("データ型変換エラー: 金額 = '%1'").arg(amountText(e)));
        insert.bind(3, qint64(*amount));
        insert.bind(4, e.remark);
        insert.execute();
        if (!e.remark.isEmpty())
            remarks.insert(e.remark);
        tick(progress, done);
    }

    // Each distinct comment once, in ascending order of character codes.
    QStringList phrasesInOrder(remarks.begin(), remarks.end());
    std::sort(phrasesInOrder.begin(), phrasesInOrder.end());
    Recordset phrases = db.openTable(QStringLiteral("コメントテーブル"));
    for (const QString& r : phrasesInOrder) {
        phrases.addNew();
        phrases.setValue(QStringLiteral("コメント名前"), r);
        phrases.update();
    }
    // Every row is in: the bar shows it, and a cancel is still taken.
    if (progress)
        progress->check(int(old.categories.size() + old.entries.size()));
    bulk.finish();
}

ImportOutcome readOldLedger(const QString& oldFile, OldLedger& out, Progress* progress) {
    ImportOutcome outcome;
    if (progress)
        progress->setStage(QStringLiteral("ファイルを読み取っています…"));
    const JetReadResult read = readJetTables(oldFile, {categoriesTable, entriesTable}, progress);
    if (read.cancelled) {
        outcome.refusal = ImportOutcome::Refusal::Cancelled;
        return outcome;
    }
    if (auto why = checkOldLedger(read, out)) {
        outcome.refusal = ImportOutcome::Refusal::File;
        outcome.reason = *why;
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

ImportOutcome writeOldLedger(const QString& ledgerPath, const OldLedger& old, Progress* progress) {
    ImportOutcome outcome;
    try {
        Database db(ledgerPath);
        // The main window, painted meanwhile, reads nothing of the ledger until it reloads.
        const LongWrite underway;
        // The write lock first: a ledger busy elsewhere is refused before a backup moves.
        Transaction t(db);
        BackupRotation backup(ledgerPath);
        // A cancel reaches into the long statements too: the indexes and totals rebuilt.
        if (progress)
            db.setProgressCheck([progress] { return progress->keepGoing(); });
        writeImport(db, old, progress);
        if (progress) {
            if (!progress->keepGoing())
                throw ProgressCancelled{};
            db.setProgressCheck(nullptr);
            progress->finishing(QStringLiteral("台帳の書き込みを仕上げています…"));
        }
        t.commit();
        backup.keep();
    } catch (const BackupFailed& e) {
        outcome.refusal = ImportOutcome::Refusal::Backup;
        outcome.reason = japaneseDescription(e);
        return outcome;
    } catch (const LedgerError& e) {
        const bool cancelled = progress && progress->cancelled();
        outcome.refusal =
            cancelled ? ImportOutcome::Refusal::Cancelled : ImportOutcome::Refusal::Ledger;
        outcome.reason = cancelled ? QString() : japaneseDescription(e);
        return outcome;
    } catch (const ProgressCancelled&) {
        outcome.refusal = ImportOutcome::Refusal::Cancelled;
        return outcome;
    }
    outcome.ok = true;
    outcome.categories = int(old.categories.size());
    outcome.entries = int(old.entries.size());
    return outcome;
}

ImportOutcome importOldLedger(const QString& oldFile, const QString& ledgerPath,
                              Progress* progress) {
    OldLedger old;
    const ImportOutcome read = readOldLedger(oldFile, old, progress);
    return read.ok ? writeOldLedger(ledgerPath, old, progress) : read;
}

} // namespace kotsu
