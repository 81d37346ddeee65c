// SPDX-License-Identifier: GPL-3.0-or-later
#include "ledger/UndoHistory.h"
#include "ledger/Database.h"
#include "ledger/LedgerError.h"
#include <sqlite3.h>

namespace kotsu {

namespace {

// The user's own tables, never the running totals: their triggers keep them while a step
// is applied too, so recording them as well would make every step conflict with itself.
constexpr const char* recordedTables[] = {"科目テーブル", "明細テーブル", "コメントテーブル",
                                          "定期明細テーブル", "定期明細記録テーブル"};

// One program holds the ledger's lock, so a step that does not fit means the ledger was
// changed behind the history's back: nothing of it may be applied.
int abortOnConflict(void*, int, sqlite3_changeset_iter*) {
    return SQLITE_CHANGESET_ABORT;
}

qint64 idOf(sqlite3_value* v) {
    return v ? sqlite3_value_int64(v) : 0;
}

// The entry a step was about, before and after it, where it was about exactly one.
void entriesOf(const QByteArray& changeset, qint64& before, qint64& after) {
    QList<qint64> inserted, removed, updated;
    sqlite3_changeset_iter* it = nullptr;
    if (sqlite3changeset_start(&it, int(changeset.size()),
                               const_cast<char*>(changeset.constData())) != SQLITE_OK)
        return;
    while (sqlite3changeset_next(it) == SQLITE_ROW && removed.size() + updated.size() < 3) {
        const char* table = nullptr;
        int columns = 0, op = 0, indirect = 0;
        sqlite3changeset_op(it, &table, &columns, &op, &indirect);
        if (qstrcmp(table, "明細テーブル") != 0)
            continue;
        sqlite3_value* id = nullptr;
        if (op == SQLITE_INSERT) {
            sqlite3changeset_new(it, 0, &id);
            inserted << idOf(id);
        } else {
            sqlite3changeset_old(it, 0, &id);
            (op == SQLITE_DELETE ? removed : updated) << idOf(id);
        }
    }
    sqlite3changeset_finalize(it);
    if (removed.size() + updated.size() == 1 && inserted.size() <= 1)
        before = removed.isEmpty() ? updated.first() : removed.first();
    if (inserted.size() + updated.size() == 1 && removed.size() <= 1)
        after = inserted.isEmpty() ? updated.first() : inserted.first();
}

} // namespace

QString UndoHistory::undoName() const {
    return done_.isEmpty() ? QString() : done_.last().name;
}

QString UndoHistory::redoName() const {
    return undone_.isEmpty() ? QString() : undone_.last().name;
}

void UndoHistory::add(const QString& name, const QByteArray& changeset) {
    if (changeset.isEmpty())
        return;
    for (const Step& s : undone_)
        bytes_ -= s.changeset.size();
    undone_.clear();
    Step step{name, changeset};
    entriesOf(changeset, step.entryBefore, step.entryAfter);
    done_.append(step);
    bytes_ += changeset.size();
    while (!done_.isEmpty() && (done_.size() > MaxSteps || bytes_ > MaxBytes))
        bytes_ -= done_.takeFirst().changeset.size();
    emit changed();
}

void UndoHistory::clear() {
    done_.clear();
    undone_.clear();
    bytes_ = 0;
    emit changed();
}

StepOutcome UndoHistory::undo(const QString& ledgerPath) {
    return apply(ledgerPath, true);
}

StepOutcome UndoHistory::redo(const QString& ledgerPath) {
    return apply(ledgerPath, false);
}

StepOutcome UndoHistory::apply(const QString& ledgerPath, bool undo) {
    QList<Step>& from = undo ? done_ : undone_;
    QList<Step>& to = undo ? undone_ : done_;
    if (from.isEmpty())
        return {};
    const Step& step = from.last();
    try {
        Database db(ledgerPath);
        Transaction t(db);
        QByteArray changeset = step.changeset;
        const int rc = sqlite3changeset_apply_v2(
            db.handle(), int(changeset.size()), changeset.data(), nullptr, abortOnConflict, nullptr,
            nullptr, nullptr, undo ? SQLITE_CHANGESETAPPLY_INVERT : 0);
        if (rc == SQLITE_ABORT)
            throw LedgerError(LedgerError::StepConflict,
                              QStringLiteral("台帳の内容が記録した変更と合いません。"));
        if (rc != SQLITE_OK)
            db.fail();
        t.commit();
    } catch (const LedgerError&) {
        clear();
        throw;
    }
    StepOutcome outcome{step.name, undo ? step.entryBefore : step.entryAfter};
    to.append(from.takeLast());
    emit changed();
    return outcome;
}

StepRecorder::StepRecorder(Database& db, UndoHistory& history, const QString& name)
    : history_(history), name_(name) {
    if (sqlite3session_create(db.handle(), "main", &session_) != SQLITE_OK) {
        sqlite3session_delete(session_);
        session_ = nullptr;
        return;
    }
    for (const char* table : recordedTables) {
        if (sqlite3session_attach(session_, table) != SQLITE_OK) {
            sqlite3session_delete(session_);
            session_ = nullptr;
            return;
        }
    }
}

StepRecorder::~StepRecorder() {
    if (!finished_) {
        // Rolled back, the changes are gone from the ledger and from the changeset with them.
        QByteArray left;
        if (!take(left) || !left.isEmpty())
            history_.clear();
    }
    sqlite3session_delete(session_);
}

bool StepRecorder::take(QByteArray& changeset) {
    if (!session_)
        return false;
    int size = 0;
    void* data = nullptr;
    if (sqlite3session_changeset(session_, &size, &data) != SQLITE_OK) {
        sqlite3_free(data);
        return false;
    }
    changeset = QByteArray(static_cast<const char*>(data), size);
    sqlite3_free(data);
    return true;
}

void StepRecorder::finish() {
    finished_ = true;
    QByteArray changeset;
    if (take(changeset))
        history_.add(name_, changeset);
    else
        history_.clear();
}

} // namespace kotsu
