#include "graph/GraphCommand.h"
#include "ui/MainPort.h"
#include "ui/MessageBox.h"

namespace kotsu {

void openGraph(MainPort& main) {
    if (main.summaryRows() <= 1) {
        MessageBox::error(main.window(), QStringLiteral("グラフ表示するデータがありません。"),
                          QStringLiteral("データなし"));
        return;
    }
}

} // namespace kotsu
