// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>

namespace kotsu {

// The small pictures on the graph window's buttons, one per chart kind (1 to 5).
QIcon chartIcon(int kind);

} // namespace kotsu
