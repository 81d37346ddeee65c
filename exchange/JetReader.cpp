#include "exchange/JetReader.h"
#include "common/InstallLayout.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

namespace kotsu {

namespace {

QString& programOverride() {
    static QString p;
    return p;
}

QString readerProgram() {
    if (!programOverride().isEmpty())
        return programOverride();
    const QString name = QStringLiteral("kotsu-jet-reader");
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {QDir(helperFolder(folder)).filePath(name), QDir(folder).filePath(name)})
        if (QFileInfo::exists(candidate))
            return candidate;
    return QStringLiteral(KOTSU_JET_READER);
}

} // namespace

void setJetReaderProgram(const QString& path) {
    programOverride() = path;
}

JetReadResult readJetTables(const QString& path, const QStringList& tables, int timeoutMs) {
    JetReadResult result;
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(readerProgram(), QStringList{path} + tables);
    if (!child.waitForStarted()) {
        result.error = QStringLiteral("読み取りプログラムを起動できません。");
        return result;
    }
    QByteArray data;
    QElapsedTimer clock;
    clock.start();
    // Drain the pipe while waiting, so a large table never blocks the child.
    while (child.state() != QProcess::NotRunning) {
        if (clock.elapsed() > timeoutMs) {
            child.kill();
            child.waitForFinished();
            result.error =
                QStringLiteral("ファイルの読み取りが終わりません（壊れている可能性があります）。");
            return result;
        }
        child.waitForReadyRead(100);
        data += child.readAllStandardOutput();
    }
    data += child.readAllStandardOutput();
    if (child.exitStatus() != QProcess::NormalExit) {
        result.error = QStringLiteral("ファイルを読み取れません（壊れている可能性があります）。");
        return result;
    }
    if (child.exitCode() == 2) {
        result.error = QStringLiteral("Access（Jet）のデータベースではありません。");
        return result;
    }
    QDataStream in(data);
    quint32 magic = 0;
    in >> magic;
    if (child.exitCode() != 0 || magic != JetProtocolMagic) {
        result.error = QStringLiteral("ファイルを読み取れません（壊れている可能性があります）。");
        return result;
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
        result.error = QStringLiteral("ファイルを読み取れません（壊れている可能性があります）。");
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace kotsu
