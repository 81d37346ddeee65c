// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

namespace kotsu {

// Text in the Windows Japanese code page. A character it cannot hold becomes "?", and
// replaced counts them, so nothing is lost silently.
QByteArray toCp932(const QString& text, int* replaced = nullptr);

} // namespace kotsu
