// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

class LedgerError;

// A failing database operation in Japanese: the engine's English only for what is rare.
QString japaneseDescription(const LedgerError& error);

} // namespace kotsu
