// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExportTarget.h"
#include "common/Files.h"
#include "ledger/Backup.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <sys/stat.h>

namespace kotsu {

namespace {

// Where a write to path lands: the end of its chain of links, as the saving follows it.
QString landing(const QString& path) {
    QFileInfo f(path);
    for (int depth = 0; depth < 128 && f.isSymLink(); ++depth)
        f.setFile(f.symLinkTarget());
    return f.filePath();
}

// kept followed by digits only: "kotsu.mdb.jet." and "1", say.
bool isKeptOriginalName(const QString& name, const QString& kept) {
    if (!name.startsWith(kept) || name.size() == kept.size())
        return false;
    return std::all_of(name.begin() + kept.size(), name.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// The file's folder resolved to its real place, and its name.
QString canonicalName(const QString& path) {
    const QFileInfo f(path);
    const QString folder = QDir(f.absolutePath()).canonicalPath();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(f.fileName());
}

} // namespace

QStringList ledgerFiles(const QString& ledgerPath) {
    QStringList files{ledgerPath};
    for (const char* suffix : {"-journal", "-wal", "-shm", ".lock", ".jet"})
        files << ledgerPath + QLatin1String(suffix);
    // Every original a take-over kept: a second one goes to ".jet.1", and so on.
    const QFileInfo ledger(ledgerPath);
    const QString kept = ledger.fileName() + QStringLiteral(".jet.");
    for (const QString& name : QDir(ledger.absolutePath()).entryList({kept + QLatin1Char('*')}))
        if (isKeptOriginalName(name, kept))
            files << ledger.dir().filePath(name);
    for (int g = 0; g < BackupGenerations; ++g)
        files << backupPath(ledgerPath, g);
    // Names a file is built under before it is renamed into place, and their journals.
    for (const QString& temp :
         {ledgerPath + QStringLiteral(".new"), ledgerPath + QStringLiteral(".converting"),
          ledgerPath + QStringLiteral(".converting.new"), backupTempPath(ledgerPath),
          backupSetAsidePath(ledgerPath)})
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            files << temp + QLatin1String(suffix);
    return files;
}

QString ledgerFileAt(const QString& target, const QString& ledgerPath) {
    const QString lands = canonicalName(landing(target));
    for (const QString& file : ledgerFiles(ledgerPath)) {
        if (sameFile(target, file, Links::Follow))
            return file;
        if (!lands.isEmpty() && lands == canonicalName(file))
            return file;
    }
    // A kept original's name not taken yet is still one the next take-over may use.
    const QString kept = canonicalName(ledgerPath) + QStringLiteral(".jet.");
    if (!lands.isEmpty() && isKeptOriginalName(lands, kept))
        return lands;
    return QString();
}

std::optional<QString> exportRefusal(const QString& target, const QString& ledgerPath) {
    const QString ledgerFile = ledgerFileAt(target, ledgerPath);
    if (!ledgerFile.isEmpty())
        return QStringLiteral("「%1」はこの家計簿のデータのファイルです。別の名前を指定してく"
                              "ださい。")
            .arg(QFileInfo(ledgerFile).fileName());
    // Replacing a pipe, a device or a folder with a file is never what was meant.
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return QStringLiteral("「%1」はふつうのファイルではありません。別の名前を指定してく"
                              "ださい。")
            .arg(QFileInfo(target).fileName());
    return std::nullopt;
}

} // namespace kotsu
