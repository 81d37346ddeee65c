// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

// The installed layout: P/bin/kotsu with its helpers in P/libexec/kotsu/. A program
// without that folder beside its own runs where it was built or copied.
QString helperFolder(const QString& programFolder);
bool isInstalledProgram(const QString& programFolder);

} // namespace kotsu
