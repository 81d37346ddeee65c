// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LedgerLocation.h"
#include "common/InstallLayout.h"
#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace kotsu {

namespace {

const QString ledgerName = QStringLiteral("kotsu.mdb");

// A folder made here is the household's alone, whatever the umask says.
void makePrivateFolder(const QString& folder) {
    if (QFileInfo::exists(folder))
        return;
    if (QDir().mkpath(folder))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString canonical(const QString& path) {
    const QFileInfo file(path);
    if (file.exists())
        return file.canonicalFilePath();
    const QString folder = file.absoluteDir().canonicalPath();
    return folder.isEmpty() ? file.absoluteFilePath() : QDir(folder).filePath(file.fileName());
}

QString chooseLedgerPath(const LedgerPlace& place) {
    if (!place.named.isEmpty())
        return place.named;
    const QString beside = QDir(place.programFolder).filePath(ledgerName);
    if (QFileInfo::exists(beside) || !isInstalledProgram(place.programFolder))
        return beside;
    makePrivateFolder(place.dataFolder);
    return QDir(place.dataFolder).filePath(ledgerName);
}

} // namespace

bool mayWritePath(const QString& path) {
    // access() also answers for a read-only medium, where even root may not write.
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

QString resolveLedgerPath(const LedgerPlace& place) {
    return canonical(chooseLedgerPath(place));
}

} // namespace kotsu
