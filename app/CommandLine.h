// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace kotsu {

// The command line, read before any window system is needed.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString file;   // the ledger named by the user, as given
    QString output; // the text Help, Version and Error print
};

CommandLine parseCommandLine(const QStringList& arguments);

} // namespace kotsu
