// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace kotsu {

// One exported line from the six cell texts of a grid row: trimmed, the two amount
// columns as plain digits, commas between; a field holding a comma, a quote or a line
// break is quoted as CSV quotes it.
QString exportLine(const QStringList& cells);

// All lines, each ended by CR LF.
QString exportText(const QList<QStringList>& rows);

} // namespace kotsu
