// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/JetReader.h"
#include <QCoreApplication>

namespace {

// The program looks for its reader only beside itself, and no test runs from there: every
// test gets the one just built, before its first slot.
void useBuiltReader() {
    kotsu::setJetReaderProgram(QStringLiteral(KOTSU_TEST_JET_READER));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useBuiltReader)
