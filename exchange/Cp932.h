// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace kotsu {

// Text in the Windows Japanese code page. A character it cannot hold becomes "?", and
// replaced counts them, so nothing is lost silently. Nothing when the system's converter
// cannot be opened or fails: the text is then not written at all.
std::optional<QByteArray> toCp932(const QString& text, int* replaced = nullptr);

// The converter's name for the code page; tests name one the system lacks.
void setCp932ConverterName(const QByteArray& name);

} // namespace kotsu
