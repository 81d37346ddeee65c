// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of the user's changes, as SQLite's session extension records them: each
// step is the changeset of one action, applied inverted to undo and as it is to redo.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

struct sqlite3_session;

namespace kotsu {

class Database;

// What an undo or a redo did: the step's name and the one entry it was about, as the
// ledger holds it now (0 when the step was about several or none, or took it away).
struct StepOutcome {
    QString name;
    qint64 entryId = 0;
};

// The steps of one run of the program, newest last. The oldest go beyond MaxSteps steps or
// MaxBytes of changesets; a step larger than that alone empties the history.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxSteps = 100;
    static constexpr qint64 MaxBytes = 16 * 1024 * 1024;

    bool canUndo() const { return !done_.isEmpty(); }
    bool canRedo() const { return !undone_.isEmpty(); }
    // The name of the step an undo or a redo would take back or do again; empty if none.
    QString undoName() const;
    QString redoName() const;
    int steps() const { return int(done_.size() + undone_.size()); }
    qint64 bytes() const { return bytes_; }

    // A new step drops the undone ones; a step that changed nothing is not kept.
    void add(const QString& name, const QByteArray& changeset);
    void clear();

    // Applied on a connection of their own in one transaction, wholly or not at all. A step
    // that does not fit the ledger as it is (or any other failure) changes nothing, empties
    // the history and raises LedgerError.
    StepOutcome undo(const QString& ledgerPath);
    StepOutcome redo(const QString& ledgerPath);

signals:
    void changed();

private:
    struct Step {
        QString name;
        QByteArray changeset;
        qint64 entryBefore = 0; // the entry an undo shows
        qint64 entryAfter = 0;  // the entry a redo shows
    };
    StepOutcome apply(const QString& ledgerPath, bool undo);

    QList<Step> done_;
    QList<Step> undone_;
    qint64 bytes_ = 0;
};

// Records what one action changes in the user's tables on its own connection. Made before
// the action's first write; finish() once its writes are committed, before the connection
// closes. An action that ends without finish() but changed the ledger empties the history,
// which then no longer fits it.
class StepRecorder {
public:
    StepRecorder(Database& db, UndoHistory& history, const QString& name);
    ~StepRecorder();
    StepRecorder(const StepRecorder&) = delete;
    StepRecorder& operator=(const StepRecorder&) = delete;

    void finish();

private:
    // The changes as they stand; false when SQLite could not give them.
    bool take(QByteArray& changeset);

    UndoHistory& history_;
    QString name_;
    sqlite3_session* session_ = nullptr;
    bool finished_ = false;
};

} // namespace kotsu
