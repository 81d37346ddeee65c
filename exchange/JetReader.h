// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exchange/JetProtocol.h"
#include <QStringList>
#include <sys/types.h>

namespace kotsu {

class Progress;

struct JetTableRows {
    QString name;
    bool found = false;
    qint64 declaredRows = 0; // what the table says it holds
    QStringList columns;
    QList<QList<JetValue>> rows;
    int column(const QString& name) const { return int(columns.indexOf(name)); }
};

struct JetReadResult {
    bool ok = false;
    bool cancelled = false; // by the user; error is then empty
    QString error;          // why nothing could be read
    QList<JetTableRows> tables;
};

// Reads whole tables of a Jet database in a child process with a deadline and a memory
// limit, so a damaged file that crashes, hangs or bloats the reader only ever becomes a
// refusal here. With progress, the windows stay painted and the user may cancel.
JetReadResult readJetTables(const QString& path, const QStringList& tables,
                            Progress* progress = nullptr);

// Runs in the reader's process between fork and exec: its memory is limited, and it ends
// with the program that started it (parent), even one killed outright.
void prepareReaderChild(pid_t parent);

// Where the child program lives; tests point at theirs. Empty: beside the program, or in
// ../libexec/kotsu/ from its folder.
void setJetReaderProgram(const QString& path);

// How long the child may take, in ms; 0 (the default) scales with the file's size.
void setJetReaderDeadline(int ms);

} // namespace kotsu
