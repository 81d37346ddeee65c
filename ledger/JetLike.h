// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kotsu {

// Like with the old engine's wildcards: * any run, ? one character, # one digit,
// [abc] / [a-z] a class, [!...] its complement.
bool jetLike(const QString& text, const QString& pattern);

} // namespace kotsu
