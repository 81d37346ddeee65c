// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kotsu {

class MainPort;

// The graph command: the graph window over the shown period, or a word that there is
// nothing to draw.
void openGraph(MainPort& main);

} // namespace kotsu
