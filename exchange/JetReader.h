#pragma once
#include "exchange/JetProtocol.h"
#include <QStringList>

namespace kotsu {

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
    QString error; // why nothing could be read
    QList<JetTableRows> tables;
};

// Reads whole tables of a Jet database in a child process with a time limit, so a
// damaged file that crashes or hangs the reader only ever becomes a refusal here.
JetReadResult readJetTables(const QString& path, const QStringList& tables, int timeoutMs = 60000);

// Where the child program lives; tests may point elsewhere.
void setJetReaderProgram(const QString& path);

} // namespace kotsu
