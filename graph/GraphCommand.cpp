// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/GraphCommand.h"
#include "graph/Form5.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"

namespace kotsu {

void openGraph(MainPort& main) {
    if (main.summaryRows() <= 1) {
        MessageBox::error(main.window(), QStringLiteral("グラフ表示するデータがありません。"),
                          QStringLiteral("データなし"));
        return;
    }
    Form5 graph(main, main.window());
    graph.exec();
}

} // namespace kotsu
