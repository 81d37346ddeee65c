// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/InstallLayout.h"
#include <QDir>
#include <QFileInfo>

namespace kotsu {

QString helperFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../libexec/kotsu"));
}

bool isInstalledProgram(const QString& programFolder) {
    return QFileInfo(helperFolder(programFolder)).isDir();
}

} // namespace kotsu
