// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/JetReader.h"
#include "common/InstallLayout.h"
#include "exchange/Progress.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace kotsu {

namespace {

// Far above what any real ledger needs; a looping reader stops here instead of
// taking the machine's memory.
constexpr rlim_t ChildMemoryLimit = rlim_t(1) << 30;

QString& programOverride() {
    static QString p;
    return p;
}

int& deadlineOverride() {
    static int ms = 0;
    return ms;
}

const QString readerName = QStringLiteral("kotsu-jet-reader");

// Where an installed program keeps it, then beside a built or copied one; nowhere else, so
// no folder of the machine it was built on is ever looked in.
QStringList readerFolders() {
    const QString folder = QCoreApplication::applicationDirPath();
    return {helperFolder(folder), folder};
}

// Empty when there is none.
QString readerProgram() {
    if (!programOverride().isEmpty())
        return programOverride();
    for (const QString& folder : readerFolders()) {
        const QFileInfo candidate(QDir(folder).filePath(readerName));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.filePath();
    }
    return {};
}

QString readerMissing() {
    QString text = QStringLiteral("取込みに必要なプログラム（%1）が見つかりません。\n探した場所：")
                       .arg(readerName);
    for (const QString& folder : readerFolders())
        text += QStringLiteral("\n") + QDir::toNativeSeparators(folder);
    return text;
}

// A file of 100,000 entries is read in under two seconds.
int deadlineFor(qint64 fileSize) {
    if (deadlineOverride() > 0)
        return deadlineOverride();
    return int(qMin<qint64>(2000 + fileSize / 1024, 600000));
}

// What the answer can hold at most: every stored byte turned into a few of ours.
qint64 answerLimitFor(qint64 fileSize) {
    return 64 * fileSize + (qint64(1) << 20);
}

QString unreadable() {
    return QStringLiteral("ファイルを読み取れません（壊れている可能性があります）。");
}

QString errorFor(int exitCode) {
    switch (exitCode) {
    case JetNotJet:
        return QStringLiteral("Access（Jet）のデータベースではありません。");
    case JetDamaged:
        return QStringLiteral(
            "ファイルが壊れています（Access（Jet）のデータベースですが、表の一覧か表の中身を"
            "読み取れません）。");
    default:
        return unreadable();
    }
}

void decode(const QByteArray& data, const QStringList& tables, JetReadResult& result) {
    QDataStream in(data);
    quint32 magic = 0;
    in >> magic;
    if (magic != JetProtocolMagic) {
        result.error = unreadable();
        return;
    }
    for (const QString& name : tables) {
        JetTableRows t;
        t.name = name;
        in >> t.found;
        if (t.found)
            in >> t.declaredRows >> t.columns >> t.rows;
        result.tables << t;
    }
    if (in.status() != QDataStream::Ok) {
        result.tables.clear();
        result.error = unreadable();
        return;
    }
    result.ok = true;
}

} // namespace

void prepareReaderChild(pid_t parent) {
    const rlimit limit{ChildMemoryLimit, ChildMemoryLimit};
    setrlimit(RLIMIT_AS, &limit);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Orphaned already, before the signal was asked for: it would never come.
    if (getppid() != parent)
        _exit(127);
}

void setJetReaderProgram(const QString& path) {
    programOverride() = path;
}

void setJetReaderDeadline(int ms) {
    deadlineOverride() = ms;
}

JetReadResult readJetTables(const QString& path, const QStringList& tables, Progress* progress) {
    JetReadResult result;
    const QString program = readerProgram();
    if (program.isEmpty()) {
        result.error = readerMissing();
        return result;
    }
    const qint64 size = QFileInfo(path).size();
    QProcess child;
    // Its complaints are of no use to the user and, unread, would pile up in our memory.
    child.setStandardErrorFile(QProcess::nullDevice());
    const pid_t parent = getpid();
    child.setChildProcessModifier([parent] { prepareReaderChild(parent); });
    child.start(program, QStringList{path} + tables);
    if (!child.waitForStarted()) {
        result.error = QStringLiteral("読み取りプログラムを起動できません。");
        return result;
    }
    QByteArray data;
    QElapsedTimer clock;
    clock.start();
    const int deadline = deadlineFor(size);
    const qint64 answerLimit = answerLimitFor(size);
    // Drain the pipe while waiting, so a large table never blocks the child.
    while (child.state() != QProcess::NotRunning) {
        if (progress && !progress->keepGoing()) {
            result.cancelled = true;
        } else if (clock.elapsed() > deadline) {
            result.error = QStringLiteral(
                "ファイルの読み取りが時間内に終わりません（壊れている可能性があります）。");
        } else if (data.size() > answerLimit) {
            result.error = unreadable();
        } else {
            child.waitForReadyRead(50);
            data += child.readAllStandardOutput();
            continue;
        }
        child.kill();
        child.waitForFinished();
        return result;
    }
    data += child.readAllStandardOutput();
    if (child.exitStatus() != QProcess::NormalExit) {
        result.error = unreadable();
        return result;
    }
    if (child.exitCode() != JetReadDone) {
        result.error = errorFor(child.exitCode());
        return result;
    }
    decode(data, tables, result);
    return result;
}

} // namespace kotsu
